#include "base/CodePage.h"

#include "base/plataforma/Texto.h"

#include <map>
#include <memory>
#include <mutex>

namespace codepage {
namespace {

// Decodes one UTF-8 sequence at text[i]; returns its length, 0 when invalid.
size_t LargoUtf8(std::string_view text, size_t i) {
    auto b = static_cast<unsigned char>(text[i]);
    size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > text.size()) {
        return 0;
    }
    for (size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return n;
}

// The 256 single bytes of the code page as UTF-8; an undefined byte maps to U+FFFD.
std::array<std::string, 256> TablaUtf8(int cp) {
    std::array<std::string, 256> t;
    for (int b = 0; b < 256; ++b) {
        char c = static_cast<char>(b);
        auto u = plataforma::ConviertePagina(std::string_view(&c, 1), cp, plataforma::kUtf8);
        t[b] = u && !u->empty() ? *u : std::string("\xEF\xBF\xBD");
    }
    return t;
}

struct Tablas {
    std::array<std::string, 256> utf8;
    std::array<unsigned char, 256> minusculas{};
};

const Tablas& TablasDe(int cp) {
    // Case folding runs for every compared line: the last table used on this thread is
    // answered without the lock. Tables live until the program ends, so the pointer stays good.
    thread_local int ultimaCp = 0;
    thread_local const Tablas* ultima = nullptr;
    if (ultima != nullptr && ultimaCp == cp) {
        return *ultima;
    }
    static std::mutex m;
    static std::map<int, std::unique_ptr<Tablas>> cache;
    std::lock_guard lock(m);
    auto& slot = cache[cp];
    if (!slot) {
        slot = std::make_unique<Tablas>();
        slot->utf8 = TablaUtf8(cp);
        std::map<std::string, unsigned char> inversa;
        for (int b = 255; b >= 0; --b) {
            inversa[slot->utf8[b]] = static_cast<unsigned char>(b);
        }
        for (int b = 0; b < 256; ++b) {
            unsigned char lower = static_cast<unsigned char>(b);
            if (b >= 'A' && b <= 'Z') {
                lower = static_cast<unsigned char>(b + 32);
            } else if (b >= 0x80) {
                const std::string& u = slot->utf8[b];
                char32_t c = Decodifica(u);
                auto l = plataforma::MinusculaUnicode(c);
                auto it = inversa.find(Codifica(l));
                if (l != c && it != inversa.end()) {
                    lower = it->second;
                }
            }
            slot->minusculas[b] = lower;
        }
    }
    ultimaCp = cp;
    ultima = slot.get();
    return *slot;
}

} // namespace

char32_t Decodifica(std::string_view s) {
    auto b0 = static_cast<unsigned char>(s[0]);
    if (s.size() == 1) {
        return b0;
    }
    char32_t cp = b0 & (0xFF >> (s.size() + 1));
    for (size_t k = 1; k < s.size(); ++k) {
        cp = (cp << 6) | (static_cast<unsigned char>(s[k]) & 0x3F);
    }
    return cp;
}

std::string Codifica(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

bool Existe(int cp) {
    return plataforma::ConocePagina(cp);
}

bool EsUtf8Multibyte(std::string_view bytes) {
    bool multi = false;
    for (size_t i = 0; i < bytes.size();) {
        size_t n = LargoUtf8(bytes, i);
        if (n == 0) {
            return false;
        }
        multi = multi || n > 1;
        i += n;
    }
    return multi;
}

std::string AUtf8(std::string_view bytes, int cp) {
    if (EsUtf8Multibyte(bytes)) {
        return std::string(bytes);
    }
    const auto& t = TablasDe(cp).utf8;
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (unsigned char b : bytes) {
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else {
            out += t[b];
        }
    }
    return out;
}

std::optional<std::string> DesdeUtf8(std::string_view utf8, int cp) {
    for (size_t i = 0; i < utf8.size();) {
        size_t n = LargoUtf8(utf8, i);
        if (n == 0) {
            return std::nullopt;
        }
        i += n;
    }
    return plataforma::ConviertePagina(utf8, plataforma::kUtf8, cp);
}

const std::array<unsigned char, 256>& TablaMinusculas(int cp) {
    return TablasDe(cp).minusculas;
}

std::string Minusculas(std::string_view bytes, int cp) {
    const auto& t = TablaMinusculas(cp);
    std::string out(bytes);
    for (char& c : out) {
        c = static_cast<char>(t[static_cast<unsigned char>(c)]);
    }
    return out;
}

bool IgualesSinCaso(std::string_view a, std::string_view b, int cp) {
    if (a.size() != b.size()) {
        return false;
    }
    const auto& t = TablaMinusculas(cp);
    for (size_t i = 0; i < a.size(); ++i) {
        if (t[static_cast<unsigned char>(a[i])] != t[static_cast<unsigned char>(b[i])]) {
            return false;
        }
    }
    return true;
}

} // namespace codepage
