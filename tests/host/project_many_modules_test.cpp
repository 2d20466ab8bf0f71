// Opening a project of many modules, some of them missing, unreadable or named twice: the model
// and its load problems follow the project file's order whatever order the files are read in.

#include "host/files/Project.h"

#include "base/plataforma/Proceso.h"

#include <gtest/gtest.h>

#include <chrono>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class ManyModules : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("lintrap-many-" + std::to_string(plataforma::IdProceso()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    void Module(const std::string& file, const std::string& name, int lines) {
        std::ofstream out(folder_ / file, std::ios::binary);
        out << "Attribute VB_Name = \"" << name << "\"\r\nOption Explicit\r\n";
        for (int i = 0; i < lines; ++i) {
            out << "Public Sub P" << i << "()\r\n    Debug.Print " << i << "\r\nEnd Sub\r\n";
        }
    }

    fs::path folder_;
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
    std::ofstream(folder_ / "Muchos.vbp", std::ios::binary) << vbp;

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
    std::ofstream(folder_ / "Seis.vbp", std::ios::binary) << vbp;
    fs::create_directory(folder_ / "fuera");
    std::ofstream(folder_ / "fuera" / "Nuevo.bas", std::ios::binary)
        << "Attribute VB_Name = \"Nuevo\"\r\n";

    auto project = files::Project::Load(folder_ / "Seis.vbp");
    project->Import(folder_ / "fuera" / "Nuevo.bas");
    project->Save();

    std::ifstream in(folder_ / "Seis.vbp", std::ios::binary);
    std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(saved.find("Module=M5; M5.bas\r\nModule=Nuevo; Nuevo.bas\r\nName="),
              std::string::npos)
        << saved;
    EXPECT_TRUE(fs::exists(folder_ / "Nuevo.bas"));
}

TEST_F(ManyModules, AfterASaveTheModelKnowsWhatItWrote) {
    std::string vbp = "Type=Exe\r\n";
    for (int k = 0; k < 5; ++k) {
        std::string name = std::string("S").append(std::to_string(k));
        Module(name + ".bas", name, 3);
        vbp += "Module=" + name + "; " + name + ".bas\r\n";
    }
    std::ofstream(folder_ / "Cinco.vbp", std::ios::binary) << vbp;
    auto read = [&](const std::string& file) {
        std::ifstream in(folder_ / file, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };

    auto project = files::Project::Load(folder_ / "Cinco.vbp");
    for (std::size_t i = 0; i < project->ComponentCount(); ++i) {
        project->ComponentAt(i).CodeModule().InsertLines(1, "' primera");
    }
    project->Save();
    EXPECT_FALSE(project->Modified());

    // Touched by another program without a change: still the file the model wrote.
    const std::string s1 = read("S1.bas");
    std::ofstream(folder_ / "S1.bas", std::ios::binary) << s1;
    fs::last_write_time(folder_ / "S1.bas",
                        fs::file_time_type::clock::now() + std::chrono::hours(1));
    // Changed by another program, to the same size: its work must not be overwritten.
    std::string s3 = read("S3.bas");
    s3[s3.find("primera")] = 'P';
    std::ofstream(folder_ / "S3.bas", std::ios::binary) << s3;
    fs::last_write_time(folder_ / "S3.bas",
                        fs::file_time_type::clock::now() + std::chrono::hours(1));

    project->ComponentAt(1).CodeModule().InsertLines(1, "' segunda");
    project->Save();
    EXPECT_NE(read("S1.bas").find("' segunda\r\n' primera\r\n"), std::string::npos);

    project->ComponentAt(3).CodeModule().InsertLines(1, "' segunda");
    try {
        project->Save();
        ADD_FAILURE() << "another program's change was overwritten";
    } catch (const ErrorVB& error) {
        EXPECT_EQ(error.Number, vberr::FileAlreadyExists);
        EXPECT_NE(error.Description.find("S3.bas"), std::string::npos) << error.Description;
    }
    EXPECT_EQ(read("S3.bas"), s3);
}

} // namespace
