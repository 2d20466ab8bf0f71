#include "tests/support/Carpeta.h"

#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace soporte {

Carpeta::Carpeta(std::string_view prefijo) {
    // A new folder with a random name, tried until one is free, as mkdtemp does on POSIX.
    thread_local std::mt19937_64 azar{std::random_device{}()};
    for (int intento = 0; intento < 100; ++intento) {
        const fs::path ruta = fs::temp_directory_path() /
                              (std::string(prefijo) + "-" + std::to_string(azar() % 1000000000));
        std::error_code ec;
        if (fs::create_directory(ruta, ec) && !ec) {
            ruta_ = ruta;
            return;
        }
    }
    throw std::runtime_error("no temporary folder for " + std::string(prefijo));
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
