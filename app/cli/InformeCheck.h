#pragma once
// What `check` found, written for the reader at hand: plain text, JSON for other tools, SARIF
// 2.1.0 for code-scanning tools and the one-line form of Windows build logs, which editors and
// build servers turn into links to the file and line.

#include "app/cli/Opciones.h"
#include "engine/Avisos.h"

#include <string>
#include <vector>

namespace cli {

struct Hallazgo {
    long linea;        // in the code module
    long lineaArchivo; // in the module file: the header's lines counted
    // noErrorHandling, lineNumber, lineLength, lineNumbers; what the rules cannot do safely:
    // oneLine, endSharesLine, noEndLine, ownLabel, labelCollision, exitInLine, badModuleName,
    // badProcedureName, pushLineTooLong, blockWithoutEnd
    std::string tipo;
    std::string procedimiento;
    long long valor = 0;
    std::string texto;
};

struct HallazgosModulo {
    std::string modulo;  // UTF-8
    std::string archivo; // as the user names it (RutaVisible): relative to the project
    // From the current folder, where build logs and code-scanning tools resolve it: relative
    // when the file is below it, else the whole path; the system's separators.
    std::string desdeAqui;
    std::vector<Hallazgo> hallazgos;
};

// The kind of finding (above) a notice of the rules is.
std::string TipoDe(engine::Motivo motivo);
// The kind's stable code in build logs and code scanning ("LT0001"), empty for no known kind.
std::string CodigoDe(const std::string& tipo);

// The whole output, ready for standard output (UTF-8; the text forms already made Visible).
std::string InformeCheck(const std::vector<HallazgosModulo>& modulos, FormatoCheck formato);

} // namespace cli
