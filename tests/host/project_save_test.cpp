// Saving projects: byte-for-byte round trips, writing only what changed, importing, and refusing
// to write when that would lose someone's work.

#include "host/files/AtomicWrite.h"
#include "host/files/Vbe.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kSource = fs::path(LINTRAP_SOURCE_DIR);
const fs::path kData = kSource / "tests" / "data" / "host" / "projects";

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A folder of its own under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = fs::temp_directory_path() / ("lintrap-proyecto-" + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~TempDir() {
        for (auto& entry : fs::recursive_directory_iterator(path_)) {
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
        }
        fs::remove_all(path_);
    }
    const fs::path& operator*() const { return path_; }
    fs::path operator/(const fs::path& p) const { return path_ / p; }

private:
    fs::path path_;
};

// Every file under `root`: relative path -> bytes.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[entry.path().lexically_relative(root).generic_string()] = Read(entry.path());
        }
    }
    return files;
}

// Copies the test projects and dates every file in the past, so that any write shows.
fs::path CopyProjects(const TempDir& dir) {
    fs::copy(kData, *dir, fs::copy_options::recursive);
    auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
    for (auto& entry : fs::recursive_directory_iterator(*dir)) {
        if (entry.is_regular_file()) { // only files are compared (Windows dates no folder)
            fs::last_write_time(entry.path(), old);
        }
    }
    return *dir;
}

std::map<std::string, fs::file_time_type> Times(const fs::path& root) {
    std::map<std::string, fs::file_time_type> times;
    for (auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            times[entry.path().lexically_relative(root).generic_string()] = entry.last_write_time();
        }
    }
    return times;
}

