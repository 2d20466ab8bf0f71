// Lines built to trip the quick paths of line tagging and statement classification (keywords
// matched by their length and first letter, case folded by a bit, a line taken whole when it
// has no ':' or "'"), and the procedure names looked up after edits that rename, add and remove
// procedures in a module with many of them.
#include "base/ErrorVB.h"
#include "host/files/ModuleFile.h"
#include "host/files/ModuleSyntax.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace files::syntax;
using vbide::ProcKind;

// Lines grouped by the flags they get below a line with `above`: headers and end lines in any
// case and spacing, up to three modifiers, line numbers, statements after ':' outside strings
// and before a comment; words that share a keyword's letters, length or first letter; comments,
// blank lines and continuations.
TEST(ModuleSyntaxCases, TagsLinesByTheirFirstWordsAndStatements) {
    // Each group's lines are parted by '|'; "\xC9nd" begins with a capital outside ASCII, no
    // ASCII letter.
    const struct {
        unsigned char above, tag;
        std::string lines;
    } groups[] = {
        {0, kMaybe,
         "Sub Main()|sub main|SUB X|  eNd SuB  |End\tFunction|End Property|Function F() As "
         "Long|Property Get P()|Friend Property Get P()|Global Function G()|Static Sub "
         "S()|\tPublic\tFunction\tF()|End|Public|Public Private Static Sub X()|10 End Sub|10 Sub "
         "X()|x = 1: End Sub|Salir: End Function|End: x = 1|10 End Sub: x = 1|x = 1: End"},
        {0, kMaybe | kContinues, "End _|Private _"},
        {0, 0,
         "Public Private Static Friend Sub X()|End If|End Select|End Type|Ends = 1|Endx|Exit "
         "Sub|Select Case x|Set x = y|Subs = 1|Su b|Sub(1) = 2|Functions = 1|Propertyx = 1|Static "
         "x As Long|Public x As Long|Publicx|Erl = 1|\xC9nd Sub|10End Sub|10|x = \"a: End Sub\"|x "
         "= 1 ' : End Sub|y = 1: Rem x: End Sub|Rem: End Sub|If a Then End|Remate = 1|x = 1_"},
        {0, kQuiet, "' Sub X()|Rem Sub X()|REM|Rem\tnota||   \t "},
        {0, kContinues, "x = 1 _|_"},
        {0, kContinues | kQuiet, "' c _"},
        {kContinues, kContinued, "End Sub"},
        {kContinues | kQuiet, kContinued | kQuiet, "x"},
        {kContinues, kContinues | kContinued, "more _"},
        {kMaybe, 0, "x"},
    };
    for (const auto& g : groups) {
        for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + 1) {
            end = g.lines.find('|', at);
            const std::string line = g.lines.substr(at, end - at);
            EXPECT_EQ(int(TagOf(line, g.above)), int(g.tag))
                << "\"" << line << "\" above " << int(g.above);
        }
    }
}

struct ClassifyCase {
    std::string line;
    bool header;
    ProcKind kind;
    std::string name;
    bool end;
};

