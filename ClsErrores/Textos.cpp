#include "ClsErrores/Textos.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace infosistema {

std::string FormatoNumero(double n, std::string_view separadorMiles) {
    if (!std::isfinite(n)) {
        return {};
    }
    const double redondeado = std::round(n); // halves away from zero, as the pattern does
    if (redondeado == 0) {
        return {};
    }
    char digitos[400];
    const int largo = std::snprintf(digitos, sizeof digitos, "%.0f", std::fabs(redondeado));
    if (largo <= 0 || largo >= static_cast<int>(sizeof digitos)) {
        return {};
    }
    std::string resultado = redondeado < 0 ? "-" : "";
    for (int i = 0; i < largo; ++i) {
        if (i > 0 && (largo - i) % 3 == 0) {
            resultado += separadorMiles;
        }
        resultado += digitos[i];
    }
    return resultado;
}

std::string FormatoNumeroTexto(std::string_view texto, std::string_view separadorMiles) {
    double n = 0;
    const auto* fin = texto.data() + texto.size();
    const auto [p, ec] = std::from_chars(texto.data(), fin, n);
    if (texto.empty() || ec != std::errc{} || p != fin) {
        return std::string(texto);
    }
    return FormatoNumero(n, separadorMiles);
}

namespace {
template <class T> std::string Decimal(T n, std::string_view separadorDecimal) {
    char buf[64];
    const auto [p, ec] = std::to_chars(buf, buf + sizeof buf, n);
    if (ec != std::errc{}) {
        return {};
    }
    std::string resultado;
    for (const char* c = buf; c != p; ++c) {
        if (*c == '.') {
            resultado += separadorDecimal;
        } else {
            resultado += *c == 'e' ? 'E' : *c;
        }
    }
    return resultado;
}
} // namespace

std::string TextoDecimal(double n, std::string_view separadorDecimal) {
    return Decimal(n, separadorDecimal);
}
std::string TextoDecimal(float n, std::string_view separadorDecimal) {
    return Decimal(n, separadorDecimal);
}

unsigned HiWord(std::uint32_t valor) {
    return valor >> 16;
}
unsigned LoWord(std::uint32_t valor) {
    return valor & 0xFFFFu;
}

std::string CorteMayorMenor(std::string_view version) {
    // The search starts at the third character so that a one-digit major version keeps its
    // minor part ("2.80") while a two-digit one is cut right after it ("10").
    if (version.size() < 3) {
        return std::string(version);
    }
    const auto punto = version.find('.', 2);
    if (punto == std::string_view::npos) {
        return std::string(version);
    }
    return std::string(version.substr(0, punto));
}

} // namespace infosistema
