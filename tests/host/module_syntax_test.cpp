// Line tagging and statement classification, and the flags kept through a line number put on or
// taken off.
#include "host/files/ModuleSyntax.h"
#include "tests/support/Tabla.h"
#include "tests/support/Texto.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace files::syntax;
using vbide::ProcKind;

// The lines of tests/data/host/sintaxis.txt: the flags TagOf gives each, and what Classify makes
// of it.
TEST(ModuleSyntax, TagsAndClassifiesTheTablesLines) {
    for (const soporte::Caso& fila : soporte::Casos("host/sintaxis.txt")) {
        std::istringstream cabecera(fila.cabecera);
        std::string que;
        int above = 0, tag = 0;
        cabecera >> que >> above >> tag;
        for (const std::string& line : fila.lineas) {
            if (que == "tag") {
                EXPECT_EQ(int(TagOf(line, static_cast<unsigned char>(above))), tag)
                    << "\"" << line << "\" above " << above;
                continue;
            }
            const Statement st = Classify(line);
            EXPECT_EQ((st.header ? std::to_string(int(st.kind)) + " " + st.name : "") +
                          (st.end ? " fin" : ""),
                      fila.cabecera.substr(4))
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
    EXPECT_TRUE(TagAfterNumber("    x = x + 1", 0, "120     x = x + 1"));
    EXPECT_TRUE(TagAfterNumber("120 End Sub", kMaybe, "End Sub"));
    // an edit that is not a number put on or taken off
    EXPECT_FALSE(TagAfterNumber("x = 1", 0, "y = 1"));
    EXPECT_FALSE(TagAfterNumber("x = 1", 0, "ab x = 1"));
    EXPECT_FALSE(TagAfterNumber("x = 1", 0, "x = 1"));
}

} // namespace
