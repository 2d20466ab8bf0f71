#include "app/cli/Diferencia.h"

#include <dtl/dtl.hpp>

#include <vector>

// Where libgit2 is not at hand (Windows): the same unified diff made with dtl, a header-only
// diff library that builds for every system. Its hunks may be cut differently from git's on
// the same change; both apply to the files as they are.

namespace cli {
namespace {

// The lines with their own line breaks, so that a CR or a missing last break is part of the
// line compared and shown.
std::vector<std::string> Lineas(std::string_view texto) {
    std::vector<std::string> lineas;
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        const std::size_t fin = texto.find('\n', inicio);
        const std::size_t hasta = fin == std::string_view::npos ? texto.size() : fin + 1;
        lineas.emplace_back(texto.substr(inicio, hasta - inicio));
        inicio = hasta;
    }
    return lineas;
}

template <class Elemento> void Escribe(std::string& salida, char marca, const Elemento& e) {
    salida += marca;
    salida += e.first;
    if (e.first.empty() || e.first.back() != '\n') {
        salida += "\n\\ No newline at end of file\n";
    }
}

} // namespace

std::string DiferenciaUnificada(std::string_view antes, std::string_view despues,
                                const std::string& ruta, bool nuevo) {
    if (antes == despues && !nuevo)
        return {};
    const std::vector<std::string> a = Lineas(antes), b = Lineas(despues);
    dtl::Diff<std::string> diferencia(a, b);
    diferencia.compose();
    diferencia.composeUnifiedHunks(); // three lines of context

    std::string salida;
    salida += nuevo ? std::string("--- /dev/null\n") : "--- a/" + ruta + "\n";
    salida += "+++ b/" + ruta + "\n";
    for (const auto& trozo : diferencia.getUniHunks()) {
        salida += "@@ -" + std::to_string(trozo.a) + "," + std::to_string(trozo.b) + " +" +
                  std::to_string(trozo.c) + "," + std::to_string(trozo.d) + " @@\n";
        for (const auto& e : trozo.common[0])
            Escribe(salida, ' ', e);
        for (const auto& e : trozo.change)
            Escribe(salida,
                    e.second.type == dtl::SES_ADD      ? '+'
                    : e.second.type == dtl::SES_DELETE ? '-'
                                                       : ' ',
                    e);
        for (const auto& e : trozo.common[1])
            Escribe(salida, ' ', e);
    }
    return salida;
}

} // namespace cli
