#include "base/plataforma/Texto.h"

#include "base/plataforma/win32/Win32.h"

namespace plataforma {

namespace {

// A character as UTF-16: one unit, or a surrogate pair.
std::wstring Unidades(char32_t c) {
    if (c < 0x10000) {
        return std::wstring(1, wchar_t(c));
    }
    c -= 0x10000;
    return {wchar_t(0xD800 + (c >> 10)), wchar_t(0xDC00 + (c & 0x3FF))};
}

// Windows maps the bytes a code page leaves undefined (0x81 in 1252) to C1 controls or to the
// private use area instead of refusing them: such a character is no character of the page.
bool SinDefinir(wchar_t c) {
    return (c >= 0x80 && c <= 0x9F) || (c >= 0xE000 && c <= 0xF8FF);
}

bool AlgunoSinDefinir(std::wstring_view w) {
    for (wchar_t c : w) {
        if (SinDefinir(c)) {
            return true;
        }
    }
    return false;
}

std::optional<std::wstring> AUtf16(std::string_view texto, int cp) {
    if (texto.empty()) {
        return std::wstring();
    }
    const int n = ::MultiByteToWideChar(UINT(cp), MB_ERR_INVALID_CHARS, texto.data(),
                                        int(texto.size()), nullptr, 0);
    if (n <= 0) {
        return std::nullopt;
    }
    std::wstring w(std::size_t(n), L'\0');
    ::MultiByteToWideChar(UINT(cp), MB_ERR_INVALID_CHARS, texto.data(), int(texto.size()), w.data(),
                          n);
    if (cp != kUtf8 && AlgunoSinDefinir(w)) {
        return std::nullopt;
    }
    return w;
}

std::optional<std::string> DesdeUtf16(std::wstring_view w, int cp) {
    if (w.empty()) {
        return std::string();
    }
    if (cp != kUtf8 && AlgunoSinDefinir(w)) {
        return std::nullopt;
    }
    // No best fit ("é" as "e"): a character the page cannot hold fails the conversion.
    const bool utf8 = cp == kUtf8;
    const DWORD banderas = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL sustituido = FALSE;
    BOOL* avisa = utf8 ? nullptr : &sustituido;
    const int n = ::WideCharToMultiByte(UINT(cp), banderas, w.data(), int(w.size()), nullptr, 0,
                                        nullptr, avisa);
    if (n <= 0 || sustituido) {
        return std::nullopt;
    }
    std::string s(std::size_t(n), '\0');
    ::WideCharToMultiByte(UINT(cp), banderas, w.data(), int(w.size()), s.data(), n, nullptr, avisa);
    return s;
}

} // namespace

bool ConocePagina(int cp) {
    return cp != kUtf8 && cp != CP_UTF7 && ::IsValidCodePage(UINT(cp)) != 0;
}

std::optional<std::string> ConviertePagina(std::string_view texto, int desde, int hacia) {
    const auto w = AUtf16(texto, desde);
    return w ? DesdeUtf16(*w, hacia) : std::nullopt;
}

char32_t MinusculaUnicode(char32_t c) {
    if (c < 0x80) {
        return c >= 'A' && c <= 'Z' ? c + 32 : c;
    }
    // Unicode's own case pairs (linguistic casing): the file system's table, the default,
    // leaves letters such as the dotted capital I of Turkish as they are.
    const std::wstring w = Unidades(c);
    wchar_t minuscula[2] = {};
    const int n = ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING,
                                  w.c_str(), int(w.size()), minuscula, 2, nullptr, nullptr, 0);
    if (n == 1 && (minuscula[0] < 0xD800 || minuscula[0] > 0xDFFF)) {
        return minuscula[0];
    }
    if (n == 2) {
        return 0x10000 + ((char32_t(minuscula[0]) - 0xD800) << 10) + (minuscula[1] - 0xDC00);
    }
    return c;
}

bool EsLetraOCifra(char32_t c) {
    if (c < 0x80) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    }
    const std::wstring w = Unidades(c);
    WORD tipos[2] = {};
    return ::GetStringTypeW(CT_CTYPE1, w.c_str(), int(w.size()), tipos) &&
           (tipos[0] & (C1_ALPHA | C1_DIGIT)) != 0;
}

} // namespace plataforma
