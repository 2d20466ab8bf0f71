// Lines built to trip the quick paths of line tagging and statement classification (keywords
// matched by their length and first letter, case folded by a bit, a line taken whole when it
// has no ':' or "'"), and the flags kept through a line number put on or taken off.
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
TEST(ModuleSyntax, TagsLinesByTheirFirstWordsAndStatements) {
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

// What Classify makes of each line: "<kind> <name>" for a header (0 for Sub and Function),
// " fin" for an end line, nothing for any other statement.
TEST(ModuleSyntax, ClassifiesHeadersAndEndLines) {
    const struct {
        const char* is;
        std::string lines;
    } groups[] = {
        {"0 X",
         "Public Function X(ByVal a As Long) As Long|Private Sub X()|Sub X|Sub\tX(x)|STATIC "
         "FUNCTION X|Private Static Sub X()|Public Private Static Sub X()|Sub X() ' nota: con dos "
         "puntos|Public Sub X(Optional s As String = \":\")"},
        {"0 X fin", "Sub X(): End Sub|Sub X(): x = 1: End Sub"},
        {"0 Nombre raro", "Sub [Nombre raro](x)"},
        {"3 Valor", "Property Get Valor() As Long"},
        {"3 valor", "property get valor"},
        {"1 Valor", "Friend Property Let Valor(ByVal v As Long)"},
        {"2 Obj", "Public Property Set Obj(o As Object)"},
        // a numbered line is no header, but a numbered end line is an end
        {" fin", "10 End Sub|End Sub ' fin|End\tProperty|x: End Sub|End Function: x = 1"},
        {"",
         "Public Private Static Friend Sub Q()|Property Foo()|Sub [Sin cierre|Sub|Sub (x)|x = 1: "
         "Sub A()|10 Sub X()|End Sub x|End|End If|Rem: End Sub|s = \"End Sub\""},
    };
    for (const auto& g : groups) {
        for (const std::string& line : soporte::Partes(g.lines)) {
            const Statement st = Classify(line);
            EXPECT_EQ((st.header ? std::to_string(int(st.kind)) + " " + st.name : "") +
                          (st.end ? " fin" : ""),
                      g.is)
                << line;
            EXPECT_EQ(st.property, st.kind != ProcKind::Proc) << line;
        }
    }
}

// The flags kept through a line number put on or taken off are the flags a full tagging gives.
TEST(ModuleSyntax, FlagsKeptThroughALineNumberAreTheFlagsOfTheEditedLine) {
    const auto texts = soporte::Partes(
        "    x = x + 1|x = 1 _|_| _||   |' nota|Rem nota|rem|Remate = 1|End Sub|  End Function|End "
        "Sub: x = 1|x = 1: End Sub|Private Sub A()|Public _|End _|20 y = 2|7x = 1|Salir:|#If A "
        "Then|\tEnd Property|Sub S(): x = 1: End Sub|Static Function F() As Long");
    const std::vector<std::string> numbers = {"10 ", "10", "65530\t", "0  "};
    const unsigned char aboves[] = {0, kContinues, kContinues | kQuiet, kQuiet, kMaybe};
    int kept = 0;
    for (const std::string& text : texts) {
        for (const std::string& number : numbers) {
            const std::string numbered = number + text;
            for (unsigned char above : aboves) {
                const unsigned char plain = TagOf(text, above);
                const unsigned char withNumber = TagOf(numbered, above);
                if (auto tag = TagAfterNumber(text, plain, numbered)) {
                    EXPECT_EQ(*tag, withNumber) << "\"" << numbered << "\" above " << int(above);
                    ++kept;
                }
                if (auto tag = TagAfterNumber(numbered, withNumber, text)) {
                    EXPECT_EQ(*tag, plain) << "\"" << text << "\" above " << int(above);
                }
            }
        }
    }
    // the plain statements, the common case, do not need tagging again
    EXPECT_GT(kept, 100);
    EXPECT_TRUE(TagAfterNumber("    x = x + 1", 0,
                               "120 "
                               "    x = x + 1"));
    EXPECT_TRUE(TagAfterNumber("120 End Sub", kMaybe, "End Sub"));
    // an edit that is not a number put on or taken off
    EXPECT_FALSE(TagAfterNumber("x = 1", 0, "y = 1"));
    EXPECT_FALSE(TagAfterNumber("x = 1", 0, "ab x = 1"));
    EXPECT_FALSE(TagAfterNumber("x = 1", 0, "x = 1"));
}

} // namespace