TEST(ModuleSyntaxCases, ClassifiesHeadersAndEndLines) {
    const ProcKind P = ProcKind::Proc;
    const std::vector<ClassifyCase> cases = {
        {"Public Function Foo(ByVal a As Long) As Long", true, P, "Foo", false},
        {"Private Sub Bar()", true, P, "Bar", false},
        {"Sub Main", true, P, "Main", false},
        {"Sub\tTab(x)", true, P, "Tab", false},
        {"STATIC FUNCTION F", true, P, "F", false},
        {"Private Static Sub Z()", true, P, "Z", false},
        {"Public Private Static Sub Q()", true, P, "Q", false},
        {"Public Private Static Friend Sub Q()", false, P, "", false},
        {"Property Get Valor() As Long", true, ProcKind::Get, "Valor", false},
        {"Friend Property Let Valor(ByVal v As Long)", true, ProcKind::Let, "Valor", false},
        {"Public Property Set Obj(o As Object)", true, ProcKind::Set, "Obj", false},
        {"property get valor", true, ProcKind::Get, "valor", false},
        {"Property Foo()", false, P, "", false},
        {"Sub [Nombre raro](x)", true, P, "Nombre raro", false},
        {"Sub [Sin cierre", false, P, "", false},
        {"Sub", false, P, "", false},
        {"Sub (x)", false, P, "", false},
        {"Sub X(): End Sub", true, P, "X", true},
        {"Sub A(): x = 1: End Sub", true, P, "A", true},
        {"Sub X() ' nota: con dos puntos", true, P, "X", false},
        {"Public Sub A(Optional s As String = \":\")", true, P, "A", false},
        {"x = 1: Sub A()", false, P, "", false},
        // a numbered line is no header, but a numbered end line is an end
        {"10 Sub X()", false, P, "", false},
        {"10 End Sub", false, P, "", true},
        {"End Sub ' fin", false, P, "", true},
        {"End\tProperty", false, P, "", true},
        {"x: End Sub", false, P, "", true},
        {"End Function: x = 1", false, P, "", true},
        {"End Sub x", false, P, "", false},
        {"End", false, P, "", false},
        {"End If", false, P, "", false},
        {"Rem: End Sub", false, P, "", false},
        {"s = \"End Sub\"", false, P, "", false},
    };
    for (const ClassifyCase& c : cases) {
        SCOPED_TRACE(c.line);
        Statement st = Classify(c.line);
        EXPECT_EQ(st.header, c.header);
        EXPECT_EQ(st.property, c.kind != P);
        EXPECT_EQ(st.kind, c.kind);
        EXPECT_EQ(st.name, c.name);
        EXPECT_EQ(st.end, c.end);
    }
}

TEST(ModuleSyntaxCases, SplitsStatementsAtColonsOutsideStringsUpToAComment) {
    using List = std::vector<std::string_view>;
    EXPECT_EQ(Statements("  a  "), (List{"a"}));
    EXPECT_EQ(Statements("a: b ' c: d"), (List{"a", "b"}));
    EXPECT_EQ(Statements("a: Rem b: c"), (List{"a"}));
    EXPECT_EQ(Statements("\"x:y\": z"), (List{"\"x:y\"", "z"}));
    EXPECT_EQ(Statements("a::b"), (List{"a", "", "b"}));
    EXPECT_EQ(Statements("a:"), (List{"a"}));
    EXPECT_EQ(Statements("x = \"it's\""), (List{"x = \"it's\""}));
    EXPECT_EQ(Statements("x = \"it's\" ' yes"), (List{"x = \"it's\""}));
    EXPECT_EQ(Statements("  "), List{});
    EXPECT_EQ(Statements("Rem x"), List{});
    EXPECT_EQ(Statements("' x: y"), List{});

    std::string_view rest = "  Sub \t Foo  ";
    EXPECT_EQ(NextWord(rest), "Sub");
    EXPECT_EQ(rest, "Foo");
    EXPECT_EQ(NextWord(rest), "Foo");
    EXPECT_EQ(rest, "");
    EXPECT_EQ(NextWord(rest), "");
}

// A module of many procedures (plus a property pair, a name given twice and a name with a
// letter of the code page) and the header line each name is expected at.
class ProcedureNames : public testing::Test {
protected:
    static constexpr int kProcs = 300;

    void SetUp() override {
        std::string text = "Attribute VB_Name = \"Nombres\"\r\nOption Explicit\r\n";
        for (int p = 0; p < kProcs; ++p) {
            text += "Public Sub Proc" + std::to_string(p) + "()\r\n    x = 1\r\nEnd Sub\r\n";
            expected_.push_back({"Proc" + std::to_string(p), ProcKind::Proc, 2 + 3L * p});
        }
        text += "Property Get Valor() As Long\r\nEnd Property\r\n"
                "Property Let Valor(v As Long)\r\nEnd Property\r\n"
                "Sub Doble()\r\nEnd Sub\r\nSub DOBLE()\r\nEnd Sub\r\n"
                "Function A\xD1o() As Long\r\nEnd Function\r\n";
        const long after = 2 + 3L * kProcs; // (the Attribute line is no code line)
        expected_.push_back({"Valor", ProcKind::Get, after});
        expected_.push_back({"Valor", ProcKind::Let, after + 2});
        expected_.push_back({"Doble", ProcKind::Proc, after + 4});
        expected_.push_back({"A\xD1o", ProcKind::Proc, after + 8});
        file_ = files::ModuleFile::Parse(text, "Nombres.bas", 1252);
    }

