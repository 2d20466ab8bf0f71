#pragma once
// Case tables kept as data under tests/data, in two shapes:
// - Tabla: one case a line, its fields parted by tabs, "\n" and "\r" within a field a line feed
//   and a carriage return;
// - Casos: a "$" line opens a case with the rest of its line, every line below belongs to it.
// In both, lines starting with '#' are notes; Tabla also skips blank lines.

#include "tests/support/Archivos.h"
#include "tests/support/Texto.h"

#include <string>
#include <vector>

namespace soporte {

inline std::vector<std::vector<std::string>> Tabla(const std::string& nombre) {
    std::vector<std::vector<std::string>> casos;
    for (const std::string& linea : Lineas(Lee(Datos(nombre)))) {
        if (linea.empty() || linea[0] == '#') {
            continue;
        }
        casos.emplace_back();
        for (std::size_t desde = 0, fin = 0; fin != std::string::npos; desde = fin + 1) {
            fin = linea.find('\t', desde);
            std::string campo = linea.substr(desde, fin == std::string::npos ? fin : fin - desde);
            for (std::size_t i = campo.find('\\'); i != std::string::npos && i + 1 < campo.size();
                 i = campo.find('\\', i + 1)) {
                if (campo[i + 1] == 'n' || campo[i + 1] == 'r') {
                    campo.replace(i, 2, campo[i + 1] == 'n' ? "\n" : "\r");
                }
            }
            casos.back().push_back(std::move(campo));
        }
    }
    return casos;
}

struct Caso {
    std::string cabecera;            // after the "$"
    std::vector<std::string> lineas; // as written, without their LF
};

inline std::vector<Caso> Casos(const std::string& nombre) {
    std::vector<Caso> casos;
    for (const std::string& l : Lineas(Lee(Datos(nombre)))) {
        if (l.starts_with("$")) {
            casos.push_back({l.substr(1), {}});
        } else if (!l.starts_with("#") && !casos.empty()) {
            casos.back().lineas.push_back(l);
        }
    }
    return casos;
}

} // namespace soporte