template <typename F> ErrorVB RaisedBy(F run) {
    try {
        run();
    } catch (const ErrorVB& error) {
        return error;
    }
    ADD_FAILURE() << "no error raised";
    return ErrorVB(0, "", "");
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
        TempDir out;
        auto vbe = files::Vbe::Open(file);
        vbe->SaveAs(*out);
        auto saved = Snapshot(*out);
        auto original = Snapshot(folder);
        if (file.stem() == "Completo") {
            // The shared module outside the folder comes along, and its line says so.
            EXPECT_EQ(saved["Comun.bas"], Read(kData / "Comun" / "Comun.bas"));
            EXPECT_EQ(saved["Completo.vbp"], Read(kData / "esperados" / "Completo.vbp"));
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

TEST(ProjectSave, UnchangedProjectWritesNothing) {
    TempDir dir;
    CopyProjects(dir);
    auto before = Times(*dir);
    for (auto project : {"Completo/Completo.vbp", "Grupo/Grupo.vbg", "Linux/Linux.vbp",
                         "FaltaModulo/FaltaModulo.vbp"}) {
        auto vbe = files::Vbe::Open(dir / project);
        vbe->Save();
    }
    EXPECT_EQ(Times(*dir), before);
}

TEST(ProjectSave, SavesOnlyTheEditedModuleKeepingItsLineEnds) {
    TempDir dir;
    CopyProjects(dir);
    auto before = Snapshot(*dir);
    auto times = Times(*dir);
    auto vbe = files::Vbe::Open(dir / "Linux" / "Linux.vbp");
    Code(*vbe, "Utf8").InsertLines(3, "' añadida");
    vbe->Save();

    auto after = Snapshot(*dir);
    std::string edited = after["Linux/Utf8.bas"];
    EXPECT_NE(edited.find("' añadida\n"), std::string::npos);
    EXPECT_EQ(edited.find('\r'), std::string::npos);
    after.erase("Linux/Utf8.bas");
    before.erase("Linux/Utf8.bas");
    EXPECT_EQ(after, before);
    auto nowTimes = Times(*dir);
    nowTimes.erase("Linux/Utf8.bas");
    times.erase("Linux/Utf8.bas");
    EXPECT_EQ(nowTimes, times);

    // Saved and reopened, the edit is there; a second save writes nothing more.
    auto again = files::Vbe::Open(dir / "Linux" / "Linux.vbp");
    EXPECT_EQ(Code(*again, "Utf8").Lines(3, 1), "' añadida");
    auto stamp = fs::last_write_time(dir / "Linux" / "Utf8.bas");
    vbe->Save();
    EXPECT_EQ(fs::last_write_time(dir / "Linux" / "Utf8.bas"), stamp);
}

TEST(ProjectSave, ImportedModulesLandInTheProjectFolder) {
    TempDir dir;
    CopyProjects(dir);
    auto sources = Snapshot(dir / "Importar");
    auto sourceTimes = Times(dir / "Importar");
    auto vbe = files::Vbe::Open(dir / "Completo" / "Completo.vbp");
    auto& components = vbe->ActiveVBProject()->VBComponents();
    auto& cls = components.Import((dir / "Importar" / "clsErrores.cls").string());
    EXPECT_EQ(cls.Name(), "clsErrores");
    EXPECT_EQ(cls.Type(), vbide::ComponentType::ClassModule);
    components.Import((dir / "Importar" / "InfoSistema.bas").string());
    components.Item("InfoSistema")
        .CodeModule()
        .AddFromString("\r\nPublic glbErr As New clsErrores\r\n");
    // Nothing is written before the save.
    EXPECT_FALSE(fs::exists(dir / "Completo" / "clsErrores.cls"));
    vbe->Save();

    EXPECT_EQ(Read(dir / "Completo" / "Completo.vbp"),
              Read(kData / "esperados" / "Completo-importado.vbp"));
    EXPECT_EQ(Read(dir / "Completo" / "clsErrores.cls"), sources["clsErrores.cls"]);
    EXPECT_NE(Read(dir / "Completo" / "InfoSistema.bas").find("Public glbErr As New clsErrores"),
              std::string::npos);
    EXPECT_EQ(Snapshot(dir / "Importar"), sources);
    EXPECT_EQ(Times(dir / "Importar"), sourceTimes);

    auto reopened = files::Vbe::Open(dir / "Completo" / "Completo.vbp");
    EXPECT_TRUE(reopened->LoadProblems().empty());
    EXPECT_EQ(reopened->ActiveVBProject()->VBComponents().Item("clsErrores").Type(),
              vbide::ComponentType::ClassModule);
}

TEST(ProjectSave, ImportRefusesNamesAndFilesTheProjectHas) {
    TempDir dir;
    CopyProjects(dir);
    auto vbe = files::Vbe::Open(dir / "Completo" / "Completo.vbp");
    auto& components = vbe->ActiveVBProject()->VBComponents();
    components.Import((dir / "Importar" / "clsErrores.cls").string());

    // The same name again, in any case.
    auto twice =
        RaisedBy([&] { components.Import((dir / "Importar" / "clsErrores.cls").string()); });
    EXPECT_EQ(twice.Number, 32813);
    Write(*dir / "OTRO.bas", "Attribute VB_Name = \"MODULO\"\r\n");
    EXPECT_EQ(RaisedBy([&] { components.Import((dir / "OTRO.bas").string()); }).Number, 32813);
    // A file name already in the project, or already in its folder.
    fs::create_directories(dir / "otra");
    Write(dir / "otra" / "modulo.bas", "Attribute VB_Name = \"Distinto\"\r\n");
    EXPECT_EQ(RaisedBy([&] { components.Import((dir / "otra" / "modulo.bas").string()); }).Number,
              58);
    Write(dir / "Completo" / "Suelto.bas", "Attribute VB_Name = \"Suelto\"\r\n");
    Write(dir / "otra" / "Suelto.bas", "Attribute VB_Name = \"Suelto2\"\r\n");
    auto clash = RaisedBy([&] { components.Import((dir / "otra" / "Suelto.bas").string()); });
    EXPECT_EQ(clash.Number, 58);
    EXPECT_NE(clash.Description.find("Suelto.bas"), std::string::npos);
    EXPECT_EQ(RaisedBy([&] { components.Import((dir / "NoExiste.bas").string()); }).Number, 53);
    // A file already in the project's folder joins the project where it is.
    auto& suelto = components.Import((dir / "Completo" / "Suelto.bas").string());
    EXPECT_EQ(suelto.Name(), "Suelto");

    EXPECT_EQ(components.Count(), 13);
    vbe->Save();
    EXPECT_EQ(Read(dir / "Completo" / "Suelto.bas"), "Attribute VB_Name = \"Suelto\"\r\n");
    EXPECT_NE(Read(dir / "Completo" / "Completo.vbp").find("Module=Suelto; Suelto.bas\r\n"),
              std::string::npos);
}

TEST(ProjectSave, MissingModuleKeepsItsLine) {
    TempDir dir;
    CopyProjects(dir);
    auto vbe = files::Vbe::Open(dir / "FaltaModulo" / "FaltaModulo.vbp");
    vbe->ActiveVBProject()->VBComponents().Import((dir / "Importar" / "InfoSistema.bas").string());
    vbe->Save();
    auto text = Read(dir / "FaltaModulo" / "FaltaModulo.vbp");
    EXPECT_NE(text.find("Module=Ausente; Ausente.bas\r\n"), std::string::npos);
    EXPECT_NE(text.find("Module=InfoSistema; InfoSistema.bas\r\n"), std::string::npos);
}

TEST(ProjectSave, ReadOnlyFolderOrFileRefusesAndWritesNothing) {
    TempDir dir;
    CopyProjects(dir);
    auto vbe = files::Vbe::Open(dir / "Completo" / "Completo.vbp");
    Code(*vbe, "Modulo").ReplaceLine(1, "Option Explicit ' cambiada");
    Code(*vbe, "Clase").InsertLines(1, "' nueva");
    auto before = Snapshot(dir / "Completo");

#ifndef _WIN32 // a folder's write permission is POSIX's; Windows folders take new files
    fs::permissions(dir / "Completo" / "sub", fs::perms::owner_read | fs::perms::owner_exec |
                                                  fs::perms::group_read | fs::perms::others_read);
    auto folder = RaisedBy([&] { vbe->Save(); });
    EXPECT_EQ(folder.Number, 70);
    EXPECT_NE(folder.Description.find("Clase.cls"), std::string::npos) << folder.Description;
    EXPECT_EQ(Snapshot(dir / "Completo"), before);
    fs::permissions(dir / "Completo" / "sub", fs::perms::owner_all, fs::perm_options::add);
#endif

    fs::permissions(dir / "Completo" / "Modulo.bas", fs::perms::owner_read);
    auto file = RaisedBy([&] { vbe->Save(); });
    EXPECT_EQ(file.Number, 70);
    EXPECT_NE(file.Description.find("Modulo.bas"), std::string::npos) << file.Description;
    EXPECT_EQ(Snapshot(dir / "Completo"), before);

    // Made writable again, the same save goes through and keeps the file's permissions.
    fs::permissions(dir / "Completo" / "Modulo.bas", fs::perms::owner_write | fs::perms::group_read,
                    fs::perm_options::add);
    vbe->Save();
#ifdef _WIN32 // Windows keeps one bit: writable or read-only
    EXPECT_EQ(fs::status(dir / "Completo" / "Modulo.bas").permissions() & fs::perms::owner_write,
              fs::perms::owner_write);
#else
    EXPECT_EQ(fs::status(dir / "Completo" / "Modulo.bas").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
    EXPECT_NE(Read(dir / "Completo" / "sub" / "Clase.cls").find("' nueva"), std::string::npos);
}

TEST(ProjectSave, FileChangedOnDiskIsNotOverwrittenUnlessAsked) {
    TempDir dir;
    CopyProjects(dir);
    auto vbe = files::Vbe::Open(dir / "Completo" / "Completo.vbp");
    Code(*vbe, "Modulo").InsertLines(1, "' mía");
    Code(*vbe, "Clase").InsertLines(1, "' también mía");
    Write(dir / "Completo" / "Modulo.bas", "Attribute VB_Name = \"Modulo\"\r\n' de otro\r\n");
    auto before = Snapshot(dir / "Completo");

    auto error = RaisedBy([&] { vbe->Save(); });
    EXPECT_EQ(error.Number, 58);
    EXPECT_NE(error.Description.find("Modulo.bas"), std::string::npos) << error.Description;
    EXPECT_EQ(Snapshot(dir / "Completo"), before);

    // Touched but not edited counts as unchanged.
    auto vbe2 = files::Vbe::Open(dir / "Completo" / "Completo.vbp");
    Code(*vbe2, "Modulo").InsertLines(1, "' otra");
    fs::last_write_time(dir / "Completo" / "Modulo.bas", fs::file_time_type::clock::now());
    vbe2->Save();

    vbe->Save(true);
    EXPECT_NE(Read(dir / "Completo" / "Modulo.bas").find("' mía"), std::string::npos);
    EXPECT_NE(Read(dir / "Completo" / "sub" / "Clase.cls").find("' también mía"),
              std::string::npos);
}

// Lets `failAt` temporary files be written, then fails as a full disk would.
class FailingWriter : public files::FileWriter {
public:
    explicit FailingWriter(int failAt) : failAt_(failAt) {}
    fs::path WriteTemporary(const fs::path& target, std::string_view bytes) override {
        if (written_ == failAt_) {
            throw ErrorVB(61, target.string(),
                          "No se puede escribir '" + target.string() + "': disco lleno");
        }
        ++written_;
        auto temp = disk_.WriteTemporary(target, bytes);
        temporaries_.push_back(temp);
        return temp;
    }
    void Flush(const fs::path& path, const fs::path& target) override { disk_.Flush(path, target); }
    void Commit(const fs::path& temporary, const fs::path& target) override {
        disk_.Commit(temporary, target);
    }
    void Discard(const fs::path& temporary) noexcept override { disk_.Discard(temporary); }
    std::vector<fs::path> temporaries_;

private:
    files::DiskWriter disk_;
    int failAt_;
    int written_ = 0;
};

TEST(ProjectSave, WriteFailureLeavesEveryFileAsItWas) {
    TempDir dir;
    CopyProjects(dir);
    auto vbe = files::Vbe::Open(dir / "Grupo" / "Grupo.vbg");
    vbe->VBProjects().Item(1).VBComponents().Item("Calculo").CodeModule().InsertLines(1, "' a");
    vbe->VBProjects().Item(2).VBComponents().Item("Arranque").CodeModule().InsertLines(1, "' b");
    auto before = Snapshot(dir / "Grupo");
    {
        FailingWriter failing(1);
        files::WriterOverride use(failing);
        auto error = RaisedBy([&] { vbe->Save(); });
        EXPECT_EQ(error.Number, 61);
        EXPECT_NE(error.Description.find("Arranque.bas"), std::string::npos);
        ASSERT_EQ(failing.temporaries_.size(), 1u);
        EXPECT_FALSE(fs::exists(failing.temporaries_[0]));
    }
    EXPECT_EQ(Snapshot(dir / "Grupo"), before);
    // Nothing was lost: the same save goes through once the disk has room.
    vbe->Save();
    EXPECT_NE(Read(dir / "Grupo" / "Primero" / "Calculo.cls").find("' a\r\n"), std::string::npos);
    EXPECT_NE(Read(dir / "Grupo" / "Segundo" / "Arranque.bas").find("' b\r\n"), std::string::npos);
}

TEST(ProjectSave, SaveAsMovesTheProjectAndRefusesToOverwrite) {
    TempDir dir;
    CopyProjects(dir);
    TempDir out;
    auto vbe = files::Vbe::Open(dir / "Completo" / "Completo.vbp");
    vbe->SaveAs(out / "nuevo");
    EXPECT_EQ(Read(out / "nuevo" / "Principal.frx"), Read(kData / "Completo" / "Principal.frx"));
    EXPECT_EQ(Read(out / "nuevo" / "Recursos.res"), Read(kData / "Completo" / "Recursos.res"));

    // Later saves go to the new folder; the old one stays as it was.
    auto old = Snapshot(dir / "Completo");
    Code(*vbe, "Comun").InsertLines(1, "' movido");
    vbe->Save();
    EXPECT_EQ(Snapshot(dir / "Completo"), old);
    EXPECT_EQ(Read(dir / "Comun" / "Comun.bas"), Read(kData / "Comun" / "Comun.bas"));
    EXPECT_NE(Read(out / "nuevo" / "Comun.bas").find("' movido"), std::string::npos);

    auto again = files::Vbe::Open(dir / "Completo" / "Completo.vbp");
    auto error = RaisedBy([&] { again->SaveAs(out / "nuevo"); });
    EXPECT_EQ(error.Number, 58);
    EXPECT_NE(Read(out / "nuevo" / "Comun.bas").find("' movido"), std::string::npos);
    again->SaveAs(out / "nuevo", true);
    EXPECT_EQ(Read(out / "nuevo" / "Comun.bas"), Read(kData / "Comun" / "Comun.bas"));
}

TEST(ProjectSave, GroupSavedElsewhereKeepsItsLayout) {
    TempDir out;
    auto vbe = files::Vbe::Open(kData / "Grupo" / "Grupo.vbg");
    vbe->SaveAs(*out);
    EXPECT_EQ(Snapshot(*out), Snapshot(kData / "Grupo"));
    auto reopened = files::Vbe::Open(out / "Grupo.vbg");
    EXPECT_EQ(reopened->ActiveVBProject()->Name(), "Segundo");
    EXPECT_EQ(fs::path(reopened->ActiveVBProject()->References().Item("Primero").FullPath()),
              fs::canonical(out / "Primero" / "Primero.vbp"));
}

} // namespace

// Staging writes a module's bytes beside it early and frees its code; the save that follows
// must give exactly what an ordinary save gives, and an abandoned one must leave no trace.
TEST(ProjectSave, StagedModulesLandWithTheNextSaveOrLeaveNoTrace) {
    TempDir plain, staged;
    CopyProjects(plain);
    CopyProjects(staged);
    auto edit = [](files::Vbe& vbe) {
        Code(vbe, "Modulo").InsertLines(1, "' uno");
        Code(vbe, "Clase").ReplaceLine(1, "' dos");
    };
    auto a = files::Vbe::Open(plain / "Completo" / "Completo.vbp");
    edit(*a);
    a->Save();

    auto before = Snapshot(*staged);
    auto b = files::Vbe::Open(staged / "Completo" / "Completo.vbp");
    edit(*b);
    auto& project = dynamic_cast<files::Project&>(*b->ActiveVBProject());
    for (std::size_t i = 0; i < project.ComponentCount(); ++i) {
        project.Stage(project.ComponentAt(i));
    }
    // Nothing is in place yet; a released module still has its name and bytes, not its code.
    auto pending = Snapshot(*staged);
    EXPECT_EQ(pending.size(), before.size() + 2);
    for (const auto& [name, bytes] : before) {
        EXPECT_EQ(pending[name], bytes) << name;
    }
    files::Component* modulo = project.Find("modulo");
    ASSERT_NE(modulo, nullptr);
    EXPECT_TRUE(modulo->Released());
    EXPECT_EQ(modulo->Bytes(), Read(plain / "Completo" / "Modulo.bas"));
    EXPECT_EQ(RaisedBy([&] { modulo->CodeModule(); }).Number, vberr::ObjectNotSet);

    b->Save();
    EXPECT_EQ(Snapshot(*staged), Snapshot(*plain));
    b->Save(); // everything is saved: nothing more to write, nothing to complain about
    EXPECT_EQ(Snapshot(*staged), Snapshot(*plain));

    // Abandoned: the temporaries go, the files stay as they were.
    TempDir dropped;
    CopyProjects(dropped);
    auto untouched = Snapshot(*dropped);
    auto c = files::Vbe::Open(dropped / "Completo" / "Completo.vbp");
    edit(*c);
    auto& third = dynamic_cast<files::Project&>(*c->ActiveVBProject());
    third.Stage(*third.Find("Modulo"));
    third.Stage(*third.Find("Clase"));
    third.DiscardStaged();
    EXPECT_EQ(Snapshot(*dropped), untouched);
}

// A module staged for saving is checked as a save checks it, before anything is written.
TEST(ProjectSave, StagingARefusedFileWritesNothing) {
    TempDir dir;
    CopyProjects(dir);
    auto vbe = files::Vbe::Open(dir / "Completo" / "Completo.vbp");
    Code(*vbe, "Modulo").InsertLines(1, "' uno");
    Code(*vbe, "Clase").InsertLines(1, "' dos");
    auto& project = dynamic_cast<files::Project&>(*vbe->ActiveVBProject());
    fs::permissions(dir / "Completo" / "sub" / "Clase.cls",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    auto before = Snapshot(*dir);
    project.Stage(*project.Find("Modulo"));
    EXPECT_EQ(RaisedBy([&] { project.Stage(*project.Find("Clase")); }).Number, 70);
    project.DiscardStaged();
    EXPECT_EQ(Snapshot(*dir), before);
}
