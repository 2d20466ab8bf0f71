#include "base/plataforma/Carpeta.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace plataforma {

bool PuedeEscribirEnCarpeta(const std::filesystem::path& carpeta) {
    return ::access(carpeta.c_str(), W_OK | X_OK) == 0;
}

std::size_t NombreMasLargo(const std::filesystem::path& carpeta) {
    const long largo = ::pathconf(carpeta.empty() ? "." : carpeta.c_str(), _PC_NAME_MAX);
    return largo > 0 ? std::size_t(largo) : NAME_MAX;
}

std::filesystem::path NombreEnCarpeta(const std::filesystem::path& ruta) {
    return ruta.filename();
}

int VaciaCarpeta(const std::filesystem::path& carpeta) {
    const int fd = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (fd >= 0) {
        ::close(fd);
    }
    return error;
}

std::optional<std::filesystem::path> RaizWindows(std::string_view, const std::filesystem::path&) {
    return std::nullopt;
}

} // namespace plataforma
