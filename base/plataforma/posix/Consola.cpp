#include "base/plataforma/Consola.h"

#include <unistd.h>

namespace plataforma {

bool EsTerminal(Flujo flujo) {
    const int fd = flujo == Flujo::Entrada  ? STDIN_FILENO
                   : flujo == Flujo::Salida ? STDOUT_FILENO
                                            : STDERR_FILENO;
    return ::isatty(fd) == 1;
}

} // namespace plataforma
