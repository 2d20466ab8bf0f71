// Members looked up by name in large modules, and references kept across edits.
#include "base/ErrorVB.h"
#include "host/files/ModuleFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using vbide::MemberType;
using vbide::ProcKind;

std::unique_ptr<files::ModuleFile> Parse(const std::string& text, const std::string& file) {
    return files::ModuleFile::Parse(text, file, 1252);
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
    auto f = Parse(s, "Muchos.bas");
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
    auto f = Parse("Attribute VB_Name = \"Ref\"\r\nOption Explicit\r\n"
                   "Sub Uno()\r\nEnd Sub\r\nSub Dos()\r\nEnd Sub\r\n",
                   "Ref.bas");
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
