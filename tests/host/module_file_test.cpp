// Module files: byte-exact round trips, designer trees and input that is not a module.
#include "base/ErrorVB.h"
#include "host/files/ModuleFile.h"
#include "tests/support/Archivos.h"
#include "tests/support/Errores.h"
#include "tests/support/Tabla.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using vbide::ComponentType;

const fs::path kData = fs::path(LINTRAP_SOURCE_DIR) / "tests/data/host/modules";

TEST(ModuleFile, KindsNamesAndOddBytes) {
    auto form =
        files::ModuleFile::Parse(soporte::Lee(kData / "Principal.frm"), "x/Principal.frm", 1252);
    EXPECT_EQ(form->Type(), ComponentType::VBMDIForm);
    EXPECT_EQ(form->Name(), "Principal");
    auto cls = files::ModuleFile::Parse(soporte::Lee(kData / "Clase.cls"), "Clase.cls", 1252);
    EXPECT_EQ(cls->Type(), ComponentType::ClassModule);
    EXPECT_EQ(cls->Designer(), nullptr);
    EXPECT_EQ(cls->Code().Lines(1, 1), "Option Explicit");

    // any byte value, a lone CR, mixed line ends, no final break, a 100,000-character line
    std::string odd =
        "Attribute VB_Name = \"Raro\"\r\nPublic Sub A()\n  s = \"\x81\xFF\x7F\rX\"\r\n";
    odd += "  t = \"" + std::string(100000, 'x') + "\"\r\nEnd Sub";
    auto f = files::ModuleFile::Parse(odd, "Raro.bas", 1253);
    EXPECT_EQ(f->Serialize(), odd);
    // the lone CR ends a line, as the environment reads it
    EXPECT_EQ(f->Code().CountOfLines(), 5);
    EXPECT_EQ(f->Code().Lines(3, 1), "X\"");
    EXPECT_EQ(f->Code().Lines(5, 1), "End Sub");

    // a file from an old tool with CR alone as every line end is named by its attribute (its
    // lines and procedures: SoloCr.bas.indice; its bytes back: the saltos.txt row Viejo.bas)
    EXPECT_EQ(files::ModuleFile::Parse(soporte::Lee(kData / "SoloCr.bas"), "x.bas", 1252)->Name(),
              "Viejo");

    // an empty module, and one without VB_Name, are named after their file
    auto empty = files::ModuleFile::Parse("", "dir/Vacio.bas", 1252);
    EXPECT_EQ(empty->Name(), "Vacio");
    EXPECT_EQ(empty->Code().CountOfLines(), 0);
    EXPECT_EQ(empty->Serialize(), "");
}

// The modules, their edits and the bytes saved: tests/data/host/saltos.txt.
TEST(ModuleFile, EditsKeepTheModulesLineEndsAndAttributeLines) {
    for (const auto& c : soporte::Tabla("host/saltos.txt")) {
        SCOPED_TRACE(c.at(0) + " " + c.at(2));
        auto f = files::ModuleFile::Parse(c[1], c[0], 1252);
        EXPECT_EQ(f->Serialize(), c[1]);
        for (std::size_t i = 2; i + 1 < c.size(); ++i) {
            const std::string texto = c[i].substr(c[i].find(' ') + 1);
            if (c[i][0] == 'a') {
                f->Code().AddFromString(texto);
            } else if (c[i][0] == 'd') {
                f->Code().DeleteLines(std::stol(c[i].substr(1)), 1);
            } else if (c[i][0] == 'i') {
                f->Code().InsertLines(std::stol(c[i].substr(1)), texto);
            } else {
                f->Code().ReplaceLine(std::stol(c[i].substr(1)), texto);
            }
        }
        EXPECT_EQ(f->Serialize(), c.back());
    }
}

// Each control's class and properties, as in tests/data/host/modules/Form1.frm.controles.
TEST(ModuleFile, DesignerTreeListsNestedControlsInFileOrder) {
    auto f = files::ModuleFile::Parse(soporte::Lee(kData / "Form1.frm"), "Form1.frm", 1252);
    ASSERT_NE(f->Designer(), nullptr);
    vbide::VBControls& cs = f->Designer()->VBControls();
    std::ostringstream got;
    for (long i = 1; i <= cs.Count(); ++i) {
        vbide::VBControl& c = cs.Item(i);
        got << c.ClassName() << ":";
        for (long p = 1; p <= c.Properties().Count(); ++p) {
            got << " " << c.Properties().Item(p).Name() << "=" << c.Properties().Item(p).Value();
        }
        got << "\n";
    }
    EXPECT_EQ(got.str(), soporte::Esperado("host/modules/Form1.frm.controles", got.str()));
    EXPECT_EQ(cs.Item(4).Properties().Item("font.size").Value(), "8.25");
    EXPECT_THROW(cs.Item(4).Properties().Item("Caption"), ErrorVB);
    EXPECT_THROW(cs.Item(8), ErrorVB);
}

// The files under tests/data/host/modules/malos: tests/data/host/rechazos.txt.
TEST(ModuleFile, RefusesWhatIsNotAModuleNamingFileAndLine) {
    for (const auto& c : soporte::Tabla("host/rechazos.txt")) {
        SCOPED_TRACE(c.at(0));
        const ErrorVB e = soporte::Lanzado(
            [&] { files::ModuleFile::Parse(soporte::Lee(kData / "malos" / c[0]), c[0], 1252); });
        EXPECT_EQ(e.Number, 321);
        EXPECT_EQ(e.Source, c[0]);
        EXPECT_EQ(e.Description.rfind(c[0] + ", ", 0), 0u) << e.Description;
        EXPECT_NE(e.Description.find(c.at(1)), std::string::npos) << e.Description;
    }
}

} // namespace
