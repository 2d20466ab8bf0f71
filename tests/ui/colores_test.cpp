// Which characters the viewer colours, as golden pictures: under each line of code, one letter
// per character for its final format, the line's CR and LF included ('.' plain black, 'a' blue,
// 'm' purple, 'v' green, 'r' red; upper case when bold); and the text and runs carried over to
// a document with one separator per line break.
#include "tests/support/Tabla.h"
#include "ui/viewer/Caracteres.h"
#include "ui/viewer/ColoresCodigo.h"
#include "ui/viewer/Documento.h"

#include <gtest/gtest.h>

namespace {

using viewer::Formato, viewer::Tramo;

// The code written with '\n' in the test, as the viewer holds it: CR LF.
std::u32string Codigo(std::u32string_view conLf) {
    std::u32string r;
    for (char32_t c : conLf)
        r += c == U'\n' ? std::u32string(U"\r\n") : std::u32string(1, c);
    return r;
}

// The letters of every character, lines parted by '\n' after their CR and LF letters.
std::string Mapa(const viewer::ColoresCodigo& colores) {
    std::string r;
    for (size_t i = 0; i < colores.Texto().size(); ++i) {
        const Formato f = colores.Formatos()[i];
        const char c = f.color == viewer::kAzul     ? 'a'
                       : f.color == viewer::kMorado ? 'm'
                       : f.color == viewer::kVerde  ? 'v'
                       : f.color == viewer::kRojo   ? 'r'
                       : f.color == viewer::kNegro  ? (f.negrita ? 'N' : '.')
                                                    : '?';
        r += f.negrita && c >= 'a' ? char(c - 'a' + 'A') : c;
        if (colores.Texto()[i] == U'\n')
            r += '\n';
    }
    return r;
}

TEST(Colores, CadaCaracterTomaElColorDeSuClase) {
    for (const auto& caso : soporte::Tabla("ui/colores.txt")) {
        viewer::ColoresCodigo c(Codigo(viewer::Caracteres(caso.at(0), 1252)));
        c.formateaCodigo();
        EXPECT_EQ(Mapa(c), caso.at(1)) << caso.at(0);
    }
}

TEST(Colores, ResaltarPoneElTerminoEnRojoYNegritaHastaElSiguienteFormateo) {
    viewer::ColoresCodigo c(Codigo(U"Private Sub Privado()\nx = Err.Number\n"));
    c.formateaCodigo();
    EXPECT_EQ(c.Resaltar(U"RI"), 2); // case ignored, any substring
    EXPECT_EQ(c.Resaltar(U"ri"), 2); // twice: the same
    EXPECT_EQ(c.Resaltar(U"err"), 1);
    EXPECT_EQ(Mapa(c), "aRRaaaaaaaaa.RR........\n....RRRMMMMMMMM.\n");
    c.formateaCodigo();
    EXPECT_EQ(Mapa(c), "aaaaaaaaaaaa...........\n....MMMMMMMMMMM.\n");

    // Overlapping occurrences count; an empty term finds nothing.
    viewer::ColoresCodigo o(U"aaa b");
    EXPECT_EQ(o.Resaltar(U""), 0);
    EXPECT_EQ(Mapa(o), ".....");
    EXPECT_EQ(o.Resaltar(U"aa"), 2);
    EXPECT_EQ(Mapa(o), "RRR..");
}

TEST(Colores, LosTramosSonLasRachasMaximasDeUnFormatoQueNoEsNegro) {
    viewer::ColoresCodigo c(Codigo(U"If Err Then ' x\nEnd"));
    c.formateaCodigo();
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

TEST(Colores, LosCaracteresQueMuestraElVisor) {
    // One character per byte of the code page (how each is coloured: tests/data/ui/colores.txt).
    EXPECT_EQ(viewer::Caracteres("Dim\xE9 Dim\xB7", 1252), U"Dim\u00E9 Dim\u00B7");
    // Greek: 0xE9 is iota, a letter too.
    EXPECT_EQ(viewer::Caracteres("\xE9", 1253), U"\u03B9");
    // A module written in UTF-8: one character per code point.
    EXPECT_EQ(viewer::Caracteres("Dim \xC3\xB1 ' \xE2\x82\xAC \xF0\x9F\x98\x80", 1252),
              U"Dim \u00F1 ' \u20AC \U0001F600");
    EXPECT_EQ(viewer::Utf8(U"\u00F1\u20AC\U0001F600"), "\xC3\xB1\xE2\x82\xAC\xF0\x9F\x98\x80");
}

TEST(Documento, UnSeparadorPorSaltoDeLineaYPosicionesEnUnidadesUtf16) {
    EXPECT_EQ(viewer::TextoDocumento(U"a\r\nb\rc\nd\r\n"), u"a\nb\nc\nd\n");
    EXPECT_EQ(viewer::TextoDocumento(U"\U0001F600x"), u"\U0001F600x");
    // The CR LF counts once, a character beyond the BMP twice; between CR and LF is after the
    // separator.
    const std::u32string t = U"ab\r\nc\U0001F600d";
    for (const auto& [i, pos] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 3}, {6, 6}, {99, 7}})
        EXPECT_EQ(viewer::PosicionDocumento(t, i), pos) << i;

    // A run ending on the CR colours the separator and the next line starts clean.
    const Formato azul{viewer::kAzul, false}, verde{viewer::kVerde, false}, normal{};
    EXPECT_EQ(viewer::TramosDocumento(U"If\r\nx", {{0, 3, azul}, {3, 2, normal}}),
              (std::vector<Tramo>{{0, 3, azul}, {3, 1, normal}}));
    EXPECT_EQ(viewer::TramosDocumento(U"'c\r\nx", {{0, 1, normal}, {1, 3, verde}, {4, 1, normal}}),
              (std::vector<Tramo>{{0, 1, normal}, {1, 2, verde}, {3, 1, normal}}));
    // A run that is only the LF of a pair vanishes.
    EXPECT_EQ(viewer::TramosDocumento(U"If\r\n", {{0, 3, azul}, {3, 1, normal}}),
              (std::vector<Tramo>{{0, 3, azul}}));
}

} // namespace
