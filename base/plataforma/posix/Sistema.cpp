#include "base/plataforma/Sistema.h"

#include <climits>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace plataforma {

std::string NombreOrdenador() {
    char nombre[HOST_NAME_MAX + 1] = {};
    if (::gethostname(nombre, sizeof nombre - 1) != 0) {
        return {};
    }
    return nombre;
}

long Procesadores() {
    const long n = ::sysconf(_SC_NPROCESSORS_ONLN);
    return n > 0 ? n : 0;
}

std::optional<std::uint64_t> LimiteEspacioDirecciones() {
    rlimit limite{};
    if (::getrlimit(RLIMIT_AS, &limite) != 0 || limite.rlim_cur == RLIM_INFINITY) {
        return std::nullopt;
    }
    return std::uint64_t(limite.rlim_cur);
}

std::optional<std::uint64_t> EspacioLibre(const std::filesystem::path& carpeta) {
    struct statvfs vfs {};
    if (::statvfs(carpeta.c_str(), &vfs) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(vfs.f_bavail) * vfs.f_frsize;
}

} // namespace plataforma
