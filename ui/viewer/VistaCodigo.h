#pragma once
// What the code viewer is asked to show: the main window's refresh computes it (CodigoVisor in
// ui/main), FrmCodigo shows it, the command line's `view` prints it.

#include "base/CodePage.h"

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
    int paginaCodigos = codepage::Predeterminada;
};

// The procedure tag of the whole-module view: the callers list then lists nothing.
inline constexpr const char* kTagModulo = "Todos";

} // namespace ui
