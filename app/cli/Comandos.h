#pragma once
// One function per subcommand; each returns the exit code and reports failures by ErrorVB.

#include "app/cli/Opciones.h"

namespace cli {

int ComandoList(const Opciones& o);
int ComandoCambio(const Opciones& o); // insert and remove
int ComandoSave(const Opciones& o);
int ComandoCheck(const Opciones& o);
int ComandoReport(const Opciones& o);
int ComandoView(const Opciones& o);
int ComandoCallers(const Opciones& o);
int ComandoRefs(const Opciones& o);
int ComandoControls(const Opciones& o);
int ComandoConfig(const Opciones& o);

} // namespace cli
