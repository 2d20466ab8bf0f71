#include "base/LineaVB.h"

#include <iterator>

namespace lineavb {
namespace {

// The table: every word that opens or closes a procedure, in small ASCII letters, filed by
// their first letter.
struct Clave {
    std::string_view letras;
    Palabra palabra;
};
constexpr Clave kClaves[] = {
    {"end", Palabra::End},       {"friend", Palabra::Acceso},  {"function", Palabra::Function},
    {"global", Palabra::Global}, {"private", Palabra::Acceso}, {"property", Palabra::Property},
    {"public", Palabra::Acceso}, {"static", Palabra::Static},  {"sub", Palabra::Sub},
};

// For each first letter, the keywords that begin with it: kClaves[desde] up to kClaves[hasta].
// Most statements begin with a letter no keyword begins with, and are passed by on it.
struct Rango {
    unsigned char desde = 0;
    unsigned char hasta = 0;
};
constexpr std::array<Rango, 256> kPorLetra = [] {
    std::array<Rango, 256> r{};
    for (unsigned char i = 0; i < std::size(kClaves); ++i) {
        Rango& l = r[static_cast<unsigned char>(kClaves[i].letras.front())];
        if (l.hasta == 0) {
            l.desde = i;
        }
        l.hasta = static_cast<unsigned char>(i + 1);
    }
    return r;
}();

// The first letters of `s` are `letras`, case folded by `tabla`.
bool EmpiezaPor(std::string_view s, std::string_view letras, const Tabla& tabla) {
    if (s.size() < letras.size()) {
        return false;
    }
    for (std::size_t i = 0; i < letras.size(); ++i) {
        if (tabla[static_cast<unsigned char>(s[i])] != static_cast<unsigned char>(letras[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

Palabra Toma(std::string_view& s, const Tabla& tabla, Lectura l) {
    if (s.empty()) {
        return Palabra::Otra;
    }
    const Rango r = kPorLetra[tabla[static_cast<unsigned char>(s.front())]];
    for (unsigned char i = r.desde; i < r.hasta; ++i) {
        const std::string_view k = kClaves[i].letras;
        const std::size_t n = k.size();
        // the free form ends a word at a blank or at the end; the editor's at one space
        const bool termina = l.formaLibre ? s.size() == n || (s.size() > n && EsBlanco(s[n], l))
                                          : s.size() > n && s[n] == ' ';
        if (!termina || !EmpiezaPor(s, k, tabla)) {
            continue;
        }
        s.remove_prefix(l.formaLibre ? n : n + 1);
        if (l.formaLibre) {
            s = Recorta(s, l);
        }
        return kClaves[i].palabra;
    }
    return Palabra::Otra;
}

static_assert([] {
    for (const Clave& k : kClaves) {
        if (kIniciales.find(k.letras.front()) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}());

Comienzo LeeClaves(std::string_view t, const Tabla& tabla, Lectura l) {
    Comienzo c;
    c.resto = t;
    c.palabra = Toma(c.resto, tabla, l);
    if (l.formaLibre) {
        while (EsModificador(c.palabra) && c.modificadores < 3) {
            ++c.modificadores;
            c.palabra = Toma(c.resto, tabla, l);
        }
        return c;
    }
    if (c.palabra == Palabra::Acceso) {
        ++c.modificadores;
        c.palabra = Toma(c.resto, tabla, l);
    }
    if (c.palabra == Palabra::Static) {
        ++c.modificadores;
        c.palabra = Toma(c.resto, tabla, l);
    }
    return c;
}

bool EsFin(std::string_view t, const Tabla& tabla, Lectura l) {
    if (Toma(t, tabla, l) != Palabra::End) {
        return false;
    }
    if (l.formaLibre) {
        return EsProcedimiento(Toma(t, tabla, l)) && t.empty();
    }
    for (std::string_view k : {"sub", "function", "property"}) {
        if (EmpiezaPor(t, k, tabla)) {
            return true;
        }
    }
    return false;
}

} // namespace lineavb
