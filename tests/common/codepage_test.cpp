#include "base/CodePage.h"

#include <gtest/gtest.h>

using namespace codepage;

TEST(CodePage, ConvertsWesternAndGreekBytesToUtf8AndBack) {
    EXPECT_EQ(AUtf8("M\xF3"
                    "dulos",
                    1252),
              "Módulos");
    EXPECT_EQ(AUtf8("\xC1\xE8\xE1", 1253), "Αθα");
    EXPECT_EQ(DesdeUtf8("Módulos", 1252), std::optional<std::string>("M\xF3"
                                                                     "dulos"));
    EXPECT_EQ(DesdeUtf8("Αθα", 1253), std::optional<std::string>("\xC1\xE8\xE1"));
    // An undefined byte of 1252 is shown, not dropped.
    EXPECT_EQ(AUtf8("a\x81z", 1252), "a\xEF\xBF\xBDz");
}

TEST(CodePage, RefusesWhatTheCodePageCannotHold) {
    EXPECT_FALSE(DesdeUtf8("Αθα", 1252).has_value());
    EXPECT_FALSE(DesdeUtf8("\xFF\xFE", 1252).has_value()); // not UTF-8 at all
}

TEST(CodePage, TakesMultibyteUtf8AsItIs) {
    EXPECT_TRUE(EsUtf8Multibyte("Sí"));
    EXPECT_FALSE(EsUtf8Multibyte("plain ascii"));
    EXPECT_FALSE(EsUtf8Multibyte("S\xED")); // 1252 byte, invalid as UTF-8
    EXPECT_EQ(AUtf8("Sí", 1252), "Sí");
}

TEST(CodePage, FoldsCaseOfTheCodePageLetters) {
    EXPECT_TRUE(IgualesSinCaso("CLSERRORES", "clsErrores"));
    EXPECT_TRUE(IgualesSinCaso("M\xD3"
                               "DULO",
                               "m\xF3"
                               "dulo",
                               1252));                 // Ó ó
    EXPECT_TRUE(IgualesSinCaso("\xC1", "\xE1", 1253)); // Α α
    EXPECT_EQ(Minusculas("\xC1", 1251), "\xE1");       // Б б
    EXPECT_FALSE(IgualesSinCaso("abc", "abd"));
    EXPECT_TRUE(Existe(1253));
    EXPECT_FALSE(Existe(99999));
}
