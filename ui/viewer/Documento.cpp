#include "ui/viewer/Documento.h"

namespace viewer {
namespace {

// How many document units the character at `i` takes: 0 for the LF of a CR LF (the CR stands
// for both), 2 outside the Basic Multilingual Plane, else 1.
long Unidades(std::u32string_view t, size_t i) {
    if (t[i] == U'\n' && i > 0 && t[i - 1] == U'\r')
        return 0;
    return t[i] > 0xFFFF ? 2 : 1;
}

} // namespace

size_t LargoDocumento(std::u32string_view texto) {
    size_t n = 0;
    for (size_t i = 0; i < texto.size(); ++i)
        n += static_cast<size_t>(Unidades(texto, i));
    return n;
}

void EscribeDocumento(std::u32string_view texto, char16_t* d) {
    for (size_t i = 0; i < texto.size(); ++i) {
        const char32_t c = texto[i];
        if (c == U'\r' || c == U'\n') {
            if (Unidades(texto, i) != 0)
                *d++ = u'\n';
        } else if (c > 0xFFFF) {
            *d++ = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            *d++ = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            *d++ = static_cast<char16_t>(c);
        }
    }
}

std::u16string TextoDocumento(std::u32string_view texto) {
    std::u16string r(LargoDocumento(texto), u'\0');
    EscribeDocumento(texto, r.data());
    return r;
}

long PosicionDocumento(std::u32string_view texto, long offset) {
    long pos = 0;
    for (size_t i = 0; i < texto.size() && static_cast<long>(i) < offset; ++i)
        pos += Unidades(texto, i);
    return pos;
}

std::vector<Tramo> TramosDocumento(std::u32string_view texto, const std::vector<Tramo>& tramos) {
    std::vector<Tramo> r;
    r.reserve(tramos.size());
    size_t i = 0; // text offset reached
    long pos = 0; // its document position
    for (const Tramo& t : tramos) {
        for (; static_cast<long>(i) < t.inicio; ++i)
            pos += Unidades(texto, i);
        const long inicio = pos;
        for (; static_cast<long>(i) < t.inicio + t.largo; ++i)
            pos += Unidades(texto, i);
        if (pos > inicio)
            r.push_back({inicio, pos - inicio, t.formato});
    }
    return r;
}

} // namespace viewer
