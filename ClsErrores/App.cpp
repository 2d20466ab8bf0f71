#include "ClsErrores/App.h"

#include <filesystem>
#include <mutex>
#include <system_error>

namespace app {
namespace {

std::filesystem::path Ejecutable() {
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path{} : p;
}

std::mutex& Cerrojo() {
    static std::mutex m;
    return m;
}

std::string& TituloGuardado() {
    static std::string t = "Lintrap";
    return t;
}

} // namespace

std::string Path() {
    auto carpeta = Ejecutable().parent_path();
    if (carpeta.empty()) {
        std::error_code ec;
        carpeta = std::filesystem::current_path(ec);
    }
    return carpeta.string();
}

std::string EXEName() {
    return Ejecutable().stem().string();
}

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
