#pragma once
// The walk over one procedure's lines, shared by insertion and removal. Only the engine's own
// sources include it.

#include "engine/Motor.h"

namespace engine {

// The procedure's lines run from its start line for its count of lines. The walk keeps that
// range up to date with the lines each step adds or deletes, instead of asking the module who
// owns every line: the answer is the same and the module is not rescanned line by line.
template <class Paso>
void Motor::Recorre(vbide::CodeModule& m, const std::string& nombre, long inicio, Paso&& paso) {
    long L = inicio;
    if (!MismoNombre(m.ProcOfLine(L), nombre)) {
        return;
    }
    long fin = L + m.ProcCountLines(nombre, vbide::ProcKind::Proc) - 1;
    long total = m.CountOfLines();
    while (true) {
        paso(L);
        const long ahora = m.CountOfLines();
        fin += ahora - total;
        total = ahora;
        ++L;
        if (L > total || L > fin) {
            return;
        }
    }
}

} // namespace engine
