#include "tests/support/Carpeta.h"

#include <stdexcept>
#include <stdlib.h>

namespace fs = std::filesystem;

namespace soporte {

Carpeta::Carpeta(std::string_view prefijo) {
    std::string plantilla =
        (fs::temp_directory_path() / (std::string(prefijo) + "-XXXXXX")).string();
    if (!::mkdtemp(plantilla.data())) {
        throw std::runtime_error("mkdtemp failed for " + plantilla);
    }
    ruta_ = plantilla;
}

Carpeta::~Carpeta() {
    std::error_code ec;
    // A test may leave a folder read-only; give the write bit back so that it can go.
    for (auto it = fs::recursive_directory_iterator(ruta_, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_directory(ec)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
    }
    fs::permissions(ruta_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(ruta_, ec);
}

} // namespace soporte
