#include "base/LineaVB.h"

namespace lineavb {
namespace {

// The table: every word that opens or closes a procedure, in small ASCII letters.
struct Clave {
    std::string_view letras;
    Palabra palabra;
};
constexpr Clave kClaves[] = {
    {"sub", Palabra::Sub},       {"function", Palabra::Function}, {"property", Palabra::Property},
    {"end", Palabra::End},       {"private", Palabra::Acceso},    {"public", Palabra::Acceso},
    {"friend", Palabra::Acceso}, {"static", Palabra::Static},     {"global", Palabra::Global},
};

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
    // Most statements begin with a letter no keyword begins with: passed by on it.
    const unsigned char primera = tabla[static_cast<unsigned char>(s.front())];
    for (const Clave& k : kClaves) {
        const std::size_t n = k.letras.size();
        if (static_cast<unsigned char>(k.letras.front()) != primera || s.size() < n) {
            continue;
        }
        // the free form ends a word at a blank or at the end; the editor's at one space
        const bool termina =
            l.formaLibre ? s.size() == n || EsBlanco(s[n], l) : s.size() > n && s[n] == ' ';
        if (!termina || !EmpiezaPor(s, k.letras, tabla)) {
            continue;
        }
        s.remove_prefix(l.formaLibre ? n : n + 1);
        if (l.formaLibre) {
            s = Recorta(s, l);
        }
        return k.palabra;
    }
    return Palabra::Otra;
}

Comienzo Lee(std::string_view t, const Tabla& tabla, Lectura l) {
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
