// Saving projects: byte-for-byte round trips, writing only what changed, what an import refuses,
// and refusing to write when that would lose someone's work. (Modules imported and saved, a
// missing module's line kept: the command table's insertions, tests/data/cli/ordenes.txt.)

#include "host/files/Vbe.h"
#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Errores.h"
#include "tests/support/Tabla.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

using soporte::Lee;

namespace {

const fs::path kSource = fs::path(LINTRAP_SOURCE_DIR);
const fs::path kData = kSource / "tests" / "data" / "host" / "projects";

// Copies the test projects and dates every file in the past, so that any write shows.
fs::path CopyProjects(const soporte::Carpeta& dir) {
    fs::copy(kData, dir.Ruta(), fs::copy_options::recursive);
    auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
    for (auto& entry : fs::recursive_directory_iterator(dir.Ruta())) {
        if (entry.is_regular_file()) { // only files are compared (Windows dates no folder)
            fs::last_write_time(entry.path(), old);
        }
    }
    return dir.Ruta();
}

vbide::CodeModule& Code(files::Vbe& vbe, const std::string& name) {
    return vbe.ActiveVBProject()->VBComponents().Item(name).CodeModule();
}

TEST(ProjectSave, EveryProjectRoundTripsByteForByte) {
    // Every project under examples/ and the test data, saved into another folder.
    std::vector<std::pair<fs::path, fs::path>> projects; // file, folder its files live under
    for (const auto& root : {kSource / "examples", kData}) {
        for (auto& entry : fs::recursive_directory_iterator(root)) {
            auto ext = entry.path().extension();
            auto parent = entry.path().parent_path().filename();
            if ((ext == ".vbp" || ext == ".vbg") && parent != "malos" && parent != "esperados" &&
                entry.path().parent_path().parent_path().filename() != "Grupo") {
                projects.emplace_back(entry.path(), entry.path().parent_path());
            }
        }
    }
    ASSERT_GE(projects.size(), 5u);
    for (const auto& [file, folder] : projects) {
        SCOPED_TRACE(file.string());
        soporte::Carpeta out;
        auto vbe = files::Vbe::Open(file);
        vbe->SaveAs(out.Ruta());
        auto saved = soporte::Contenido(out.Ruta());
        auto original = soporte::Contenido(folder);
        if (file.stem() == "Completo") {
            // The shared module outside the folder comes along, and its line says so.
            EXPECT_EQ(saved["Comun.bas"], Lee(kData / "Comun" / "Comun.bas"));
            EXPECT_EQ(saved["Completo.vbp"], Lee(kData / "esperados" / "Completo.vbp"));
            saved.erase("Comun.bas");
            saved.erase("Completo.vbp");
            original.erase("Completo.vbp");
        }
        if (file.stem() == "FaltaModulo") {
            EXPECT_EQ(vbe->LoadProblems().size(), 1u);
        }
        EXPECT_EQ(saved, original);
    }
}

TEST(ProjectSave, ImportRefusesNamesAndFilesTheProjectHas) {
    soporte::Carpeta dir;
    CopyProjects(dir);
    auto vbe = files::Vbe::Open(dir / "Completo" / "Completo.vbp");
    auto& components = vbe->ActiveVBProject()->VBComponents();
    components.Import((dir / "Importar" / "clsErrores.cls").string());

    // What an import refuses: tests/data/host/importar.txt.
    fs::create_directories(dir / "otra");
    soporte::Escribe(dir / "Completo" / "Suelto.bas", "Attribute VB_Name = \"Suelto\"\r\n");
    for (const auto& c : soporte::Tabla("host/importar.txt")) {
        if (!c.at(1).empty()) {
            soporte::Escribe(dir / c[0], "Attribute VB_Name = \"" + c[1] + "\"\r\n");
        }
        auto e = soporte::Lanzado([&] { components.Import((dir / c[0]).string()); });
        EXPECT_EQ(e.Number, std::stol(c.at(2))) << c[0];
        EXPECT_NE(e.Description.find(c[2] == "58" ? fs::path(c[0]).filename().string() : ""),
                  std::string::npos)
            << e.Description;
    }
    // A file already in the project's folder joins the project where it is.
    auto& suelto = components.Import((dir / "Completo" / "Suelto.bas").string());
    EXPECT_EQ(suelto.Name(), "Suelto");

    EXPECT_EQ(components.Count(), 13);
    vbe->Save();
    EXPECT_EQ(Lee(dir / "Completo" / "Suelto.bas"), "Attribute VB_Name = \"Suelto\"\r\n");
    EXPECT_NE(Lee(dir / "Completo" / "Completo.vbp").find("Module=Suelto; Suelto.bas\r\n"),
              std::string::npos);
}

TEST(ProjectSave, SaveAsMovesTheProjectAndRefusesToOverwrite) {
    soporte::Carpeta dir;
    CopyProjects(dir);
    soporte::Carpeta out;
    auto vbe = files::Vbe::Open(dir / "Completo" / "Completo.vbp");
    const auto old = soporte::Contenido(dir / "Completo");
    Code(*vbe, "Modulo").InsertLines(1, "' copiado"); // an edit made before goes with the copy
    vbe->SaveAs(out / "nuevo");
    EXPECT_EQ(Lee(out / "nuevo" / "Principal.frx"), Lee(kData / "Completo" / "Principal.frx"));
    EXPECT_EQ(Lee(out / "nuevo" / "Recursos.res"), Lee(kData / "Completo" / "Recursos.res"));
    EXPECT_NE(Lee(out / "nuevo" / "Modulo.bas").find("' copiado\r\nOption"), std::string::npos);

    // Later saves go to the new folder; the old one stays as it was.
    Code(*vbe, "Comun").InsertLines(1, "' movido");
    vbe->Save();
    EXPECT_EQ(soporte::Contenido(dir / "Completo"), old);
    EXPECT_EQ(Lee(dir / "Comun" / "Comun.bas"), Lee(kData / "Comun" / "Comun.bas"));
    EXPECT_NE(Lee(out / "nuevo" / "Comun.bas").find("' movido"), std::string::npos);

    auto again = files::Vbe::Open(dir / "Completo" / "Completo.vbp");
    auto error = soporte::Lanzado([&] { again->SaveAs(out / "nuevo"); });
    EXPECT_EQ(error.Number, 58);
    EXPECT_NE(Lee(out / "nuevo" / "Comun.bas").find("' movido"), std::string::npos);
    again->SaveAs(out / "nuevo", true);
    EXPECT_EQ(Lee(out / "nuevo" / "Comun.bas"), Lee(kData / "Comun" / "Comun.bas"));
}

// Bytes equal to the file's are never written, so they need not be writable: a module edited
// back to its own text saves without touching a file, time included, in a project, in a group
// that lists itself and in a project whose missing module keeps its line.
TEST(ProjectSave, FilesWhoseBytesAreUnchangedAreNotWritten) {
    soporte::Carpeta dir;
    CopyProjects(dir);
    for (auto& entry : fs::recursive_directory_iterator(dir.Ruta())) {
        if (entry.is_regular_file()) {
            fs::permissions(entry.path(), fs::perms::owner_read);
        }
    }
    const auto before = soporte::Foto(dir.Ruta());
    for (const char* file :
         {"Completo/Completo.vbp", "malos/Propio.vbg", "FaltaModulo/FaltaModulo.vbp"}) {
        SCOPED_TRACE(file);
        auto vbe = files::Vbe::Open(dir / file);
        auto& code = vbe->ActiveVBProject()->VBComponents().Item(1).CodeModule();
        code.InsertLines(1, "' un momento");
        code.DeleteLines(1, 1);
        vbe->Save();
        EXPECT_EQ(soporte::Foto(dir.Ruta()), before);
    }
}

} // namespace

