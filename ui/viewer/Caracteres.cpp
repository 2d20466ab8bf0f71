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

// Valid UTF-8 (as AUtf8 gives it: undefined bytes become U+FFFD) decoded without checks.
void AnadeUtf8(std::u32string& r, std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const size_t largo = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        const size_t n = std::min(largo, utf8.size() - i);
        r += codepage::Decodifica(utf8.substr(i, n));
        i += n;
    }
}

} // namespace

bool EsDePalabra(char32_t c) {
    return c < 256 ? kLatin1.palabra[c] : EsDePalabraLento(c);
}

char32_t Minuscula(char32_t c) {
    return c < 256 ? kLatin1.minuscula[c] : MinusculaLenta(c);
}

std::u32string Caracteres(std::string_view bytes, int codepage) {
    std::u32string r;
    Caracteres(bytes, codepage, r);
    return r;
}

void Caracteres(std::string_view bytes, int codepage, std::u32string& destino) {
    // Plain ASCII, the usual module, is the same in every code page: no scan for UTF-8.
    unsigned char o = 0;
    for (char b : bytes)
        o |= static_cast<unsigned char>(b);
    if (o >= 0x80 && codepage::EsUtf8Multibyte(bytes)) {
        destino.clear();
        destino.reserve(bytes.size());
        AnadeUtf8(destino, bytes); // checked valid: decoded as it stands, with no copy
        return;
    }
    // One character per byte: the code page's upper half looked up once, and the module mapped
    // through the table without an intermediate UTF-8 copy.
    std::array<char32_t, 256> tabla{};
    for (unsigned b = 0x80; b < 256 && o >= 0x80; ++b) {
        const char byte = static_cast<char>(b);
        std::u32string c;
        AnadeUtf8(c, codepage::AUtf8({&byte, 1}, codepage));
        if (c.size() != 1) { // a byte of several characters
            const std::string utf8 = codepage::AUtf8(bytes, codepage);
            destino.clear();
            AnadeUtf8(destino, utf8);
            return;
        }
        tabla[b] = c[0];
    }
    for (unsigned b = 0; b < 0x80; ++b)
        tabla[b] = b;
    destino.resize(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i)
        destino[i] = tabla[static_cast<unsigned char>(bytes[i])];
}

std::string Utf8(std::u32string_view texto) {
    std::string r;
    r.reserve(texto.size());
    for (char32_t c : texto)
        r += codepage::Codifica(c);
    return r;
}

} // namespace viewer
