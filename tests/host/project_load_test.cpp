// Opening projects and groups: what the model shows of them, and what it says about bad input.

#include "host/files/Project.h"
#include "host/files/Vbe.h"
#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Errores.h"
#include "tests/support/Tabla.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using vbide::ComponentType;

namespace {

const fs::path kData = fs::path(LINTRAP_SOURCE_DIR) / "tests" / "data" / "host" / "projects";

// A load problem without the folder of the file it is in, named in either system's form; only
// the place before ": " is cut, as a Windows path quoted in the message is the project's own.
std::string SinCarpeta(const std::string& problema) {
    return problema.substr(problema.find_last_of("/\\", problema.find(": ")) + 1);
}

// What the model shows of a project or group: each project (the active one marked), its
// components in project order with their kinds (vbext_ComponentType numbers) and whether they
// have code, its references, and the number and place of each load problem.
std::string Listing(files::Vbe& vbe) {
    std::ostringstream out;
    for (const ErrorVB& e : vbe.LoadProblems()) {
        out << "problem " << e.Number << " " << SinCarpeta(e.Description) << "\n";
    }
    for (long p = 1; p <= vbe.VBProjects().Count(); ++p) {
        vbide::VBProject& project = vbe.VBProjects().Item(p);
        out << project.Name() << (&project == vbe.ActiveVBProject() ? " (active)" : "") << "\n";
        auto& components = project.VBComponents();
        for (long i = 1; i <= components.Count(); ++i) {
            vbide::VBComponent& c = components.Item(i);
            const bool code =
                c.Type() != ComponentType::ResFile && c.Type() != ComponentType::RelatedDocument;
            out << "  " << c.Name() << " " << int(c.Type())
                << (code ? " " + std::to_string(c.CodeModule().CountOfLines()) : " -")
                << (c.Designer() ? " controls " + std::to_string(c.Designer()->VBControls().Count())
                                 : "")
                << "\n";
        }
        for (long r = 1; r <= project.References().Count(); ++r) {
            auto& ref = project.References().Item(r);
            std::string path = ref.FullPath();
            // The data folder as the system names it in full (Z:\work\... under wine).
            for (const fs::path& data : {kData, fs::canonical(kData)}) {
                if (path.find(data.string()) == 0) {
                    path = fs::path(path.substr(data.string().size())).generic_string();
                    break;
                }
            }
            out << "  ref " << ref.Name() << " " << ref.Guid() << " " << ref.Major() << "."
                << ref.Minor() << " " << path << "\n";
        }
    }
    return out.str();
}

// Module paths are Windows paths, found ignoring case and with either separator; reference
// versions are hexadecimal ("1.a" is 1.10); a reference to another project is resolved to that
// project's file; a group makes its startup project active; a missing module or project, and a
// group listing itself, are reported with the line that lists them and the rest loads. The
// listings are under tests/data/host/projects/esperados.
TEST(ProjectLoad, ListsWhatEveryProjectAndGroupHolds) {
    for (const char* file :
         {"Completo/Completo.vbp", "Grupo/Grupo.vbg", "FaltaModulo/FaltaModulo.vbp",
          "malos/Perdido.vbg", "malos/Propio.vbg"}) {
        SCOPED_TRACE(file);
        const std::string listing = Listing(*files::Vbe::Open(kData / file));
        EXPECT_EQ(listing, soporte::Esperado("host/projects/esperados/" +
                                                 fs::path(file).filename().string() + ".listado",
                                             listing));
    }
}

// Case folds over the code page's letters too: "SEÑALES" finds "Señales". What is not there, and
// the code of what holds none, are the environment's errors 9 and 91.
TEST(ProjectLoad, ComponentLookupAndWhatEachKindOffers) {
    auto vbe = files::Vbe::Open(kData / "Completo" / "Completo.vbp");
    auto& components = vbe->ActiveVBProject()->VBComponents();
    EXPECT_EQ(components.Item("SE\321ALES").Name(), "Se\361ales");
    EXPECT_EQ(components.Item("mODULO").Name(), "Modulo");
    const std::pair<long, std::function<void()>> errores[] = {
        {9, [&] { components.Item(0L); }},
        {9, [&] { components.Item(components.Count() + 1); }},
        {9, [&] { components.Item("NoExiste"); }},
        {91, [&] { components.Item("Recursos.res").CodeModule(); }},
        {91, [&] { components.Item("Notas.txt").CodeModule(); }},
        {9, [&] { vbe->Active()->References().Item("Excel"); }},
        {9, [&] { vbe->VBProjects().Item(2); }},
    };
    for (const auto& [numero, f] : errores) {
        EXPECT_EQ(soporte::Lanzado(f).Number, numero);
    }
}

// The cases: tests/data/host/malos.txt.
TEST(ProjectLoad, BadProjectFilesNameFileAndLine) {
    for (const auto& c : soporte::Tabla("host/malos.txt")) {
        auto error = soporte::Lanzado([&] { files::Vbe::Open(kData / "malos" / c.at(0)); });
        EXPECT_EQ(error.Number, std::stol(c.at(1))) << c[0];
        EXPECT_NE(error.Description.find(c.at(2)), std::string::npos) << error.Description;
    }
}

} // namespace

