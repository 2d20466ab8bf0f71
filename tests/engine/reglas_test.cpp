// The line rules every transformation relies on.

#include "base/CodePage.h"
#include "engine/Bloques.h"
#include "engine/Lineas.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

const Tabla& T() {
    return codepage::TablaMinusculas(1252);
}

TEST(Reglas, TrimNumDropsTheLeadingNumberAndReportsWhatIsLeft) {
    std::string s = "  00 x = 1  ";
    EXPECT_EQ(TrimNum(s), "x = 1");
    EXPECT_EQ(s, " x = 1"); // the argument keeps the spaces after the number
    s = " 7";
    EXPECT_EQ(TrimNum(s), "");
    s = "12ab34 c";
    EXPECT_EQ(TrimNum(s), "ab34 c");
    s = "x = 10";
    EXPECT_EQ(TrimNum(s), "x = 10");
    s = "\t5";
    EXPECT_EQ(TrimNum(s), "\t5"); // only spaces are trimmed
    // the engine reads every line through the copy-free form: it must say the same
    for (const char* t : {"  00 x = 1  ", " 7", "", "   ", "12ab34 c", "x = 10", "\t5", "570"}) {
        std::string copia = t;
        EXPECT_EQ(SinNumeroDeLinea(t), TrimNum(copia)) << '"' << t << '"';
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
