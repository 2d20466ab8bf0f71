#include "engine/Orden.h"

#include "base/CodePage.h"
#include "base/plataforma/Colacion.h"

#include <algorithm>
#include <cstdint>

namespace engine {

std::vector<std::size_t> OrdenAlfabetico(const std::vector<std::string_view>& nombres,
                                         int paginaCodigos, std::string_view idioma) {
    std::vector<std::size_t> orden(nombres.size());
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
    // Sorted on each key's first sixteen bytes held beside its position, the whole keys read
    // only where those tie: a module's thousands of keys are then compared without a trip to
    // each key's own block (a key takes about a byte a letter, so sixteen bytes tell apart most
    // names, "Calculo1234" and "Calculo1243" among them). Ties end on the position, which keeps
    // equal names in their order.
    struct Elemento {
        std::uint64_t alto;
        std::uint64_t bajo;
        std::size_t indice;
    };
    auto ocho = [](const std::string& clave, std::size_t desde) {
        std::uint64_t p = 0;
        for (std::size_t k = desde; k < desde + 8; ++k)
            p = p << 8 | (k < clave.size() ? static_cast<unsigned char>(clave[k]) : 0u);
        return p;
    };
    std::vector<Elemento> elementos(nombres.size());
    for (std::size_t i = 0; i < claves.size(); ++i) {
        elementos[i] = {ocho(claves[i], 0), ocho(claves[i], 8), i};
    }
    std::sort(elementos.begin(), elementos.end(), [&](const Elemento& a, const Elemento& b) {
        if (a.alto != b.alto)
            return a.alto < b.alto;
        if (a.bajo != b.bajo)
            return a.bajo < b.bajo;
        const int c = claves[a.indice].compare(claves[b.indice]);
        return c != 0 ? c < 0 : a.indice < b.indice;
    });
    for (std::size_t i = 0; i < elementos.size(); ++i)
        orden[i] = elementos[i].indice;
    return orden;
}

} // namespace engine
