#include "app/cli/Limites.h"

#include <limits>

namespace cli {

long long NumeroDeLinea(std::string_view linea) {
    std::size_t i = linea.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return -1;
    std::size_t inicio = i;
    long long valor = 0;
    bool grande = false;
    while (i < linea.size() && linea[i] >= '0' && linea[i] <= '9') {
        if (valor > (std::numeric_limits<long long>::max() - 9) / 10)
            grande = true;
        else
            valor = valor * 10 + (linea[i] - '0');
        ++i;
    }
    if (i == inicio)
        return -1;
    // A label is a number standing alone: "100 x = 1", "100:", "100". "1x = 2" is no number.
    if (i < linea.size() && linea[i] != ' ' && linea[i] != ':' && linea[i] != '\t')
        return -1;
    return grande ? std::numeric_limits<long long>::max() : valor;
}

std::vector<Exceso> BuscaExcesos(const vbide::CodeModule& m) {
    std::vector<Exceso> excesos;
    const long total = m.CountOfLines();
    bool continuada = false;
    for (long l = 1; l <= total; ++l) {
        const std::string_view linea = m.Line(l);
        // A continued line's leading number is data, not a label.
        const long long numero = continuada ? -1 : NumeroDeLinea(linea);
        if (numero > kMayorNumeroErl)
            excesos.push_back({Exceso::Numero, l, numero});
        if (static_cast<long long>(linea.size()) > kLineaMasLarga)
            excesos.push_back({Exceso::Longitud, l, static_cast<long long>(linea.size())});
        const std::size_t fin = linea.find_last_not_of(" \t");
        continuada = fin != std::string_view::npos && fin > 0 && linea[fin] == '_' &&
                     (linea[fin - 1] == ' ' || linea[fin - 1] == '\t');
    }
    return excesos;
}

} // namespace cli
