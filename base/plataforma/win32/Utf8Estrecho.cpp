// The C library's conversions between narrow and wide text, as UTF-8.
//
// Text inside the program is UTF-8, and the C++ library turns a std::string into a file name
// (std::filesystem::path, the file streams) and back through mbrtowc and wcrtomb. mingw's C
// library converts there in the C locale, byte for byte as Latin-1, and has no UTF-8 locale to
// set: "José" would become "JosÃ©" on the disk. The link replaces the two functions with these
// (ld --wrap, see base/CMakeLists.txt), so every such conversion in the program is UTF-8, as the
// program's manifest makes the ANSI code page. One wchar_t holds one UTF-16 unit, so a
// character beyond the Basic Multilingual Plane cannot pass one at a time: it is refused as
// an invalid sequence, and the call that asked fails instead of naming another file.

#include <cstddef>
#include <cwchar>

extern "C" {

std::size_t __wrap_mbrtowc(wchar_t* ancho, const char* s, std::size_t n, std::mbstate_t*) {
    if (s == nullptr) {
        return 0;
    }
    if (n == 0) {
        return std::size_t(-2);
    }
    const auto* b = reinterpret_cast<const unsigned char*>(s);
    char32_t c = 0;
    std::size_t largo = 0;
    if (b[0] < 0x80) {
        c = b[0];
        largo = 1;
    } else if ((b[0] & 0xE0) == 0xC0 && b[0] >= 0xC2) {
        c = b[0] & 0x1F;
        largo = 2;
    } else if ((b[0] & 0xF0) == 0xE0) {
        c = b[0] & 0x0F;
        largo = 3;
    } else {
        return std::size_t(-1);
    }
    if (n < largo) {
        return std::size_t(-2);
    }
    for (std::size_t i = 1; i < largo; ++i) {
        if ((b[i] & 0xC0) != 0x80) {
            return std::size_t(-1);
        }
        c = (c << 6) | (b[i] & 0x3F);
    }
    if ((largo == 3 && c < 0x800) || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::size_t(-1); // overlong, or a surrogate on its own
    }
    if (ancho) {
        *ancho = wchar_t(c);
    }
    return c == 0 ? 0 : largo;
}

std::size_t __wrap_wcrtomb(char* s, wchar_t ancho, std::mbstate_t*) {
    char propio[3];
    if (s == nullptr) {
        s = propio;
        ancho = 0;
    }
    const unsigned c = unsigned(ancho);
    if (c < 0x80) {
        s[0] = char(c);
        return 1;
    }
    if (c < 0x800) {
        s[0] = char(0xC0 | (c >> 6));
        s[1] = char(0x80 | (c & 0x3F));
        return 2;
    }
    if (c >= 0xD800 && c <= 0xDFFF) {
        return std::size_t(-1);
    }
    s[0] = char(0xE0 | (c >> 12));
    s[1] = char(0x80 | ((c >> 6) & 0x3F));
    s[2] = char(0x80 | (c & 0x3F));
    return 3;
}

} // extern "C"
