#pragma once
// What a command left alone and why: the procedures and lines that the rules cannot change
// without breaking the user's code. The windows show them, the command line prints them, and
// `check` names them before any command runs.

#include <string>

namespace engine {

enum class Motivo {
    UnaLinea,       // the header's line also holds the end statement
    FinEnLinea,     // the end statement does not start its line ("x = 1: End Sub")
    SinFin,         // no line holds the end statement ("End Sub" is missing)
    EtiquetaPropia, // the procedure has its own Salir: or lblError: label
    NumeroOcupado,  // the new number of a line is a label the code jumps to
    SalidaEnMedio,  // an exit statement after Then leaves without passing through Salir
    ModuloNoValido, // the module's name is no identifier: the Push line cannot hold it
    NombreNoValido, // the procedure's name is no identifier
    LineaLarga,     // the Push line would be longer than the editor holds
    MarcaSinFin,    // a block's start marker has no end marker before the procedure's end
};

struct Aviso {
    std::string procedimiento; // code-page bytes
    Motivo motivo;
    long linea = 0; // the line of the module it is about, at the time it was found
    // the label (EtiquetaPropia), the number (NumeroOcupado), the module's name
    // (ModuloNoValido), the length of the line (LineaLarga)
    std::string detalle;
};

// The Spanish text (UTF-8) of the notice; `paginaCodigos` converts the names. `revision`: as
// `check` says it, of what a command would do, not of what it did.
std::string Texto(const Aviso& a, int paginaCodigos, bool revision = false);

} // namespace engine
