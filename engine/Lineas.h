#pragma once
// How the engine reads a line. It never parses the language: it looks at the first or last
// characters of the line's trimmed text. Only the space is trimmed; comparisons ignore letter
// case by the project's code page (the keywords are ASCII, the folding table covers the rest).
// The reading is the object model's too (base/LineaVB.h), with the engine's options: only spaces
// are trimmed, only "'" comments, and the keyword lists are compared as the editor writes them.

#include "base/LineaVB.h"

#include <array>
#include <string>
#include <string_view>

namespace engine {

using Tabla = lineavb::Tabla;

// The three below run several times on every line of a walk: inline.

// The line without its leading and trailing spaces (tabs are text).
inline std::string_view Recorta(std::string_view s) {
    return lineavb::Recorta(s, lineavb::kLecturaMotor);
}

// The first characters of `t` equal `k`, case ignored; a shorter text never begins with `k`.
inline bool EmpiezaPor(std::string_view t, std::string_view k, const Tabla& tabla) {
    if (t.size() < k.size()) {
        return false;
    }
    for (std::size_t i = 0; i < k.size(); ++i) {
        if (tabla[static_cast<unsigned char>(t[i])] != tabla[static_cast<unsigned char>(k[i])]) {
            return false;
        }
    }
    return true;
}
// The last character of `t` is `c`.
inline bool TerminaEn(std::string_view t, char c) {
    return !t.empty() && t.back() == c;
}
// First occurrence of `clave` in `texto`, case ignored; npos when absent.
std::size_t Busca(std::string_view texto, std::string_view clave, const Tabla& tabla,
                  std::size_t desde = 0);
bool Contiene(std::string_view texto, std::string_view clave, const Tabla& tabla);

// `linea` with the `largo` characters at `desde` (a view into it) replaced by `nuevo`.
std::string Sustituye(std::string_view linea, std::string_view desde, std::size_t largo,
                      std::string_view nuevo);

// Drops a leading line number. `s` ends up trimmed at the front and without the digits (it
// keeps the spaces that followed them); the result has no spaces at either end.
std::string TrimNum(std::string& s);

inline bool EsDigito(char c) {
    return c >= '0' && c <= '9';
}

// Letters of any code page, digits and the underscore make words.
// Looked up in a table made once: the walks ask it of nearly every character.
inline bool DePalabra(char c) {
    static constexpr std::array<bool, 256> kDePalabra = [] {
        std::array<bool, 256> t{};
        for (int u = 0; u < 256; ++u) {
            t[static_cast<std::size_t>(u)] = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
                                             (u >= '0' && u <= '9') || u == '_' || u >= 0x80;
        }
        return t;
    }();
    return kDePalabra[static_cast<unsigned char>(c)];
}

// The length of the label that the trimmed text `t` begins with: a name and a colon
// ("TrapIt:     MyEr Err.Description"), not a named argument ("x:=") nor a line number. 0: none.
inline std::size_t LargoDeEtiqueta(std::string_view t) {
    if (t.empty() || EsDigito(t.front()) || t.front() == '_') {
        return 0;
    }
    std::size_t i = 0;
    while (i < t.size() && DePalabra(t[i])) {
        ++i;
    }
    if (i == 0 || i >= t.size() || t[i] != ':' || (i + 1 < t.size() && t[i + 1] == '=')) {
        return 0;
    }
    return i;
}

// What TrimNum returns, as a view into `s`: the engine reads every line this way without
// copying it. Inline, as it runs on every line of a removal.
inline std::string_view SinNumeroDeLinea(std::string_view s) {
    s = Recorta(s);
    std::size_t n = 0;
    while (n < s.size() && EsDigito(s[n])) {
        ++n;
    }
    return Recorta(s.substr(n));
}

// Cuts `s` at its first apostrophe (also one inside a string literal) and returns it.
std::string QuitaComents(std::string& s);

// A number as the runtime reads one: optional sign, digits with an optional decimal point, an
// optional exponent; spaces around it allowed.
bool EsNumero(std::string_view n);

// The line number that begins the trimmed text `t`, with the one space after it, as removal
// takes it out (the runtime's reading: "10 ", "-5 ", ".5 "), or nothing. Most lines begin with
// a letter and end at the first test.
inline std::string_view NumeroQueQuita(std::string_view t) {
    if (t.empty() ||
        !(EsDigito(t.front()) || t.front() == '+' || t.front() == '-' || t.front() == '.')) {
        return {};
    }
    const auto espacio = t.find(' ');
    if (espacio == std::string_view::npos || !EsNumero(t.substr(0, espacio + 1))) {
        return {};
    }
    return t.substr(0, espacio + 1);
}

// A procedure header for the error-handler block: "[Private |Public |Friend ][Static ]Sub ",
// Function or Property, one space after each word.
inline bool EsCabecera(std::string_view t, const Tabla& tabla) {
    return lineavb::EsCabecera(t, tabla, lineavb::kLecturaMotor);
}
// A header or end line ("End Sub" and the others by their letters), which never gets a number.
// Both begin with a word of the table: its first word is read once, and only after an End is
// the end line read whole.
inline bool SinNumero(std::string_view t, const Tabla& tabla) {
    const lineavb::Comienzo c = lineavb::Lee(t, tabla, lineavb::kLecturaMotor);
    return lineavb::EsProcedimiento(c.palabra) ||
           (c.palabra == lineavb::Palabra::End && c.modificadores == 0 &&
            lineavb::EsFin(t, tabla, lineavb::kLecturaMotor));
}
using lineavb::Continua;
// A comment line: its trimmed text begins with an apostrophe ("Rem" is no comment here).
inline bool EsComentario(std::string_view t) {
    return lineavb::EsComentario(t, lineavb::kLecturaMotor);
}
// Lines that neither mode touches: comments, continued lines, declarations, error statements,
// Select Case blocks, labels (alone or with a statement after them: a number in front would
// take the label's place) and directives. The keywords begin with different letters, so the
// line's first letter, folded once, leaves at most one of them to compare. `continuada`: the
// line above goes on into this one.
inline bool SePasaPorAlto(std::string_view t, bool continuada, const Tabla& tabla) {
    if (continuada || TerminaEn(t, ':') || EsComentario(t) || LargoDeEtiqueta(t) != 0) {
        return true;
    }
    if (t.empty()) {
        return false;
    }
    const unsigned char primera = tabla[static_cast<unsigned char>(t.front())];
    if (primera == tabla['d']) {
        return EmpiezaPor(t, "Dim", tabla);
    }
    if (primera == tabla['o']) {
        return EmpiezaPor(t, "On Error", tabla);
    }
    if (primera == tabla['s']) {
        return EmpiezaPor(t, "Select Case", tabla);
    }
    if (primera == tabla['c']) {
        return EmpiezaPor(t, "Case", tabla);
    }
    if (primera == tabla['e']) {
        return EmpiezaPor(t, "end select", tabla);
    }
    return primera == tabla['#'];
}

} // namespace engine
