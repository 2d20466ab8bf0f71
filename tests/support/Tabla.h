#pragma once
// A case table kept as data under tests/data: one case a line, its fields parted by tabs, "\n"
// and "\r" within a field a line feed and a carriage return; blank lines and lines starting
// with '#' (notes) are skipped.

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

} // namespace soporte