// Code read when first used must be the code read with the project: same components, same
// lines, controls and bytes; what a load refuses (and leaves out) is refused when the code is
// first used, with the same message.
void CompareWhenUsedWithAtOnce(const fs::path& vbp) {
    SCOPED_TRACE(vbp.string());
    std::unique_ptr<files::Project> now;
    try {
        now = files::Project::Load(vbp);
    } catch (const ErrorVB& e) {
        auto again = soporte::Lanzado(
            [&] { files::Project::Load(vbp, 1252, files::CodeLoading::WhenUsed); });
        EXPECT_EQ(again.Description, e.Description);
        return;
    }
    auto later = files::Project::Load(vbp, 1252, files::CodeLoading::WhenUsed);
    std::vector<std::string> problems, refused;
    for (const ErrorVB& e : now->LoadProblems()) {
        problems.push_back(e.Description);
    }
    for (const ErrorVB& e : later->LoadProblems()) {
        refused.push_back(e.Description);
    }
    std::size_t matched = 0;
    for (std::size_t i = 0; i < later->ComponentCount(); ++i) {
        files::Component& b = later->ComponentAt(i);
        files::Component* a = now->Find(b.Name());
        if (a == nullptr) {
            refused.push_back(soporte::Lanzado([&] { b.CodeModule(); }).Description);
            continue;
        }
        ++matched;
        EXPECT_EQ(b.Type(), a->Type());
        ASSERT_EQ(b.HasCode(), a->HasCode());
        EXPECT_EQ(b.Bytes(), a->Bytes()) << b.Name(); // read back before any use
        if (!a->HasCode()) {
            continue;
        }
        auto& ca = a->CodeModule();
        auto& cb = b.CodeModule();
        ASSERT_EQ(cb.CountOfLines(), ca.CountOfLines()) << b.Name();
        if (ca.CountOfLines() > 0) {
            EXPECT_EQ(cb.Lines(1, cb.CountOfLines()), ca.Lines(1, ca.CountOfLines()));
        }
        ASSERT_EQ(b.Designer() != nullptr, a->Designer() != nullptr);
        if (a->Designer()) {
            EXPECT_EQ(b.Designer()->VBControls().Count(), a->Designer()->VBControls().Count());
        }
    }
    EXPECT_EQ(matched, now->ComponentCount());
    EXPECT_EQ(refused, problems);
}

TEST(ProjectLoad, CodeReadWhenUsedMatchesCodeReadAtOnce) {
    for (const auto& entry : fs::recursive_directory_iterator(kData)) {
        if (entry.path().extension() == ".vbp") {
            CompareWhenUsedWithAtOnce(entry.path());
        }
    }
}

