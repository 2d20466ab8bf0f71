#include "base/plataforma/Texto.h"

#include <cerrno>
#include <iconv.h>
#include <locale.h>
#include <memory>
#include <wctype.h>

namespace plataforma {

namespace {

std::string Nombre(int cp) {
    return cp == kUtf8 ? "UTF-8" : "CP" + std::to_string(cp);
}

// Unicode's letters and case pairs, as the C library knows them in its UTF-8 locale (nothing
// process-wide is changed). Without that locale, ASCII only.
locale_t LocaleUtf8() {
    static const locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    return l;
}

} // namespace

bool ConocePagina(int cp) {
    if (cp == kUtf8) {
        return false;
    }
    iconv_t cd = iconv_open("UTF-8", Nombre(cp).c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    iconv_close(cd);
    return true;
}

std::optional<std::string> ConviertePagina(std::string_view texto, int desde, int hacia) {
    iconv_t cd = iconv_open(Nombre(hacia).c_str(), Nombre(desde).c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::unique_ptr<void, int (*)(iconv_t)> cierre(cd, iconv_close);
    std::string out(texto.size() * 4 + 4, '\0');
    char* src = const_cast<char*>(texto.data());
    size_t srcLeft = texto.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                size_t used = out.size() - dstLeft;
                out.resize(out.size() * 2);
                dst = out.data() + used;
                dstLeft = out.size() - used;
                continue;
            }
            return std::nullopt;
        }
    }
    out.resize(out.size() - dstLeft);
    return out;
}

char32_t MinusculaUnicode(char32_t c) {
    if (c < 0x80) {
        return c >= 'A' && c <= 'Z' ? c + 32 : c;
    }
    locale_t l = LocaleUtf8();
    return l != nullptr ? static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), l)) : c;
}

bool EsLetraOCifra(char32_t c) {
    if (c < 0x80) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    }
    locale_t l = LocaleUtf8();
    return l != nullptr && iswalnum_l(static_cast<wint_t>(c), l) != 0;
}

} // namespace plataforma
