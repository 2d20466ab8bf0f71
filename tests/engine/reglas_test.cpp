// The line rules every transformation relies on.

#include "base/CodePage.h"
#include "engine/Bloques.h"
#include "engine/Lineas.h"

#include <gtest/gtest.h>

#include <array>

using namespace engine;

namespace {

const Tabla& T() {
    return codepage::TablaMinusculas(1252);
}

// What is left of a line, and of the argument, which keeps the spaces after the number; only
// spaces are trimmed. The engine reads every line through the copy-free form: it says the same.
TEST(Reglas, TrimNumDropsTheLeadingNumberAndReportsWhatIsLeft) {
    using Fila = std::array<std::string, 3>; // the line, what is left, the argument after
    for (const auto& [linea, resto, argumento] :
         {Fila{"  00 x = 1  ", "x = 1", " x = 1"}, Fila{" 7", "", ""}, Fila{"", "", ""},
          Fila{"   ", "", ""}, Fila{"12ab34 c", "ab34 c", "ab34 c"},
          Fila{"x = 10", "x = 10", "x = 10"}, Fila{"\t5", "\t5", "\t5"}, Fila{"570", "", ""}}) {
        SCOPED_TRACE('"' + linea + '"');
        std::string copia = linea;
        EXPECT_EQ(TrimNum(copia), resto);
        EXPECT_EQ(copia, argumento);
        EXPECT_EQ(SinNumeroDeLinea(linea), resto);
    }
}

TEST(Reglas, QuitaComentsCutsAtTheFirstApostropheEvenInsideAString) {
    std::string s = "MsgBox \"it's\" ' note";
    EXPECT_EQ(QuitaComents(s), "MsgBox \"it");
    EXPECT_EQ(s, "MsgBox \"it");
    s = "  x = 1  ";
    EXPECT_EQ(QuitaComents(s), "  x = 1  ");
}

TEST(Reglas, BeginsWithIgnoresCaseAndNeedsTheTrailingBlank) {
    EXPECT_TRUE(EmpiezaPor("on error goto x", "On Error", T()));
    EXPECT_FALSE(EmpiezaPor("Sub", "Sub ", T()));
    EXPECT_TRUE(EmpiezaPor("DIMENSION = 3", "Dim", T()));
    EXPECT_TRUE(EmpiezaPor("\xC9XITO", "\xE9xito", T())); // code-page letters fold too
    EXPECT_TRUE(EsCabecera("sub Foo()", T()));
    EXPECT_FALSE(EsCabecera("Sub", T()));
    EXPECT_FALSE(EsCabecera("Declare Sub Beep Lib \"k\" ()", T()));
    EXPECT_FALSE(EsCabecera("Static x As Long", T()));
    EXPECT_TRUE(EsComentario("'x"));
    EXPECT_FALSE(EsComentario("Rem x"));
}

// The keyword lists fold a line by its code page, letter by letter, as a plain comparison does:
// in Turkish (1254) the dotted capital I is the capital of an ASCII i, so "PRİVATE SUB" is a
// header there, and not in Western European (1252), where that byte is another letter.
TEST(Reglas, KeywordListsFoldByTheCodePage) {
    const Tabla& turco = codepage::TablaMinusculas(1254);
    const std::string privada = "PR\xDDVATE SUB Uno()";
    ASSERT_TRUE(EmpiezaPor(privada, "Private Sub ", turco));
    EXPECT_TRUE(EsCabecera(privada, turco));
    EXPECT_TRUE(SinNumero(privada, turco));
    EXPECT_FALSE(EsCabecera(privada, T()));
    EXPECT_FALSE(SinNumero(privada, T()));
    // the whole keyword counts, trailing blank included, however long the line
    EXPECT_TRUE(SinNumero("END SUB", T()));
    EXPECT_FALSE(SinNumero("End Su", T()));
    EXPECT_FALSE(EsCabecera("Private Sub", T()));
    EXPECT_TRUE(EsCabecera("Friend Static Property Get " + std::string(200, 'x'), T()));
    EXPECT_FALSE(EsCabecera("Friend Static Propertx Get", T()));
}

// Names that are no identifiers never reach the Push line (Motor/Names); a quote that did would
// be doubled.
TEST(Reglas, QuotesInThePushLineAreDoubled) {
    EXPECT_EQ(LineaPush("Pide\"D", "A"), "glbErr.Push(\"Pide\"\"D \\ A\")");
}

} // namespace
