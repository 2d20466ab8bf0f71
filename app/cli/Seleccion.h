#pragma once
// The command line's choice of modules and procedures, turned into one selection state per
// module: what the main window would show after selecting that module and its procedures.

#include "app/cli/DialogosCli.h"
#include "app/cli/Limites.h"
#include "app/cli/Opciones.h"
#include "app/cli/Salida.h"
#include "engine/Comandos.h"
#include "engine/EstadoSeleccion.h"
#include "host/files/Project.h"

#include <vector>

namespace cli {

struct Trabajo {
    engine::EstadoSeleccion estado;
    std::vector<std::string> pedidos; // the procedures named with --proc, in the code page
    std::vector<bool> hallados;       // which of them the module has
    bool omitido = false;             // none of them is in the module: nothing to do there
    std::vector<Mensaje> mensajes;    // the errors glbErr showed during this module's command
    std::vector<Exceso> excesos;      // numbers or lines the editor would refuse, once numbered
    engine::ResultadoComando hecho;   // what the command did
};

// The values of --email and --msg as clsErrores would hold them: a value that is no single
// string literal, or an address the mail path refuses, is an input error (ErrorVB) naming the
// option, before anything is written.
void CompruebaAjustes(const Opciones& o);

// One job per chosen module, in module-list order, not yet selected. No procedure chosen at
// all, or a module name that matches none, is an input error (ErrorVB).
std::vector<Trabajo> PreparaTrabajos(files::Project& p, const Opciones& o, const Salida& s);

// What the main window would show after selecting the job's module and its procedures: the
// procedures listed and selected, the mode, the variant and the pending settings. False when
// none of the procedures named with --proc is in the module (the job is then left out).
// Reads the module's code: one job per thread at a time.
bool Selecciona(files::Project& p, const Opciones& o, Trabajo& t);

// A procedure named with --proc that no selected module has is an input error (ErrorVB).
void CompruebaPedidos(const std::vector<Trabajo>& trabajos, const Opciones& o);

} // namespace cli
