// Opening a project of many modules, some of them missing, unreadable or named twice: the model
// and its load problems follow the project file's order whatever order the files are read in.

#include "host/files/Project.h"
#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class ManyModules : public ::testing::Test {
protected:
    void Module(const std::string& file, const std::string& name, int lines) {
        std::string text = "Attribute VB_Name = \"" + name + "\"\r\nOption Explicit\r\n";
        for (int i = 0; i < lines; ++i) {
            text += "Public Sub P" + std::to_string(i) + "()\r\n    Debug.Print 1\r\nEnd Sub\r\n";
        }
        soporte::Escribe(folder_ / file, text);
    }

    soporte::Carpeta carpeta_{"lintrap-many"};
    fs::path folder_ = carpeta_.Ruta();
};

TEST_F(ManyModules, ComponentsAndProblemsKeepTheProjectFileOrder) {
    // Line 1 is "Type=Exe"; module k is listed on line k + 2.
    std::string vbp = "Type=Exe\r\n";
    std::vector<std::string> expected;
    for (int k = 0; k < 40; ++k) {
        std::string name = std::string("Mod").append(std::to_string(k));
        std::string file = name + ".bas";
        if (k == 5 || k == 17) {
            // Listed, never written: missing.
        } else if (k == 23) {
            fs::create_directory(folder_ / file); // not a file at all
        } else if (k == 30) {
            Module(file, "Mod0", 1); // the name of the first, large module: this one is left out
        } else {
            // The first module is much larger, so it is read last though listed first.
            Module(file, name, k == 0 ? 20000 : 3);
            expected.push_back(name);
        }
        vbp += "Module=" + name + "; " + file + "\r\n";
    }
    vbp += "Name=\"Muchos\"\r\n";
    soporte::Escribe(folder_ / "Muchos.vbp", vbp);

    auto project = files::Project::Load(folder_ / "Muchos.vbp");

    std::vector<std::string> names;
    for (std::size_t i = 0; i < project->ComponentCount(); ++i) {
        names.push_back(project->ComponentAt(i).Name());
    }
    EXPECT_EQ(names, expected);
    EXPECT_EQ(project->ComponentAt(0).CodeModule().CountOfLines(), 1 + 20000 * 3);

    const auto& problems = project->LoadProblems();
    ASSERT_EQ(problems.size(), 4u);
    const std::vector<std::string> where = {"línea 7:", "línea 19:", "Mod23.bas", "línea 32:"};
    for (std::size_t i = 0; i < where.size(); ++i) {
        EXPECT_NE(problems[i].Description.find(where[i]), std::string::npos)
            << i << ": " << problems[i].Description;
    }
    EXPECT_EQ(problems[0].Number, 53);
    EXPECT_EQ(problems[1].Number, 53);
    EXPECT_EQ(problems[3].Number, vberr::NameConflict);
    EXPECT_NE(problems[3].Description.find("Mod0"), std::string::npos);
}

TEST_F(ManyModules, AnImportedModuleIsListedAfterTheLastLoadedOne) {
    std::string vbp = "Type=Exe\r\n";
    for (int k = 0; k < 6; ++k) {
        std::string name = std::string("M").append(std::to_string(k));
        Module(name + ".bas", name, 2);
        vbp += "Module=" + name + "; " + name + ".bas\r\n";
    }
    vbp += "Name=\"Seis\"\r\n";
    soporte::Escribe(folder_ / "Seis.vbp", vbp);
    fs::create_directory(folder_ / "fuera");
    soporte::Escribe(folder_ / "fuera" / "Nuevo.bas", "Attribute VB_Name = \"Nuevo\"\r\n");

    auto project = files::Project::Load(folder_ / "Seis.vbp");
    project->Import(folder_ / "fuera" / "Nuevo.bas");
    project->Save();

    const std::string saved = soporte::Lee(folder_ / "Seis.vbp");
    EXPECT_NE(saved.find("Module=M5; M5.bas\r\nModule=Nuevo; Nuevo.bas\r\nName="),
              std::string::npos)
        << saved;
    EXPECT_TRUE(fs::exists(folder_ / "Nuevo.bas"));
}

} // namespace
