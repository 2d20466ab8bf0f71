// Project-file lines kept as they were, and Windows paths found on this system.

#include "host/files/ProjectFile.h"
#include "host/files/ProjectPath.h"
#include "tests/support/Carpeta.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

TEST(ProjectFileLines, NewLinesFollowTheFileAndKeepItsMissingFinalBreak) {
    struct Case {
        std::string in, out;
    };
    std::vector<Case> cases = {
        // LF only, no final break: the new last line has none either.
        {"Type=Exe\nName=\"A\"", "Type=Exe\nName=\"A\"\nModule=M; M.bas"},
        {"Type=Exe\r\nName=\"A\"\r\n", "Type=Exe\r\nName=\"A\"\r\nModule=M; M.bas\r\n"},
        // Mixed ends stay as they are; new lines take the first line's end.
        {"Type=Exe\r\nName=\"A\"\n", "Type=Exe\r\nName=\"A\"\nModule=M; M.bas\r\n"},
    };
    for (const auto& c : cases) {
        auto file = files::ProjectFile::Parse(c.in, "P.vbp");
        EXPECT_EQ(file.Serialize(), c.in);
        EXPECT_FALSE(file.Changed());
        file.Insert(file.Count(), "Module=M; M.bas");
        EXPECT_TRUE(file.Changed());
        EXPECT_EQ(file.Serialize(), c.out);
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
