#pragma once
// The command line's choice of modules and procedures, turned into one selection state per
// module: what the main window would show after selecting that module and its procedures.

#include "app/cli/DialogosCli.h"
#include "app/cli/Limites.h"
#include "app/cli/Opciones.h"
#include "app/cli/Salida.h"
#include "engine/EstadoSeleccion.h"
#include "host/files/Project.h"

#include <vector>

namespace cli {

struct Trabajo {
    engine::EstadoSeleccion estado;
    std::vector<Mensaje> mensajes; // the boxes the command showed for this module
    std::vector<Exceso> excesos;   // numbers or lines the editor would refuse, once numbered
    bool cambiado = false;         // the command changed the module
};

// One state per chosen module, in module-list order, with its procedures listed and selected,
// the mode, the variant and the pending settings. Modules in which none of the named
// procedures exists are left out; a name given on the command line that matches nothing, or
// no procedure chosen at all, is an input error (ErrorVB).
std::vector<Trabajo> PreparaTrabajos(files::Project& p, const Opciones& o, const Salida& s);

} // namespace cli
