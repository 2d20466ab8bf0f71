#pragma once
// One way to state an engine rule: a module, a command over it and the module expected after
// it. Each rule is checked byte for byte, with what the command said it left alone, and every
// insertion against what it promises: inserting again changes nothing, and removing gives the
// module back (runs of blank lines aside).

#include "engine/EstadoSeleccion.h"
#include "tests/support/Codigo.h"

#include <memory>
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

// The module and the state of the window over it, as the commands find them: every procedure,
// or those `r` chooses, in `r`'s mode and variant. Shared with the engine's fuzz target.
struct Banco {
    soporte::Guion dialogos;
    soporte::ProgresoAnotado progreso;
    engine::EstadoSeleccion estado;
    std::unique_ptr<files::ModuleFile> archivo;
    std::vector<std::string> avisos; // what the last command left alone, as Regla::avisos

    Banco(const std::string& bytes, const Regla& r);
    // Runs `orden` as the main window's buttons do (inserting into the chosen procedures, or
    // into all of them with Check1); the module's bytes after it.
    std::string Haz(Orden orden);
};

// A failure names the rule.
void PrintTo(const Regla& regla, std::ostream* os);

void Comprueba(const Regla& regla);

// The lines that differ, as a unified diff.
std::string Diferencia(const std::string& esperado, const std::string& obtenido);

} // namespace regla
