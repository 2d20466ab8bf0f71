#include "app/cli/Diferencia.h"

#include <dtl/dtl.hpp>

#include <vector>

namespace cli {
namespace {

struct Lineas {
    std::vector<std::string> lineas;
    bool sinSaltoFinal = false; // the last line has no LF after it
};

Lineas Parte(std::string_view texto) {
    Lineas r;
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        std::size_t fin = texto.find('\n', inicio);
        if (fin == std::string_view::npos) {
            r.lineas.emplace_back(texto.substr(inicio));
            r.sinSaltoFinal = true;
            break;
        }
        r.lineas.emplace_back(texto.substr(inicio, fin - inicio));
        inicio = fin + 1;
    }
    return r;
}

void Linea(std::string& salida, char marca, const std::string& linea, bool ultimaSinSalto) {
    salida += marca;
    salida += linea;
    salida += '\n';
    if (ultimaSinSalto)
        salida += "\\ No newline at end of file\n";
}

} // namespace

std::string DiferenciaUnificada(std::string_view antes, std::string_view despues,
                                const std::string& ruta, bool nuevo) {
    if (antes == despues && !nuevo)
        return {};
    Lineas a = Parte(antes);
    Lineas b = Parte(despues);

    dtl::Diff<std::string> diff(a.lineas, b.lineas);
    // Numbering rewrites nearly every line: the plain algorithm would hold an edit graph of
    // lines × changes; the huge mode keeps memory linear.
    if (a.lineas.size() + b.lineas.size() > 20000)
        diff.enableHuge();
    diff.compose();
    diff.composeUnifiedHunks();

    std::string salida;
    salida += nuevo ? std::string("--- /dev/null\n") : "--- a/" + ruta + "\n";
    salida += "+++ b/" + ruta + "\n";
    for (const auto& hunk : diff.getUniHunks()) {
        // dtl counts a hunk that starts at an empty side from 1; diff(1) writes 0 there.
        long long desdeA = hunk.b == 0 ? hunk.a - 1 : hunk.a;
        long long desdeB = hunk.d == 0 ? hunk.c - 1 : hunk.c;
        if (desdeA < 0)
            desdeA = 0;
        if (desdeB < 0)
            desdeB = 0;
        salida += "@@ -" + std::to_string(desdeA) + "," + std::to_string(hunk.b) + " +" +
                  std::to_string(desdeB) + "," + std::to_string(hunk.d) + " @@\n";
        auto emite = [&](const auto& elementos) {
            for (const auto& [linea, info] : elementos) {
                char marca = ' ';
                bool ultima = false;
                if (info.type == dtl::SES_DELETE) {
                    marca = '-';
                    ultima = a.sinSaltoFinal && info.beforeIdx == (long long)a.lineas.size();
                } else if (info.type == dtl::SES_ADD) {
                    marca = '+';
                    ultima = b.sinSaltoFinal && info.afterIdx == (long long)b.lineas.size();
                } else {
                    ultima = (a.sinSaltoFinal && info.beforeIdx == (long long)a.lineas.size()) ||
                             (b.sinSaltoFinal && info.afterIdx == (long long)b.lineas.size());
                }
                Linea(salida, marca, linea, ultima);
            }
        };
        emite(hunk.common[0]);
        emite(hunk.change);
        emite(hunk.common[1]);
    }
    return salida;
}

} // namespace cli
