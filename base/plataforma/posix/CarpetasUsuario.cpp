#include "base/plataforma/CarpetasUsuario.h"

#include <cstdlib>

namespace plataforma {

std::filesystem::path CarpetaConfiguracion() {
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) {
        return x;
    }
    if (const char* h = std::getenv("HOME"); h && *h) {
        return std::filesystem::path(h) / ".config";
    }
    return ".config";
}

} // namespace plataforma
