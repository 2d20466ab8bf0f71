#pragma once
// What every test folder needs from the disk: a fresh temporary folder of its own.

#include <filesystem>
#include <string>
#include <string_view>

namespace soporte {

// A folder of its own under the system's temporary folder (its name begins with `prefijo`),
// removed with everything in it when the object goes, even what a test left read-only.
class Carpeta {
public:
    explicit Carpeta(std::string_view prefijo = "lintrap-prueba");
    ~Carpeta();
    Carpeta(const Carpeta&) = delete;
    Carpeta& operator=(const Carpeta&) = delete;
    const std::filesystem::path& Ruta() const { return ruta_; }
    std::filesystem::path operator/(const std::string& nombre) const { return ruta_ / nombre; }

private:
    std::filesystem::path ruta_;
};

} // namespace soporte
