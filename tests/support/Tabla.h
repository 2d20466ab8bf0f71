#pragma once
// A table of cases in a data file under tests/data: "#" lines are notes, "$" opens a case with the
// rest of its line, and every other line belongs to the case above it.

#include "tests/support/Archivos.h"

#include <sstream>
#include <string>
#include <vector>

namespace soporte {

struct Fila {
    std::string cabecera;            // after the "$"
    std::vector<std::string> lineas; // as written, without their LF
};

inline std::vector<Fila> Tabla(const std::string& nombre) {
    std::vector<Fila> filas;
    std::istringstream in(Lee(Datos(nombre)));
    for (std::string l; std::getline(in, l);) {
        if (l.starts_with("$")) {
            filas.push_back({l.substr(1), {}});
        } else if (!l.starts_with("#") && !filas.empty()) {
            filas.back().lineas.push_back(l);
        }
    }
    return filas;
}

} // namespace soporte
