#pragma once
// The command line's grammar: subcommands, options, --help and --version.

#include "app/cli/Opciones.h"

#include <optional>

namespace cli {

// Parses argv. Nothing when the program must end at once with `codigo` (help or version
// printed: 0; a usage error, already reported on stderr: 2).
std::optional<Opciones> LeeArgumentos(int argc, const char* const* argv, int& codigo);

} // namespace cli
