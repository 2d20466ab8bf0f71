#include "base/CodePage.h"

#include <gtest/gtest.h>

using namespace codepage;

// Bytes of a code page to UTF-8 and back; UTF-8 with letters outside ASCII is taken as it is,
// what the code page cannot hold is refused, and case folds over the code page's own letters.
TEST(CodePage, ConvertsRefusesAndFoldsCaseByTheCodePage) {
    const struct {
        std::string bytes, utf8;
        int pagina;
    } casos[] = {{"M\363dulos", "Módulos", 1252}, {"\xC1\xE8\xE1", "Αθα", 1253}};
    for (const auto& c : casos) {
        EXPECT_EQ(AUtf8(c.bytes, c.pagina), c.utf8);
        EXPECT_EQ(DesdeUtf8(c.utf8, c.pagina), std::optional<std::string>(c.bytes));
    }
    EXPECT_EQ(AUtf8("a\x81z", 1252), "a\xEF\xBF\xBDz"); // an undefined byte is shown, not dropped
    EXPECT_EQ(AUtf8("Sí", 1252), "Sí");
    EXPECT_FALSE(DesdeUtf8("Αθα", 1252).has_value());
    EXPECT_FALSE(DesdeUtf8("\xFF\xFE", 1252).has_value()); // not UTF-8 at all
    EXPECT_TRUE(EsUtf8Multibyte("Sí"));
    EXPECT_FALSE(EsUtf8Multibyte("plain ascii"));
    EXPECT_FALSE(EsUtf8Multibyte("S\xED")); // 1252 byte, invalid as UTF-8
    EXPECT_TRUE(IgualesSinCaso("CLSERRORES", "clsErrores"));
    EXPECT_TRUE(IgualesSinCaso("M\323DULO", "m\363dulo",
                               1252));                 // Ó ó
    EXPECT_TRUE(IgualesSinCaso("\xC1", "\xE1", 1253)); // Α α
    EXPECT_EQ(Minusculas("\xC1", 1251), "\xE1");       // Б б
    EXPECT_FALSE(IgualesSinCaso("abc", "abd"));
    EXPECT_TRUE(Existe(1253));
    EXPECT_FALSE(Existe(99999));
}
