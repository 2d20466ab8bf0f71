#include "ui/viewer/Caracteres.h"

#include "base/CodePage.h"

#include "base/plataforma/Texto.h"

#include <algorithm>
#include <array>

namespace viewer {
namespace {

struct Tablas {
    std::array<bool, 256> palabra{};
    std::array<char32_t, 256> minuscula{};
};

bool EsDePalabraLento(char32_t c) {
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_';
    return plataforma::EsLetraOCifra(c);
}

char32_t MinusculaLenta(char32_t c) {
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + 32 : c;
    return plataforma::MinusculaUnicode(c);
}

// The first 256 code points hold every character of Western code: answered from a table.
Tablas HazTablas() {
    Tablas r;
    for (char32_t c = 0; c < 256; ++c) {
        r.palabra[c] = EsDePalabraLento(c);
        r.minuscula[c] = MinusculaLenta(c);
    }
    return r;
}

const Tablas kLatin1 = HazTablas();

} // namespace

bool EsDePalabra(char32_t c) {
    return c < 256 ? kLatin1.palabra[c] : EsDePalabraLento(c);
}

char32_t Minuscula(char32_t c) {
    return c < 256 ? kLatin1.minuscula[c] : MinusculaLenta(c);
}

std::u32string Caracteres(std::string_view bytes, int codepage) {
    // AUtf8 gives valid UTF-8 (undefined bytes become U+FFFD): decoded without checks.
    const std::string utf8 = codepage::AUtf8(bytes, codepage);
    std::u32string r;
    r.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const size_t largo = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        const size_t n = std::min(largo, utf8.size() - i);
        r += codepage::Decodifica(std::string_view(utf8).substr(i, n));
        i += n;
    }
    return r;
}

std::string Utf8(std::u32string_view texto) {
    std::string r;
    r.reserve(texto.size());
    for (char32_t c : texto)
        r += codepage::Codifica(c);
    return r;
}

} // namespace viewer
