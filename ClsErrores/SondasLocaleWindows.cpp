#include "ClsErrores/Sondas.h"

// The locale probes on Windows. The facts come from GetLocaleInfoEx, which the report's Windows
// probes will read through the platform layer; until they do, each fact has no source here and
// gives the empty text, and the report leaves its line out.

namespace infosistema {

std::string NombreLenguaje() {
    return {};
}
std::string NombrePais() {
    return {};
}
std::string SeparadorFecha() {
    return {};
}
std::string SeparadorTiempo() {
    return {};
}
std::string FormatoFechaLarga() {
    return {};
}
std::string FormatoFechaCorta() {
    return {};
}
std::string FormatoTiempo() {
    return {};
}
std::string SeparadorDecimal() {
    return {};
}
std::string SeparadorMiles() {
    return {};
}
std::string HayDBCS() {
    return {};
}
std::string HayMidEast() {
    return {};
}
std::string FechaCorta() {
    return {};
}
std::string FechaGeneral(long long) {
    return {};
}

} // namespace infosistema