// A module file replaced between the load and the first use of its code is not taken for the
// one the project listed.
TEST(ProjectLoad, CodeChangedOnDiskBeforeFirstUseIsRefused) {
    soporte::Carpeta carpeta;
    const fs::path dir = carpeta.Ruta();
    fs::copy(kData / "Linux", dir, fs::copy_options::recursive);
    auto project = files::Project::Load(dir / "Linux.vbp", 1252, files::CodeLoading::WhenUsed);
    files::Component* module = project->Find("Utf8");
    ASSERT_NE(module, nullptr);
    std::ofstream(module->File(), std::ios::app) << "' otra línea\n";
    auto error = soporte::Lanzado([&] { module->CodeModule(); });
    EXPECT_EQ(error.Number, 58);
    EXPECT_NE(error.Description.find("Utf8.bas"), std::string::npos) << error.Description;
}

// A project of many modules read in parallel, some missing, not files or named twice: the model
// and its load problems follow the project file's order whatever order the files are read in
// (the first module, much larger, is read last; the listing: tests/data/host/projects/esperados).
// Read when used, a large module is named from its first lines, a form whose designer runs past
// them is read whole to be named, and what is wrong further down a module is found when its code
// is first used, with the message a load gives.
TEST(ProjectLoad, ManyModulesKeepTheProjectFileOrderAndLargeOnesAreReadWhenUsed) {
    soporte::Carpeta carpeta;
    std::string vbp = "Type=Exe\r\n"; // module k is listed on line k + 2
    std::string code;                 // 800 procedures, some 30 KB
    for (int p = 0; p < 800; ++p) {
        code += "Public Sub P" + std::to_string(p) + "()\r\n    x = " + std::to_string(p) +
                "\r\nEnd Sub\r\n";
    }
    for (int k = 0; k < 40; ++k) {
        const std::string name = "Mod" + std::to_string(k);
        const std::string file = k == 0 ? "Grande.bas" : name + ".bas";
        std::string text = "Attribute VB_Name = \"" + (k == 30 ? "Mod0" : name) + "\"\r\n";
        for (int i = 0; i < (k == 0 ? 20000 : 3); ++i) {
            text += "Public Sub P" + std::to_string(i) + "()\r\n    Debug.Print 1\r\nEnd Sub\r\n";
        }
        if (k == 23) {
            fs::create_directory(carpeta / file);   // not a file at all
        } else if (k != 5 && k != 17) {             // 5 and 17 are listed, never written
            soporte::Escribe(carpeta / file, text); // 30 takes the first one's name: left out
        }
        vbp += "Module=" + name + "; " + file + "\r\n";
    }
    std::string controls;
    for (int c = 0; c < 600; ++c) {
        controls += "   Begin VB.Label Etiqueta" + std::to_string(c) +
                    "\r\n      Caption = \"x\"\r\n   End\r\n";
    }
    soporte::Escribe(carpeta / "Ventana.frm",
                     "VERSION 5.00\r\nBegin VB.Form Ventana\r\n" + controls +
                         "End\r\nAttribute VB_Name = \"Ventana\"\r\n" + code);
    std::string broken = "Attribute VB_Name = \"Roto\"\r\n" + code;
    broken[broken.size() / 2] = '\0';
    soporte::Escribe(carpeta / "Roto.bas", broken);
    soporte::Escribe(carpeta / "Muchos.vbp",
                     vbp + "Form=Ventana.frm\r\nModule=Roto; Roto.bas\r\nName=\"Muchos\"\r\n");
    const std::string listing = Listing(*files::Vbe::Open(carpeta / "Muchos.vbp"));
    EXPECT_EQ(listing, soporte::Esperado("host/projects/esperados/Muchos.vbp.listado", listing));

    auto later = files::Project::Load(carpeta / "Muchos.vbp", 1252, files::CodeLoading::WhenUsed);
    // Roto's fault lies past its head: found on first use, with the load's message (below).
    EXPECT_EQ(later->LoadProblems().size(), 4u);
    CompareWhenUsedWithAtOnce(carpeta / "Muchos.vbp");
}
