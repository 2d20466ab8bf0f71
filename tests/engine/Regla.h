#pragma once
// One way to state an engine rule: a module, a command over it and the module expected after
// it. Each rule is checked byte for byte, with what the command said it left alone, and every
// insertion against what it promises: inserting again changes nothing, and removing gives the
// module back (runs of blank lines aside).

#include "engine/EstadoSeleccion.h"

#include <ostream>
#include <string>
#include <vector>

namespace regla {

enum class Orden { Inserta, Quita };

struct Regla {
    std::string nombre;
    // The module's code with LF line ends, under the header of a module Modulo1; or "@name": the
    // whole file tests/data/engine/name.bas.
    std::string entrada;
    Orden orden;
    engine::Modo modo;
    std::string esperado; // as `entrada`
    // The procedures chosen; none: all of them ("Todos los procedimientos"), "*": every one listed
    // chosen by hand.
    std::vector<std::string> procs = {};
    engine::Variante variante = engine::Variante::OptExit;
    // For an insertion, what removing it again gives when that is not the input.
    std::string quitado = {};
    // What the command left alone, each as "line text".
    std::vector<std::string> avisos = {};
    // For an insertion, what inserting again gives when it is not the same: numbers given while
    // a run of blank lines above collapsed follow the lines they were given to.
    std::string otraVez = {};
};

// A failure names the rule.
void PrintTo(const Regla& regla, std::ostream* os);

void Comprueba(const Regla& regla);

// The lines that differ, as a unified diff.
std::string Diferencia(const std::string& esperado, const std::string& obtenido);

} // namespace regla
