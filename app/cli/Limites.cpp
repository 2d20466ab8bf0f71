#include "app/cli/Limites.h"

#include <limits>
#include <string>

namespace cli {

long long NumeroDeLinea(std::string_view linea) {
    std::size_t i = 0;
    while (i < linea.size() && linea[i] == ' ')
        ++i;
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

namespace {

// Only a number above the limit counts: one of four digits or fewer cannot be, nor one of five
// up to the limit's own, compared as text. Most lines are passed by here.
bool PuedePasar(std::string_view linea) {
    std::size_t i = 0;
    while (i < linea.size() && linea[i] == ' ')
        ++i;
    std::size_t cifras = 0;
    while (i + cifras < linea.size() && cifras < 6 && linea[i + cifras] >= '0' &&
           linea[i + cifras] <= '9')
        ++cifras;
    static const std::string limite = std::to_string(kMayorNumeroErl);
    return cifras > limite.size() ||
           (cifras == limite.size() && linea.substr(i, cifras) > std::string_view(limite));
}

} // namespace

std::vector<Exceso> BuscaExcesos(const vbide::CodeModule& m) {
    std::vector<Exceso> excesos;
    const long total = m.CountOfLines();
    bool continuada = false;
    for (long l = 1; l <= total; ++l) {
        const std::string_view linea = m.Line(l);
        // A continued line's leading number is data, not a label.
        const long long numero = continuada || !PuedePasar(linea) ? -1 : NumeroDeLinea(linea);
        if (numero > kMayorNumeroErl)
            excesos.push_back({Exceso::Numero, l, numero});
        if (static_cast<long long>(linea.size()) > kLineaMasLarga)
            excesos.push_back({Exceso::Longitud, l, static_cast<long long>(linea.size())});
        std::size_t fin = linea.size();
        while (fin > 0 && (linea[fin - 1] == ' ' || linea[fin - 1] == '\t'))
            --fin;
        continuada =
            fin > 1 && linea[fin - 1] == '_' && (linea[fin - 2] == ' ' || linea[fin - 2] == '\t');
    }
    return excesos;
}

} // namespace cli
