#pragma once
// The project named on the command line, and the modules the main window would list.

#include "app/cli/Cerrojos.h"
#include "app/cli/Opciones.h"
#include "host/files/Group.h"

#include <memory>
#include <string>
#include <vector>

namespace cli {

// Ends the open project's life at the end of a command: deletes it, unless DejaAlSalir() was
// called, and lets its locks go.
struct CierraGrupo {
    std::shared_ptr<Cerrojos> cerrojos;
    void operator()(files::Group* grupo) const;
};
using GrupoAbierto = std::unique_ptr<files::Group, CierraGrupo>;

// For a program that ends as soon as the command is done: the project is left as it is rather
// than taken apart record by record (a million lines take longer to free than to save), and the
// system takes the memory back when the process ends.
void DejaAlSalir();

// Loads the project (.vbp) or group (.vbg; its startup project is the one worked on) with the
// command line's code page. A file the project names but that cannot be loaded is an input
// error: every such problem is reported on stderr and the command ends with ErrorVB, before
// anything is changed. Two kinds of missing file only warn: a resource file or related
// document, which holds no code, and with --skip-missing a code file, whose component is
// then left out and its line in the project file kept.
// anything is changed. The group file and each project file are locked first (another run
// holding one: ErrorVB, "in use"), and what an interrupted save left is completed or removed.
GrupoAbierto AbreProyecto(const Opciones& o, files::CodeLoading carga = files::CodeLoading::Now);

// Before a copy into DIR (--out): locks the copy's own project or group file there, so that two
// runs never write the same copy at once.
void CierraDestino(GrupoAbierto& grupo, const Opciones& o, const std::filesystem::path& archivo);

// The module of that name among those the main window lists (case ignored), or nullptr. The
// name is in the project's code page.
files::Component* BuscaModulo(files::Project& p, const std::string& nombre);
// The module `pedido` (as typed after --module) names, or ErrorVB 9 naming it.
class Salida;
files::Component& ModuloPedido(files::Project& p, const Opciones& o, const Salida& s,
                               const std::string& pedido);

// The runtime modules the add-in installs: the class "ClsErrores" (any case, as the insert
// command refuses it) and, once that class is in the project, the module "InfoSistema". They
// are the add-in's code, not the user's: whole-project runs pass them by.
bool EsModuloDelComplemento(files::Project& p, const std::string& nombre);

// The file's path as the user knows it: relative to the project's folder when inside it.
std::string RutaVisible(const files::Project& p, const std::filesystem::path& archivo);

} // namespace cli
