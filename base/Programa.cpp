#include "base/Programa.h"

#include <filesystem>
#include <system_error>

namespace programa {
namespace {

std::filesystem::path Ejecutable() {
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path{} : p;
}

} // namespace

std::string Carpeta() {
    auto carpeta = Ejecutable().parent_path();
    if (carpeta.empty()) {
        std::error_code ec;
        carpeta = std::filesystem::current_path(ec);
    }
    return carpeta.string();
}

std::string Nombre() {
    return Ejecutable().stem().string();
}

} // namespace programa
