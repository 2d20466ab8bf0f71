#pragma once
// The project named on the command line, and the modules the main window would list.

#include "app/cli/Opciones.h"
#include "host/files/Group.h"

#include <memory>
#include <string>
#include <vector>

namespace cli {

// Loads the project (.vbp) or group (.vbg; its startup project is the one worked on) with the
// command line's code page. A file the project names but that cannot be loaded is an input
// error: every such problem is reported on stderr and the command ends with ErrorVB, before
// anything is changed.
std::unique_ptr<files::Group> AbreProyecto(const Opciones& o);

// The module of that name among those the main window lists (case ignored), or nullptr. The
// name is in the project's code page.
files::Component* BuscaModulo(files::Project& p, const std::string& nombre);

// The runtime modules the add-in installs: the class "ClsErrores" (any case, as the insert
// command refuses it) and, once that class is in the project, the module "InfoSistema". They
// are the add-in's code, not the user's: whole-project runs pass them by.
bool EsModuloDelComplemento(files::Project& p, const std::string& nombre);

// The file's path as the user knows it: relative to the project's folder when inside it.
std::string RutaVisible(const files::Project& p, const std::filesystem::path& archivo);

} // namespace cli
