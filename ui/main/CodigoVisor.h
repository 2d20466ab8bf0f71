#pragma once
// What the code viewer shows for the main window's selection: the whole selected module, or
// the current procedure cut out of it. The main window's viewer refresh asks for this and puts
// it into FrmCodigo; the command line's `view` prints it. No widgets here.

#include "engine/EstadoSeleccion.h"
#include "host/vbide/Project.h"
#include "ui/viewer/VistaCodigo.h"

#include <optional>
#include <string>

namespace ui {

// Looks the module up anew in the project (by estado.modulo, case ignored) and reads
// estado.vistaModulo and the current procedure (estado.actual, -1 for none). Never throws for
// a failing lookup or read: that part is skipped, as the refresh runs in resume-next mode.
// The texts are in estado.paginaCodigos, which the result carries.
VistaCodigo CodigoVisor(vbide::VBProject& proyecto, const engine::EstadoSeleccion& estado);

// The lines of procedure `nombre` of the module: from ProcStartLine for ProcCountLines lines.
// Empty optional when the module has no such member, or it is not a method or an event.
std::optional<std::string> ProcAFormCodigo(vbide::CodeModule& modulo, const std::string& nombre);

} // namespace ui
