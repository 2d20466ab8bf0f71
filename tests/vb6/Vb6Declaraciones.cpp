#include "base/CodePage.h"
#include "tests/vb6/Vb6Checker.h"
#include "tests/vb6/Vb6Lexico.h"

#include <regex>

namespace vb6check {
namespace {

constexpr auto Sintaxis = std::regex::ECMAScript | std::regex::icase;

// As the editor writes a keyword: first letter upper case, the rest lower case.
std::string Capitaliza(std::string palabra) {
    palabra = codepage::Minusculas(palabra);
    if (!palabra.empty() && palabra[0] >= 'a' && palabra[0] <= 'z')
        palabra[0] = static_cast<char>(palabra[0] - 'a' + 'A');
    return palabra;
}

} // namespace

std::vector<Procedimiento> Modulo::Procedimientos() const {
    static const std::regex cabecera(
        R"re(^(?:(public|private|friend|global)\s+)?(?:static\s+)?(sub|function|property\s+(get|let|set))\s+(\w+))re",
        Sintaxis);
    std::vector<Procedimiento> procedimientos;
    for (const Sentencia& s : Sentencias()) {
        std::smatch m;
        if (!std::regex_search(s.texto, m, cabecera))
            continue;
        std::string clase = m[3].matched ? "Property " + Capitaliza(m[3]) : Capitaliza(m[2]);
        procedimientos.push_back({m[1].matched ? Capitaliza(m[1]) : "", clase, m[4], s.numero});
    }
    return procedimientos;
}

std::vector<Declaracion> Modulo::Declaraciones() const {
    static const std::regex declare(
        R"re(^(?:(?:public|private)\s+)?declare\s+(?:sub|function)\s+(\w+)\s+lib\s+"([^"]*)"(?:\s+alias\s+"([^"]*)")?)re",
        Sintaxis);
    std::vector<Declaracion> declaraciones;
    for (const Sentencia& s : Sentencias()) {
        std::smatch m;
        if (std::regex_search(s.texto, m, declare))
            declaraciones.push_back({m[1], m[2], m[3].matched ? m[3].str() : "", s.numero});
    }
    return declaraciones;
}

std::vector<Tipo> Modulo::Tipos() const {
    static const std::regex inicio(R"re(^(?:(?:public|private)\s+)?type\s+(\w+)\s*$)re", Sintaxis);
    static const std::regex campo(R"re(^(\w+)\s*(?:\([^)]*\))?\s+as\s+(.+?)\s*$)re", Sintaxis);
    static const std::regex fin(R"re(^end\s+type\s*$)re", Sintaxis);
    std::vector<Tipo> tipos;
    bool dentro = false;
    for (const Sentencia& s : Sentencias()) {
        std::smatch m;
        if (!dentro && std::regex_search(s.texto, m, inicio)) {
            tipos.push_back({m[1], {}, s.numero});
            dentro = true;
        } else if (dentro && std::regex_search(s.texto, fin)) {
            dentro = false;
        } else if (dentro && std::regex_search(s.texto, m, campo)) {
            tipos.back().campos.push_back({m[1], m[2]});
        }
    }
    return tipos;
}

} // namespace vb6check
