#pragma once
// What the code viewer shows for the main window's selection: the whole selected module, or
// the current procedure cut out of it. The main window's viewer refresh asks for this and puts
// it into FrmCodigo; the command line's `view` prints it. No widgets here.

#include "engine/EstadoSeleccion.h"
#include "host/vbide/Project.h"

#include <optional>
#include <string>

namespace ui {

// All texts are the project's code-page bytes, as the code module holds them.
struct VistaCodigo {
    std::string caption; // the module's name, or the procedure's (List2.Text)
    std::string tag;     // "Todos" for the whole module, else the procedure's name
    // The lines joined by CR LF. Empty optional: the module or the procedure could not be read
    // (unknown name, not a method or event), and the viewer keeps the text it has.
    std::optional<std::string> texto;
    bool mnuDepVisible = false; // "Dependencias" is offered for one procedure only
};

// The procedure tag of the whole-module view: the callers list then lists nothing.
inline constexpr const char* kTagModulo = "Todos";

// Looks the module up anew in the project (by estado.modulo, case ignored) and reads
// estado.vistaModulo and the current procedure (estado.actual, -1 for none). Never throws for
// a failing lookup or read: that part is skipped, as the refresh runs in resume-next mode.
VistaCodigo CodigoVisor(vbide::VBProject& proyecto, const engine::EstadoSeleccion& estado);

// The lines of procedure `nombre` of the module: from ProcStartLine for ProcCountLines lines.
// Empty optional when the module has no such member, or it is not a method or an event.
std::optional<std::string> ProcAFormCodigo(vbide::CodeModule& modulo, const std::string& nombre);

} // namespace ui
