// Which characters the viewer colours, as golden pictures (Mapa.h): one letter per character,
// the CR and LF of each line included.
#include "tests/ui/viewer/Mapa.h"
#include "ui/viewer/Caracteres.h"

#include <gtest/gtest.h>

namespace {

using prueba::Colorea;

TEST(Colores, KeywordsAreBlueWithTheCharacterAfterThemWholeWordsOnly) {
    // "End" takes the space after it, "If" the line's CR; written as one word, nothing.
    EXPECT_EQ(Colorea(U"If x Then\n    End If\nEndIf x"), "aaa..aaaaa.\n"
                                                          "....aaaaaaa.\n"
                                                          ".......");
    // A comma or an opening parenthesis right after a keyword turns blue with it.
    EXPECT_EQ(Colorea(U"Dim a As Long, b As Integer\n"), "aaaa..aaaaaaaa...aaaaaaaaaaa.\n");
    EXPECT_EQ(Colorea(U"x = String(3, y)"), "....aaaaaaa.....");
    // Letters (accented ones too), digits and underscores make a longer word; a dot does not;
    // case is ignored. A keyword at the very end has no character after it to colour.
    EXPECT_EQ(Colorea(U"Dim\u00E9 Dim_x Dim2 x.dim"), "..................aaa");
}

TEST(Colores, ErrorTermsArePurpleAndBoldAndOverrideTheKeywordBlue) {
    // "Err.Raise" and then its parts "Err" and "Raise" again: the same purple and bold.
    EXPECT_EQ(Colorea(U"Err.Raise 5"), "MMMMMMMMMM.");
    EXPECT_EQ(Colorea(U"x = Err.Number\n"), "....MMMMMMMMMMM.\n");
    // "GoTo" was blue; "On Error GoTo" takes it and the space after it.
    EXPECT_EQ(Colorea(U"On Error GoTo Fin"), "MMMMMMMMMMMMMM...");
    EXPECT_EQ(Colorea(U"Resume Next\nError = 1"), "MMMMMMMMMMMM.\n.........");
}

TEST(Colores, CommentsAreGreenFromAfterTheApostropheThroughTheLineBreak) {
    // The apostrophe inside the string literal (an odd count of quotes before it) starts no
    // comment; the real one does, and keeps its own colour.
    EXPECT_EQ(Colorea(U"s = \"it's\" ' nota\nx = 1"), "............vvvvvvv\n"
                                                      ".....");
    // Keywords inside a comment turn green; the bold of an error term stays.
    EXPECT_EQ(Colorea(U"' On Error Resume Next\nx"), ".vVVVVVVVVVVVVVVVVVVVVVv\n.");
    // A second apostrophe inside a comment colours the same range again.
    EXPECT_EQ(Colorea(U"x = 1 ' it's\ny"), ".......vvvvvvv\n.");
}

TEST(Colores, ACommentWithoutALineBreakAfterItEndsTheCommentPass) {
    // The last line's comment, and the one after it on that line, stay uncoloured; earlier
    // comments are green.
    EXPECT_EQ(Colorea(U"a = 1 ' uno\nb = 2 ' dos ' tres"), ".......vvvvvv\n"
                                                           "..................");
    // A text that starts with a comment and has no line break: no green at all.
    EXPECT_EQ(Colorea(U"' Dim x"), "..aaaa.");
    // With a line break, the first line is green from its second character.
    EXPECT_EQ(Colorea(U"' Dim x\nDim y"), ".vvvvvvvv\naaaa.");
}

TEST(Colores, HighlightingMakesExactlyTheTermRedAndBoldOnTopOfTheColours) {
    viewer::ColoresCodigo c(prueba::Codigo(U"Private Sub Privado()\nx = Err.Number\n"));
    c.formateaCodigo();
    EXPECT_EQ(c.Resaltar(U"RI"), 2); // case ignored, any substring
    EXPECT_EQ(c.Resaltar(U"ri"), 2); // twice: the same
    EXPECT_EQ(c.Resaltar(U"err"), 1);
    EXPECT_EQ(prueba::Mapa(c), "aRRaaaaaaaaa.RR........\n"
                               "....RRRMMMMMMMM.\n");
    // The next formatting takes the highlights away.
    c.formateaCodigo();
    EXPECT_EQ(prueba::Mapa(c), "aaaaaaaaaaaa...........\n"
                               "....MMMMMMMMMMM.\n");
}

TEST(Colores, HighlightingFindsOverlappingOccurrencesAndNothingForAnEmptyTerm) {
    viewer::ColoresCodigo c(U"aaa b");
    EXPECT_EQ(c.Resaltar(U""), 0);
    EXPECT_EQ(prueba::Mapa(c), ".....");
    EXPECT_EQ(c.Resaltar(U"aa"), 2);
    EXPECT_EQ(prueba::Mapa(c), "RRR..");
}

TEST(Colores, RunsAreTheMaximalStretchesOfOneFormatThatIsNotPlainBlack) {
    viewer::ColoresCodigo c(prueba::Codigo(U"If Err Then ' x\nEnd"));
    c.formateaCodigo();
    using viewer::Tramo;
    // "Then" and its space blue, the apostrophe black, the comment green through its CR LF.
    EXPECT_EQ(c.Tramos(), (std::vector<Tramo>{{0, 3, {viewer::kAzul, false}},
                                              {3, 4, {viewer::kMorado, true}},
                                              {7, 5, {viewer::kAzul, false}},
                                              {13, 4, {viewer::kVerde, false}},
                                              {17, 3, {viewer::kAzul, false}}}));
    long cubierto = 0;
    for (const Tramo& t : c.TodosLosTramos())
        cubierto += t.largo;
    EXPECT_EQ(cubierto, static_cast<long>(c.Texto().size()));
}

TEST(Colores, CountingAndSearching) {
    EXPECT_EQ(viewer::CuentaVeces(U"aaa", U"aa"), 2);
    EXPECT_EQ(viewer::CuentaVeces(U"x = \"a\" & \"b", U"\""), 3);
    EXPECT_EQ(viewer::CuentaVeces(U"abc", U""), 0);

    const std::u32string t = U"xDIMx Dim";
    viewer::TextoBuscable b(t);
    EXPECT_EQ(b.Find(U"dim", 0, viewer::rtfSinOpciones), 1);
    EXPECT_EQ(b.Find(U"dim", 0, viewer::rtfWholeWord), 6);
    EXPECT_EQ(b.Find(U"dim", 7, viewer::rtfWholeWord), -1);
    EXPECT_EQ(b.Find(U"", 0, viewer::rtfSinOpciones), -1);
    EXPECT_EQ(b.Find(U"x", 100, viewer::rtfSinOpciones), -1);
}

TEST(Colores, TheTextIsCountedInTheCharactersTheViewerShows) {
    // One character per byte of the code page: 0xE9 is a letter in 1252, 0xB7 is not.
    EXPECT_EQ(viewer::Caracteres("Dim\xE9 Dim\xB7", 1252), U"Dim\u00E9 Dim\u00B7");
    viewer::ColoresCodigo c(viewer::Caracteres("Dim\xE9 Dim\xB7", 1252));
    c.formateaCodigo();
    EXPECT_EQ(prueba::Mapa(c), ".....aaaa");
    // Greek: 0xE9 is iota, a letter too.
    EXPECT_EQ(viewer::Caracteres("\xE9", 1253), U"\u03B9");
    // A module written in UTF-8: one character per code point.
    EXPECT_EQ(viewer::Caracteres("Dim \xC3\xB1 ' \xE2\x82\xAC \xF0\x9F\x98\x80", 1252),
              U"Dim \u00F1 ' \u20AC \U0001F600");
    EXPECT_EQ(viewer::Utf8(U"\u00F1\u20AC\U0001F600"), "\xC3\xB1\xE2\x82\xAC\xF0\x9F\x98\x80");
}

} // namespace
