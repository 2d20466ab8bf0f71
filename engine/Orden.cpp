#include "engine/Orden.h"

#include "base/CodePage.h"
#include "base/plataforma/Colacion.h"

#include <algorithm>
#include <numeric>

namespace engine {

std::vector<std::size_t> OrdenAlfabetico(const std::vector<std::string_view>& nombres,
                                         int paginaCodigos, std::string_view idioma) {
    std::vector<std::size_t> orden(nombres.size());
    std::iota(orden.begin(), orden.end(), std::size_t{0});
    std::vector<std::string> claves;
    claves.reserve(nombres.size());
    const auto& tabla = codepage::TablaMinusculas(paginaCodigos);
    for (std::string_view nombre : nombres) {
        const std::string utf8 = codepage::AUtf8(nombre, paginaCodigos);
        auto clave = plataforma::ClaveDeOrden(utf8, idioma);
        if (!clave) {
            clave = plataforma::ClaveDeOrden(utf8, ""); // the root order
        }
        if (clave) {
            claves.push_back(std::move(*clave));
        } else {
            // no collation data at all: the code page's folded bytes
            std::string plegado(nombre);
            for (char& c : plegado) {
                c = static_cast<char>(tabla[static_cast<unsigned char>(c)]);
            }
            claves.push_back(std::move(plegado));
        }
    }
    std::stable_sort(orden.begin(), orden.end(),
                     [&](std::size_t a, std::size_t b) { return claves[a] < claves[b]; });
    return orden;
}

} // namespace engine
