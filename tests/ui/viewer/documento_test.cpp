// The text and runs as the document holds them: one separator per line break, UTF-16 units.
#include "ui/viewer/Documento.h"

#include <gtest/gtest.h>

namespace {

using viewer::Formato;
using viewer::Tramo;

const Formato kAzul{viewer::kAzul, false};
const Formato kVerde{viewer::kVerde, false};
const Formato kNormal{};

TEST(Documento, EachLineBreakIsOneSeparator) {
    EXPECT_EQ(viewer::TextoDocumento(U"a\r\nb\rc\nd\r\n"), u"a\nb\nc\nd\n");
    EXPECT_EQ(viewer::TextoDocumento(U"\U0001F600x"), u"\U0001F600x");
}

TEST(Documento, OffsetsCountTheCrLfOnceAndWideCharactersTwice) {
    const std::u32string t = U"ab\r\nc\U0001F600d";
    EXPECT_EQ(viewer::PosicionDocumento(t, 0), 0);
    EXPECT_EQ(viewer::PosicionDocumento(t, 1), 1);
    EXPECT_EQ(viewer::PosicionDocumento(t, 2), 2); // before the CR
    EXPECT_EQ(viewer::PosicionDocumento(t, 3), 3); // between CR and LF: after the separator
    EXPECT_EQ(viewer::PosicionDocumento(t, 4), 3); // 'c'
    EXPECT_EQ(viewer::PosicionDocumento(t, 6), 6); // 'd', after the two-unit character
    EXPECT_EQ(viewer::PosicionDocumento(t, 99), 7);
}

TEST(Documento, ARunEndingOnTheCrColoursTheSeparatorAndTheNextLineStartsClean) {
    // "If" and its CR blue, the LF black: the separator is blue, "x" black.
    const std::u32string t = U"If\r\nx";
    EXPECT_EQ(viewer::TramosDocumento(t, {{0, 3, kAzul}, {3, 2, kNormal}}),
              (std::vector<Tramo>{{0, 3, kAzul}, {3, 1, kNormal}}));
    // A comment's range through its CR LF: the separator green, the next line untouched.
    const std::u32string c = U"'c\r\nx";
    EXPECT_EQ(viewer::TramosDocumento(c, {{0, 1, kNormal}, {1, 3, kVerde}, {4, 1, kNormal}}),
              (std::vector<Tramo>{{0, 1, kNormal}, {1, 2, kVerde}, {3, 1, kNormal}}));
    // A run that is only the LF of a pair vanishes.
    EXPECT_EQ(viewer::TramosDocumento(U"If\r\n", {{0, 3, kAzul}, {3, 1, kNormal}}),
              (std::vector<Tramo>{{0, 3, kAzul}}));
}

} // namespace
