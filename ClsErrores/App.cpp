#include "ClsErrores/App.h"

#include <mutex>

namespace app {
namespace {

std::mutex& Cerrojo() {
    static std::mutex m;
    return m;
}

std::string& TituloGuardado() {
    static std::string t = "Lintrap";
    return t;
}

} // namespace

std::string Title() {
    std::lock_guard l(Cerrojo());
    return TituloGuardado();
}

void FijaTitle(std::string titulo) {
    std::lock_guard l(Cerrojo());
    TituloGuardado() = std::move(titulo);
}

int Major() {
    return LINTRAP_VERSION_MAJOR;
}
int Minor() {
    return LINTRAP_VERSION_MINOR;
}
int Revision() {
    return LINTRAP_VERSION_PATCH;
}

} // namespace app
