// Lines built to trip the quick paths of line tagging and statement classification (keywords
// matched by their length and first letter, case folded by a bit, a line taken whole when it
// has no ':' or "'").
#include "host/files/ModuleSyntax.h"
#include "tests/support/Texto.h"

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
        for (const std::string& line : soporte::Partes(g.lines)) {
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

} // namespace
