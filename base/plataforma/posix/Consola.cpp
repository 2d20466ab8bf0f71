#include "base/plataforma/Consola.h"

#include <unistd.h>

namespace plataforma {

bool EsTerminal(Flujo flujo) {
    const int fd = flujo == Flujo::Entrada  ? STDIN_FILENO
                   : flujo == Flujo::Salida ? STDOUT_FILENO
                                            : STDERR_FILENO;
    return ::isatty(fd) == 1;
}

void PreparaConsola() {
    // POSIX streams carry bytes as they are already.
}

std::vector<std::string> ArgumentosUtf8(int argc, const char* const* argv) {
    // Arguments are bytes; the terminals this runs in speak UTF-8.
    return std::vector<std::string>(argv, argv + argc);
}

} // namespace plataforma