// Staging writes a module's bytes beside it early and frees its code; the save that follows
// must give exactly what an ordinary save gives, and an abandoned one must leave no trace.
// (A refused file is refused when staged: the reliability tests' read-only cases.)
TEST(ProjectSave, StagedModulesLandWithTheNextSaveOrLeaveNoTrace) {
    soporte::Carpeta plain, staged;
    CopyProjects(plain);
    CopyProjects(staged);
    auto edit = [](files::Vbe& vbe) {
        Code(vbe, "Modulo").InsertLines(1, "' uno");
        Code(vbe, "Clase").ReplaceLine(1, "' dos");
    };
    auto a = files::Vbe::Open(plain / "Completo" / "Completo.vbp");
    edit(*a);
    a->Save();

    auto before = soporte::Contenido(staged.Ruta());
    auto b = files::Vbe::Open(staged / "Completo" / "Completo.vbp");
    edit(*b);
    auto& project = dynamic_cast<files::Project&>(*b->ActiveVBProject());
    for (std::size_t i = 0; i < project.ComponentCount(); ++i) {
        project.Stage(project.ComponentAt(i));
    }
    // Nothing is in place yet; a released module still has its name and bytes, not its code.
    auto pending = soporte::Contenido(staged.Ruta());
    EXPECT_EQ(pending.size(), before.size() + 2);
    for (const auto& [name, bytes] : before) {
        EXPECT_EQ(pending[name], bytes) << name;
    }
    files::Component* modulo = project.Find("modulo");
    ASSERT_NE(modulo, nullptr);
    EXPECT_TRUE(modulo->Released());
    EXPECT_EQ(modulo->Bytes(), Lee(plain / "Completo" / "Modulo.bas"));
    EXPECT_EQ(soporte::Lanzado([&] { modulo->CodeModule(); }).Number, vberr::ObjectNotSet);

    b->Save();
    EXPECT_EQ(soporte::Contenido(staged.Ruta()), soporte::Contenido(plain.Ruta()));
    b->Save(); // everything is saved: nothing more to write, nothing to complain about
    EXPECT_EQ(soporte::Contenido(staged.Ruta()), soporte::Contenido(plain.Ruta()));

    // Abandoned: the temporaries go, the files stay as they were.
    soporte::Carpeta dropped;
    CopyProjects(dropped);
    auto untouched = soporte::Contenido(dropped.Ruta());
    auto c = files::Vbe::Open(dropped / "Completo" / "Completo.vbp");
    edit(*c);
    auto& third = dynamic_cast<files::Project&>(*c->ActiveVBProject());
    third.Stage(*third.Find("Modulo"));
    third.Stage(*third.Find("Clase"));
    third.DiscardStaged();
    EXPECT_EQ(soporte::Contenido(dropped.Ruta()), untouched);
}
