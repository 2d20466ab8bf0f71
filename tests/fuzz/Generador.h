#pragma once
// Modules that the engine can round-trip, generated from a source of small numbers: shared by
// the engine's property test (a seeded random generator) and the fuzz target (the input's
// bytes). Declarations of every kind, then Subs and Functions with the bodies that trip the
// line rules, procedures the rules must leave alone, and Property pairs no command lists.

#include "engine/EstadoSeleccion.h"

#include <functional>
#include <string>
#include <vector>

namespace fuzz {

enum class Clase {
    Normal,      // gets whatever the mode inserts
    UnaLinea,    // header and end on one line: left alone in every mode
    SalirPropio, // its own Salir: or lblError: label: no error-handling block
    Propiedad,   // never listed
};

struct Rango {
    std::size_t desde = 0;              // its first line (the comments and blanks above its header)
    std::size_t hasta = 0;              // its last line
    std::vector<std::size_t> cabeceras; // last line of each header (two under #If ... #Else)
    Clase clase = Clase::Normal;
};

struct Generado {
    std::vector<std::string> lineas;
    std::vector<Rango> procedimientos;
    std::size_t declaraciones = 0;
    // The Subs and Functions, which the procedure list holds.
    std::size_t Listados() const;
};

// `tira(n)` gives a number in [0, n).
Generado Genera(const std::function<unsigned(unsigned)>& tira);

// The lines, each followed by `fin`.
std::string Texto(const std::vector<std::string>& lineas, const std::string& fin);

// What inserting into every procedure and then removing from the whole module gives in `modo`:
// the module, with blank runs collapsed in the procedures the mode walks; the error-handling
// block also leaves an empty line under each header and writes exits as usual.
std::vector<std::string> Esperado(const Generado& g, engine::Modo modo);

} // namespace fuzz
