#pragma once
// What can be checked of VB6 source without the VB6 compiler: line ends and lengths, balanced
// blocks, procedures, declarations, records and string literals. Works on the file's own bytes
// (one byte, one character), so it serves any code page.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vb6check {

// Limits of the VB6 editor: longer lines or more continued lines are refused on loading.
inline constexpr std::size_t MaxLongitudLinea = 1023;
inline constexpr int MaxContinuaciones = 24;

struct Linea {
    long numero; // 1-based, in the file
    std::string texto;
};

// Physical lines joined at " _", comment removed, string contents kept.
struct LineaLogica {
    long numero; // its first physical line
    std::string codigo;
    int continuaciones;
};

// One statement of a logical line (split at ":"), without line number or label.
struct Sentencia {
    long numero;
    std::string texto;
};

struct Procedimiento {
    std::string ambito; // "Public", "Private", "Friend", "Static" or "" (VB6 takes Public)
    std::string clase;  // "Sub", "Function", "Property Get", "Property Let", "Property Set"
    std::string nombre;
    long numero;
};

struct Declaracion { // a Declare statement
    std::string nombre;
    std::string biblioteca;
    std::string alias; // empty when the entry point has the declared name
    long numero;
};

struct Campo {
    std::string nombre;
    std::string tipo; // as written after "As", e.g. "Long" or "String * 128"
};

struct Tipo {
    std::string nombre;
    std::vector<Campo> campos;
    long numero;
};

struct Problema {
    long numero;
    std::string mensaje;
};

class Modulo {
public:
    // Splits at CR LF and leaves out the file header (VERSION, BEGIN ... END, Object=, the
    // module attributes) and the procedure attribute lines, which are not code.
    explicit Modulo(std::string_view bytes);

    const std::vector<Linea>& Lineas() const { return lineas_; }
    std::vector<LineaLogica> LineasLogicas() const;
    std::vector<Sentencia> Sentencias() const;

    // Every fault found, in line order: bare LF line ends, long lines, too many continuations,
    // unbalanced or crossed blocks. Empty for a sound module.
    std::vector<Problema> Comprobar() const;

    std::vector<Procedimiento> Procedimientos() const;
    std::vector<Declaracion> Declaraciones() const;
    std::vector<Tipo> Tipos() const;
    // String literals of the code (not of comments), with doubled quotes undone.
    std::vector<std::string> Literales() const;
    // The identifier appears as a word of the code (not in strings or comments), any case.
    bool Usa(std::string_view identificador) const;

private:
    std::vector<Linea> lineas_;
    std::vector<Problema> problemasFisicos_;
};

// "línea N: mensaje", one per line: readable failure messages in tests.
std::string Texto(const std::vector<Problema>& problemas);

} // namespace vb6check
