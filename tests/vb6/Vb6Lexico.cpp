#include "tests/vb6/Vb6Lexico.h"

#include "base/CodePage.h"

#include <cctype>

namespace vb6check::lexico {
namespace {

using codepage::Minusculas;

bool EsLetraDePalabra(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

} // namespace

std::string Recorta(std::string_view texto) {
    auto inicio = texto.find_first_not_of(" \t");
    if (inicio == std::string_view::npos)
        return {};
    auto fin = texto.find_last_not_of(" \t");
    return std::string(texto.substr(inicio, fin - inicio + 1));
}

std::size_t InicioComentario(std::string_view codigo) {
    bool enCadena = false;
    for (std::size_t i = 0; i < codigo.size(); ++i) {
        if (codigo[i] == '"')
            enCadena = !enCadena; // a doubled quote toggles twice and stays inside
        else if (codigo[i] == '\'' && !enCadena)
            return i;
    }
    return std::string_view::npos;
}

std::string SinCadenas(std::string_view codigo) {
    std::string r;
    bool enCadena = false;
    for (char c : codigo) {
        if (c == '"') {
            enCadena = !enCadena;
            r += c;
        } else if (!enCadena) {
            r += c;
        }
    }
    return r;
}

std::vector<std::string> Palabras(std::string_view codigo) {
    std::vector<std::string> palabras;
    std::size_t i = 0;
    while (i < codigo.size()) {
        bool almohadilla = codigo[i] == '#' && i + 1 < codigo.size() &&
                           std::isalpha(static_cast<unsigned char>(codigo[i + 1]));
        if (almohadilla || std::isalpha(static_cast<unsigned char>(codigo[i])) ||
            codigo[i] == '_') {
            std::size_t j = i + 1;
            while (j < codigo.size() && EsLetraDePalabra(codigo[j]))
                ++j;
            palabras.push_back(Minusculas(codigo.substr(i, j - i)));
            i = j;
        } else if (codigo[i] == '&' && i + 1 < codigo.size() &&
                   (codigo[i + 1] == 'H' || codigo[i + 1] == 'h' || codigo[i + 1] == 'O' ||
                    codigo[i + 1] == 'o')) {
            // &H80000002, &O17: a number, not the word H80000002
            i += 2;
            while (i < codigo.size() && EsLetraDePalabra(codigo[i]))
                ++i;
        } else if (std::isdigit(static_cast<unsigned char>(codigo[i]))) {
            // numbers and hexadecimal tails (&H1F) are not words
            while (i < codigo.size() && EsLetraDePalabra(codigo[i]))
                ++i;
        } else {
            ++i;
        }
    }
    return palabras;
}

bool TerminaEnThen(std::string_view codigo) {
    std::string t = Recorta(codigo);
    if (t.size() < 4 || Minusculas(std::string_view(t).substr(t.size() - 4)) != "then")
        return false;
    return t.size() == 4 || !EsLetraDePalabra(t[t.size() - 5]);
}

} // namespace vb6check::lexico
