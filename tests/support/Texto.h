#pragma once
// Lists of lines written in a test as one literal, parted by '|', so that a long table of short
// texts reads as a paragraph; empty parts are kept.

#include <string>
#include <string_view>
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

} // namespace soporte
