#pragma once
// The grammar of the commands that show what the add-in's windows show: callers, refs,
// controls and config.

#include "app/cli/Opciones.h"

namespace CLI {
class App;
}

namespace cli {

struct SubcomandosVistas {
    CLI::App* callers = nullptr;
    CLI::App* refs = nullptr;
    CLI::App* controls = nullptr;
    CLI::App* config = nullptr;
};

SubcomandosVistas AnadeVistas(CLI::App& app, Opciones& o);

// After parsing: true when one of these commands was chosen, with o.comando set. A usage error
// throws CLI::ValidationError.
bool EligeVista(const SubcomandosVistas& v, Opciones& o);

} // namespace cli
