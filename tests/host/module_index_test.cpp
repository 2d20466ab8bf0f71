// Procedure ranges and members over modules built to trip a parser (the index kept through the
// engine's edits: its goldens; attributes kept under their header: host/saltos.txt), members
// looked up by name in large modules, and references to them kept across edits.
#include "base/CodePage.h"
#include "base/ErrorVB.h"
#include "host/files/ModuleFile.h"
#include "tests/support/Archivos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using vbide::CodeModule;
using vbide::MemberType;
using vbide::ProcKind;

const fs::path kData = fs::path(LINTRAP_SOURCE_DIR) / "tests/data/host/modules";

std::unique_ptr<files::ModuleFile> Load(const std::string& file) {
    return files::ModuleFile::Parse(soporte::Lee(kData / file), (kData / file).string(), 1252);
}

// Everything the index answers, as text: owner runs, members, procedure ranges.
std::string Describe(CodeModule& cm) {
    std::ostringstream out;
    long n = cm.CountOfLines();
    out << "lineas " << n << " declaraciones " << cm.CountOfDeclarationLines() << "\n";
    long runStart = 1;
    for (long i = 1; i <= n; ++i) {
        ProcKind k;
        std::string owner = cm.ProcOfLine(i, &k);
        std::string next = i < n ? cm.ProcOfLine(i + 1) : "\x01";
        if (next != owner) {
            out << "lineas " << runStart << "-" << i << ": " << (owner.empty() ? "-" : owner) << " "
                << static_cast<int>(k) << "\n";
            runStart = i + 1;
        }
    }
    vbide::Members& members = cm.Members();
    for (long m = 1; m <= members.Count(); ++m) {
        vbide::Member& mb = members.Item(m);
        out << "miembro " << mb.Name() << " tipo " << static_cast<int>(mb.Type()) << " linea "
            << mb.CodeLocation() << "\n";
        for (int kind = 0; kind <= 3; ++kind) {
            try {
                // looked up in lower case: names fold as the code page folds them
                const std::string name = codepage::Minusculas(mb.Name(), 1252);
                ProcKind pk = static_cast<ProcKind>(kind);
                long start = cm.ProcStartLine(name, pk);
                out << "  proc " << kind << " inicio " << start << " cabecera "
                    << cm.ProcBodyLine(name, pk) << " lineas " << cm.ProcCountLines(name, pk)
                    << "\n";
            } catch (const ErrorVB& e) {
                EXPECT_EQ(e.Number, 35);
            }
        }
    }
    return out.str();
}

// Each module's index as in tests/data/host/modules/NAME.indice.
TEST(ModuleIndex, MatchesGoldenListings) {
    for (const char* name :
         {"Trampas.bas", "Clase.cls", "Form1.frm", "SoloLf.bas", "SoloCr.bas", "Utf8.bas"}) {
        SCOPED_TRACE(name);
        const std::string got = Describe(Load(name)->Code());
        EXPECT_EQ(got, soporte::Esperado("host/modules/" + std::string(name) + ".indice", got));
    }
}

TEST(ModuleMembers, ManyNamesAreFoundInAnyCaseInLineOrder) {
    // "Ñ" and "ñ" are one letter in Windows-1252: the lookup folds them as the code page does.
    std::string s = "Attribute VB_Name = \"Muchos\"\r\nPrivate m\321ame As Long\r\n"
                    "Public Const TOPE As Long = 3, OTRO = 4\r\n";
    for (int p = 0; p < 300; ++p) {
        std::string n = "Proc" + std::to_string(p);
        if (p % 50 == 7) {
            s += "Property Get " + n + "() As Long\r\nEnd Property\r\n";
            s += "Property Let " + n + "(v As Long)\r\nEnd Property\r\n";
        } else {
            s += "Sub " + n + "()\r\nEnd Sub\r\n";
        }
    }
    auto f = files::ModuleFile::Parse(s, "Muchos.bas", 1252);
    vbide::Members& m = f->Code().Members();
    ASSERT_EQ(m.Count(), 303);
    EXPECT_EQ(m.Item(1).Name(), "m\321ame");
    EXPECT_EQ(m.Item(3).Name(), "OTRO");
    EXPECT_EQ(m.Item(303).Name(), "Proc299");
    EXPECT_EQ(m.Item("M\361AME").Type(), MemberType::Variable);
    EXPECT_EQ(m.Item("tope").Type(), MemberType::Const);
    for (int p = 0; p < 300; ++p) {
        std::string n = "PROC" + std::to_string(p);
        vbide::Member& mb = m.Item(n);
        EXPECT_EQ(&mb, &m.Item(4 + p)) << n;
        EXPECT_EQ(mb.Type(), p % 50 == 7 ? MemberType::Property : MemberType::Method) << n;
    }
    // the Let of a property is no member of its own: the next procedure follows its Get
    EXPECT_EQ(m.Item("Proc7").CodeLocation(), f->Code().ProcBodyLine("Proc7", ProcKind::Get));
    EXPECT_THROW(m.Item("Proc300"), ErrorVB);
    EXPECT_THROW(m.Item(""), ErrorVB);
}

TEST(ModuleMembers, ReferencesFollowEditsAndGoWithTheirMember) {
    auto f = files::ModuleFile::Parse("Attribute VB_Name = \"Ref\"\r\nOption Explicit\r\n"
                                      "Sub Uno()\r\nEnd Sub\r\nSub Dos()\r\nEnd Sub\r\n",
                                      "Ref.bas", 1252);
    vbide::CodeModule& cm = f->Code();
    vbide::Member& dos = cm.Members().Item("Dos");
    vbide::Member& uno = cm.Members().Item("Uno");
    cm.InsertLines(2, "Sub Cero()\r\nEnd Sub");
    EXPECT_EQ(dos.CodeLocation(), 6);
    EXPECT_EQ(&cm.Members().Item("dos"), &dos);
    // Uno becomes a property: the method object is gone, a new member takes the name
    cm.ReplaceLine(4, "Property Get Uno() As Long");
    cm.ReplaceLine(5, "End Property");
    EXPECT_THROW(uno.CodeLocation(), ErrorVB);
    vbide::Member& propiedad = cm.Members().Item("UNO");
    EXPECT_NE(&propiedad, &uno);
    EXPECT_EQ(propiedad.Type(), MemberType::Property);
    EXPECT_EQ(propiedad.CodeLocation(), 4);
    EXPECT_EQ(cm.Members().Count(), 3);
}

} // namespace
