#include "ui/viewer/Caracteres.h"

#include "base/CodePage.h"

#include <array>
#include <locale.h>
#include <wctype.h>

namespace viewer {
namespace {

// Unicode's letters and case pairs, as the C library knows them in its UTF-8 locale (nothing
// process-wide is changed). Without that locale, ASCII only.
locale_t LocaleUtf8() {
    static const locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    return l;
}

struct Tablas {
    std::array<bool, 256> palabra{};
    std::array<char32_t, 256> minuscula{};
};

bool EsDePalabraLento(char32_t c) {
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_';
    locale_t l = LocaleUtf8();
    return l != nullptr && iswalnum_l(static_cast<wint_t>(c), l) != 0;
}

char32_t MinusculaLenta(char32_t c) {
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + 32 : c;
    locale_t l = LocaleUtf8();
    return l != nullptr ? static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), l)) : c;
}

// The first 256 code points hold every character of Western code: answered from a table.
const Tablas& TablasLatin1() {
    static const Tablas t = [] {
        Tablas r;
        for (char32_t c = 0; c < 256; ++c) {
            r.palabra[c] = EsDePalabraLento(c);
            r.minuscula[c] = MinusculaLenta(c);
        }
        return r;
    }();
    return t;
}

} // namespace

bool EsDePalabra(char32_t c) {
    return c < 256 ? TablasLatin1().palabra[c] : EsDePalabraLento(c);
}

char32_t Minuscula(char32_t c) {
    return c < 256 ? TablasLatin1().minuscula[c] : MinusculaLenta(c);
}

std::u32string Caracteres(std::string_view bytes, int codepage) {
    // AUtf8 gives valid UTF-8 (undefined bytes become U+FFFD): decoded without checks.
    const std::string utf8 = codepage::AUtf8(bytes, codepage);
    std::u32string r;
    r.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? b : b & (0x7F >> n);
        for (size_t k = 1; k < n && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        r += c;
        i += n;
    }
    return r;
}

std::string Utf8(std::u32string_view texto) {
    std::string r;
    r.reserve(texto.size());
    for (char32_t c : texto) {
        if (c < 0x80) {
            r += static_cast<char>(c);
        } else if (c < 0x800) {
            r += static_cast<char>(0xC0 | (c >> 6));
            r += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            r += static_cast<char>(0xE0 | (c >> 12));
            r += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            r += static_cast<char>(0xF0 | (c >> 18));
            r += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            r += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return r;
}

} // namespace viewer
