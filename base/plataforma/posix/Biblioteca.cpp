#include "base/plataforma/Biblioteca.h"

#include <dlfcn.h>

namespace plataforma {

std::optional<Biblioteca> Biblioteca::Carga(const std::string& nombre, std::string& error) {
    void* asa = ::dlopen(nombre.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (asa == nullptr) {
        const char* por = ::dlerror();
        error = por ? por : nombre;
        return std::nullopt;
    }
    return Biblioteca(asa);
}

void* Biblioteca::Busca(const char* simbolo) const {
    return ::dlsym(asa_, simbolo);
}

std::filesystem::path ArchivoQueContiene(const void* direccion) {
    Dl_info info{};
    if (::dladdr(direccion, &info) == 0 || !info.dli_fname) {
        return {};
    }
    return info.dli_fname;
}

} // namespace plataforma
