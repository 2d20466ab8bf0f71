#pragma once
// Texts cut into parts: a test's table written as one literal parted by '|' (a long table of
// short texts reads as a paragraph; empty parts are kept), and a file's lines.

#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace soporte {

inline std::vector<std::string> Partes(std::string_view texto) {
    std::vector<std::string> partes;
    for (std::size_t desde = 0, fin = 0; fin != std::string_view::npos; desde = fin + 1) {
        fin = texto.find('|', desde);
        partes.emplace_back(texto.substr(desde, fin == std::string_view::npos ? fin : fin - desde));
    }
    return partes;
}

// The lines of `texto`, without their LF (a CR stays).
inline std::vector<std::string> Lineas(const std::string& texto) {
    std::vector<std::string> r;
    std::istringstream in(texto);
    for (std::string l; std::getline(in, l);) {
        r.push_back(l);
    }
    return r;
}

// The lines that hold more than blanks: a removal cannot know which blank lines were there.
inline std::string SinBlancas(const std::string& bytes) {
    std::string r;
    for (const auto& l : Lineas(bytes)) {
        if (l.find_first_not_of(" \r") != std::string::npos) {
            r += l + "\n";
        }
    }
    return r;
}

// `texto` with every "{key}" of a data file's case put as its value, in the order given.
inline std::string Sustituye(std::string texto,
                             const std::vector<std::pair<std::string, std::string>>& claves) {
    for (const auto& [clave, valor] : claves) {
        for (auto at = texto.find(clave); at != std::string::npos; at = texto.find(clave, at)) {
            texto.replace(at, clave.size(), valor);
            at += valor.size();
        }
    }
    return texto;
}

} // namespace soporte
