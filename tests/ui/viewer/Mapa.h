#pragma once
// Golden pictures of the viewer's colours: under each line of code, one letter per character
// for its final format, the line's CR and LF included (two more letters; the last line has
// none). '.' plain black, 'a' blue, 'm' purple, 'v' green, 'r' red; upper case when bold.

#include "ui/viewer/ColoresCodigo.h"

#include <string>

namespace prueba {

// The code written with '\n' in the test, as the viewer holds it: CR LF.
inline std::u32string Codigo(std::u32string_view conLf) {
    std::u32string r;
    for (char32_t c : conLf) {
        if (c == U'\n')
            r += U'\r';
        r += c;
    }
    return r;
}

inline char Letra(const viewer::Formato& f) {
    char c = '?';
    switch (f.color) {
    case viewer::kNegro:
        c = f.negrita ? 'N' : '.';
        break;
    case viewer::kAzul:
        c = 'a';
        break;
    case viewer::kMorado:
        c = 'm';
        break;
    case viewer::kVerde:
        c = 'v';
        break;
    case viewer::kRojo:
        c = 'r';
        break;
    }
    return f.negrita && c != 'N' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The letters of every character, lines separated by '\n' after their CR and LF letters.
inline std::string Mapa(const viewer::ColoresCodigo& colores) {
    std::string r;
    const auto& t = colores.Texto();
    for (size_t i = 0; i < t.size(); ++i) {
        r += Letra(colores.Formatos()[i]);
        if (t[i] == U'\n')
            r += '\n';
    }
    return r;
}

// The picture of `codigo` (written with '\n') after formateaCodigo.
inline std::string Colorea(std::u32string_view codigo) {
    viewer::ColoresCodigo c(Codigo(codigo));
    c.formateaCodigo();
    return Mapa(c);
}

} // namespace prueba
