// Project-file lines kept as they were, and Windows paths found on this system.

#include "host/files/ProjectFile.h"
#include "host/files/ProjectPath.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Tabla.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// The cases: tests/data/host/vbp_final.txt.
TEST(ProjectFileLines, NewLinesFollowTheFileAndKeepItsMissingFinalBreak) {
    for (const auto& c : soporte::Tabla("host/vbp_final.txt")) {
        auto file = files::ProjectFile::Parse(c.at(0), "P.vbp");
        EXPECT_EQ(file.Serialize(), c[0]);
        EXPECT_FALSE(file.Changed());
        file.Insert(file.Count(), "Module=M; M.bas");
        EXPECT_TRUE(file.Changed());
        EXPECT_EQ(file.Serialize(), c.at(1));
    }
}

TEST(ProjectFileLines, KeysOfTheMainSectionOnly) {
    auto file = files::ProjectFile::Parse(
        "\xEF\xBB\xBFType=Exe\r\nTitle = \"Mi \"\"t\xEDtulo\"\"\" \r\nOdd\r\n\r\n[MS Transaction "
        "Server]\r\nName=\"Otro\"\r\n",
        "P.vbp");
    EXPECT_EQ(file.Key(0), "Type");
    EXPECT_EQ(file.Find("type"), "Exe");
    EXPECT_EQ(file.Find("Title"), "Mi \"\"t\xEDtulo\"\"");
    EXPECT_EQ(file.Key(2), "");
    EXPECT_FALSE(file.InMainSection(4));
    EXPECT_EQ(file.Find("Name"), "");
}

TEST(ProjectPaths, WindowsPathsResolveIgnoringCase) {
    soporte::Carpeta carpeta;
    const auto root = carpeta.Ruta();
    fs::create_directories(root / "Proyecto");
    fs::create_directories(root / "Comun" / "SubCarpeta");
    std::ofstream(root / "Comun" / "SubCarpeta" / "Util.bas") << "x";
    // A name in code page 1252 bytes finds the file whose name on disk is UTF-8.
    std::ofstream(root / "Proyecto" / "Señales.bas") << "x";
    auto folder = root / "Proyecto";
    auto util = fs::canonical(root / "Comun" / "SubCarpeta" / "Util.bas");

    EXPECT_EQ(files::ResolveProjectPath(folder, "..\\Comun\\SubCarpeta\\Util.bas", 1252), util);
    EXPECT_EQ(files::ResolveProjectPath(folder, "..\\COMUN\\subcarpeta\\UTIL.BAS", 1252), util);
    EXPECT_EQ(files::ResolveProjectPath(folder, "../comun/SubCarpeta/util.bas", 1252), util);
    EXPECT_EQ(files::ResolveProjectPath(folder, ".\\Se\361ales.bas", 1252),
              fs::canonical(folder / "Señales.bas"));
    // A folder is found, for reading it to say that it is one.
    EXPECT_EQ(files::ResolveProjectPath(folder, "..\\Comun\\SubCarpeta", 1252),
              root / "Comun" / "SubCarpeta");
#ifdef _WIN32
    // A drive and the root of the folder's drive lead where they say.
    const std::string absoluta = util.string();
    EXPECT_EQ(files::ResolveProjectPath(folder, absoluta, 1252), util);
    EXPECT_EQ(files::ResolveProjectPath(folder, absoluta.substr(2), 1252), util);
    EXPECT_TRUE(files::Unreachable("\\\\servidor\\recurso\\Util.bas").empty());
#else
    // A drive, another machine, a drive's root: never looked for under the folder, where
    // "\Comun\..." would find root/Comun.
    for (const char* lejos : {"C:\\Comun\\Util.bas", "\\\\Comun\\SubCarpeta\\Util.bas",
                              "\\Comun\\SubCarpeta\\Util.bas", "//Comun/SubCarpeta/Util.bas"}) {
        EXPECT_FALSE(files::ResolveProjectPath(root, lejos, 1252)) << lejos;
        EXPECT_FALSE(files::Unreachable(lejos).empty()) << lejos;
    }
#endif
    EXPECT_FALSE(files::ResolveProjectPath(folder, "NoEsta.bas", 1252));
    EXPECT_EQ(files::ProjectPathName("..\\Comun/Util.bas"), "Util.bas");
}

} // namespace
