#pragma once
// What a command would write, shown as a unified diff instead of being written.

#include <string>
#include <string_view>

namespace cli {

// Unified diff from `antes` to `despues` under the headers "--- a/<ruta>" and "+++ b/<ruta>"
// ("--- /dev/null" for a file that does not exist yet), three lines of context. Lines keep the
// CR of their CR LF end, so that patch(1) applies the diff to the files as they are. Empty when
// nothing differs.
std::string DiferenciaUnificada(std::string_view antes, std::string_view despues,
                                const std::string& ruta, bool nuevo = false);

} // namespace cli
