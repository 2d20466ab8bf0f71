#pragma once
// What can be checked of VB6 source without the VB6 compiler: line ends and lengths, balanced
// blocks, statements and string literals. The code is read by the object model's own reader
// (host/files); one byte is one character, so it serves any code page.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vb6check {

// Limits of the VB6 editor: longer lines or more continued lines are refused on loading.
inline constexpr std::size_t MaxLongitudLinea = 1023;
inline constexpr int MaxContinuaciones = 24;

// Physical lines joined at " _" (the editor's code: no header, no procedure attributes).
struct LineaLogica {
    long numero; // its first physical line, in the file
    std::string codigo;
    int continuaciones;
};

// One statement of a logical line (split at ":"), without line number or label.
struct Sentencia {
    long numero;
    std::string texto;
};

struct Problema {
    long numero;
    std::string mensaje;
};

class Modulo {
public:
    // Reads the code as the object model does; `nombre`'s extension gives the kind of module.
    explicit Modulo(std::string_view bytes, const std::string& nombre = "modulo.bas");

    std::vector<Sentencia> Sentencias() const;

    // Every fault found, in line order: bare LF line ends, long lines, too many continuations,
    // unbalanced or crossed blocks. Empty for a sound module.
    std::vector<Problema> Comprobar() const;

    // String literals of the code (not of comments), with doubled quotes undone.
    std::vector<std::string> Literales() const;

private:
    std::vector<LineaLogica> logicas_;
    std::vector<Problema> problemasFisicos_;
};

// "línea N: mensaje", one per line: readable failure messages in tests.
std::string Texto(const std::vector<Problema>& problemas);

} // namespace vb6check
