#include "base/Programa.h"

#include "base/plataforma/Proceso.h"

#include <filesystem>
#include <system_error>

namespace programa {

using plataforma::Ejecutable;

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
