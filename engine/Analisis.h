#pragma once
// What the rules must know of a procedure before they touch it: where its end statement
// stands, the labels of its own that the error-handling block would define again, and the line
// numbers its statements jump to, which numbering keeps.

#include "engine/Avisos.h"
#include "engine/Lineas.h"
#include "host/vbide/CodeModule.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace engine {

struct Analisis {
    long unaLinea = 0;       // the header line that also holds the end statement (0: none)
    bool conFin = false;     // some line begins with the end statement
    long finEnLinea = 0;     // a line that holds the end statement after others (0: none)
    long cabecera = 0;       // the header's first line (for numbering, the module's own reading)
    long etiquetaPropia = 0; // the user's own Salir: or lblError: (0: none)
    std::string nombreEtiqueta;
    bool conManejo = false;  // holds the system's ManejoError block
    bool conOnError = false; // some line's trimmed text begins with "On Error" (not for numbering)
    long marcaSinFin = 0;    // a block's start marker without its end marker (0: none)
    std::vector<std::string> ocupados; // numbers jumped to, and numbered labels that stay: sorted
    std::vector<std::string> destinos; // line numbers jumped to: sorted
    std::vector<long> salidasEnMedio;  // lines with an exit statement that does not start them
    // Lines that numbering the procedure now would leave without a number, with the number
    // they would have taken.
    std::vector<std::pair<long, std::string>> colisiones;

    // A statement of the procedure jumps to the line number `numero` (digits, no leading zeros).
    bool Salta(std::string_view numero) const;
    // No new line number may be `numero`: it is a label that stays, or one the code jumps to.
    bool Ocupado(std::string_view numero) const;
};

// What a reading must find besides the procedure's header and block markers, which every rule
// looks at: numbering (`Numeros`) the numbers jumped to and the numbered labels; the
// error-handling block (`Bloques`) the end statement and the labels the block would define
// again; `check` (`Todo`) all of those, the exits that do not start their line and the lines
// numbering would leave without a number.
enum class Lectura { Numeros, Bloques, Todo };

// Reads the lines `desde` to `hasta` of the procedure. Lines the module fails to give count
// as empty. What `lectura` leaves out stays empty.
Analisis Analiza(vbide::CodeModule& m, long desde, long hasta, const Tabla& tabla,
                 Lectura lectura = Lectura::Todo);

// What keeps the OnError block from naming the procedure `nombre` of the module `modulo` in
// its Push line: a name that is no identifier, or a line longer than the editor holds. The
// notice, at `linea`, or nothing.
std::optional<Aviso> NombresDelBloque(std::string_view modulo, const std::string& nombre,
                                      long linea);

// What the rules cannot do safely in the procedure `nombre`, for `check`: left alone as one
// line, for its end, its own label or its names (where it has no block yet) or for a block's
// start marker without its end, exits that do not pass through Salir (where it has a block),
// lines numbering would leave without a number.
std::vector<Aviso> Revisa(vbide::CodeModule& m, const std::string& nombre, int paginaCodigos);

// The lines of the procedure `nombre` that carry a line number the removal of numbers would
// take out (a continued line's number is data, a number the code jumps to is the user's label).
// Numbers belong in a build's copy, not in the sources under version control.
std::vector<long> LineasNumeradas(vbide::CodeModule& m, const std::string& nombre,
                                  int paginaCodigos);

} // namespace engine