    vbide::CodeModule& Code() { return file_->Code(); }

    // Every expected name, in upper and lower case, at its line; `gone` no longer found.
    void CheckAll(const std::string& gone = "") {
        for (const Expected& e : expected_) {
            SCOPED_TRACE(e.name);
            EXPECT_EQ(Code().ProcBodyLine(e.name, e.kind), e.line);
            EXPECT_EQ(Code().ProcBodyLine(Upper(e.name), e.kind), e.line);
        }
        if (!gone.empty()) {
            try {
                Code().ProcBodyLine(gone, ProcKind::Proc);
                ADD_FAILURE() << gone << " still found";
            } catch (const ErrorVB& e) {
                EXPECT_EQ(e.Number, 35);
            }
        }
    }

    // Lines from `from` on moved by `by`.
    void Move(long from, long by) {
        for (Expected& e : expected_) {
            if (e.line >= from) {
                e.line += by;
            }
        }
    }

    static std::string Upper(std::string s) {
        for (char& c : s) {
            if (c >= 'a' && c <= 'z') {
                c = static_cast<char>(c - 'a' + 'A');
            } else if (c == '\xF1') {
                c = '\xD1';
            }
        }
        return s;
    }

    struct Expected {
        std::string name;
        ProcKind kind;
        long line;
    };
    std::vector<Expected> expected_;
    std::unique_ptr<files::ModuleFile> file_;
};

TEST_F(ProcedureNames, AreFoundInAnyCaseTheFirstOfTwoFirst) {
    CheckAll();
    EXPECT_EQ(Code().ProcBodyLine("a\xF1o", ProcKind::Proc), expected_.back().line);
    EXPECT_THROW(Code().ProcBodyLine("Valor", ProcKind::Set), ErrorVB);
    EXPECT_THROW(Code().ProcBodyLine("Valor", ProcKind::Proc), ErrorVB);
    EXPECT_THROW(Code().ProcBodyLine("Proc300", ProcKind::Proc), ErrorVB);
}

TEST_F(ProcedureNames, FollowHeadersRenamedInPlace) {
    // a new name
    Code().ReplaceLine(expected_[10].line, "Public Sub Renombrado()");
    expected_[10].name = "Renombrado";
    CheckAll("Proc10");
    // a name another procedure has: the first one in the module is found...
    Code().ReplaceLine(expected_[20].line, "Public Sub Proc5()");
    EXPECT_EQ(Code().ProcBodyLine("Proc5", ProcKind::Proc), expected_[5].line);
    // ...until that one is renamed in its turn
    Code().ReplaceLine(expected_[5].line, "Public Sub Otro()");
    EXPECT_EQ(Code().ProcBodyLine("Proc5", ProcKind::Proc), expected_[20].line);
    expected_[20].name = "Proc5";
    expected_[5].name = "Otro";
    CheckAll("Proc20");
    // a Sub made a Property Let of the same name: found by its new kind only
    Code().ReplaceLine(expected_[30].line, "Property Let Proc30(v As Long)");
    expected_[30].kind = ProcKind::Let;
    CheckAll("Proc30");
}

TEST_F(ProcedureNames, FollowProceduresAddedAndRemoved) {
    // two procedures above all the others: every entry after them is renumbered
    Code().InsertLines(2, "Sub Primero()\r\nEnd Sub\r\nSub Segundo()\r\nEnd Sub");
    Move(2, 4);
    expected_.push_back({"Primero", ProcKind::Proc, 2});
    expected_.push_back({"Segundo", ProcKind::Proc, 4});
    CheckAll();
    // one removed from the middle
    const long at = Code().ProcStartLine("Proc100", ProcKind::Proc);
    EXPECT_EQ(at, expected_[100].line);
    Code().DeleteLines(at, 3);
    expected_.erase(expected_.begin() + 100);
    Move(at, -3);
    CheckAll("Proc100");
    // a procedure's end line removed: it runs on and takes in the next one's header as a body
    // line, so the next one is gone
    Code().DeleteLines(expected_[0].line + 2, 1);
    Move(expected_[0].line + 2, -1);
    const std::string swallowed = expected_[1].name;
    expected_.erase(expected_.begin() + 1);
    CheckAll(swallowed);
}

} // namespace
