#pragma once
// The references viewer without widgets: what frmRefs shows of the active project, as UTF-8
// text. The window and the command line's "refs" share it.

#include "host/vbide/Project.h"

#include <string>
#include <string_view>
#include <vector>

namespace inspectors {

// Appends the name of each reference, in the order the project lists them; an error of the
// object model propagates and leaves the names read before it in `nombres`.
void NombresReferencias(vbide::VBProject& proyecto, int paginaCodigos,
                        std::vector<std::string>& nombres);

// Label3: "Descripción del proyecto:", CR LF and the description; empty for an empty one.
std::string TextoDescripcion(std::string_view descripcion, int paginaCodigos);

// The caption: the project's name and " (Referencias)".
std::string TituloReferencias(std::string_view nombreProyecto, int paginaCodigos);

// Label2 for one reference: name, space, major "." minor in plain decimal, CR LF, the full path,
// CR LF, "GUID: " and the GUID.
std::string DetalleReferencia(vbide::Reference& referencia, int paginaCodigos);

// The reference named `nombre` (UTF-8, as the list shows it) looked up in the project.
vbide::Reference& ReferenciaPorNombre(vbide::VBProject& proyecto, const std::string& nombre,
                                      int paginaCodigos);

} // namespace inspectors
