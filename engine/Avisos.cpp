#include "engine/Avisos.h"

#include "base/CodePage.h"
#include "engine/Bloques.h"

#include <cstdio>

namespace engine {
namespace {

// Why `nombre` (code-page bytes) is no identifier: the first character that may not stand
// where it stands.
std::string PorQue(std::string_view nombre, int paginaCodigos) {
    const std::size_t i = FallaIdentificador(nombre);
    if (i >= nombre.size()) {
        return "está vacío";
    }
    const auto c = static_cast<unsigned char>(nombre[i]);
    std::string caracter;
    if (c < 0x20 || c == 0x7F) {
        char codigo[8];
        std::snprintf(codigo, sizeof codigo, "0x%02X", c);
        caracter = std::string("el carácter ") + codigo;
    } else {
        caracter = "«" + codepage::AUtf8(nombre.substr(i, 1), paginaCodigos) + "»";
    }
    return (i == 0 ? "empieza por " : "lleva ") + caracter;
}

} // namespace

std::string Texto(const Aviso& a, int paginaCodigos, bool revision) {
    const std::string p = codepage::AUtf8(a.procedimiento, paginaCodigos);
    const std::string d = codepage::AUtf8(a.detalle, paginaCodigos);
    const std::string sinManejo = revision ? "no se le puede añadir el manejo de errores"
                                           : "no se le ha añadido el manejo de errores";
    switch (a.motivo) {
    case Motivo::UnaLinea:
        return "el procedimiento " + p +
               " ocupa una sola línea (su final está en la línea de la cabecera): " +
               (revision ? "las órdenes no lo cambian" : "no se ha cambiado");
    case Motivo::FinEnLinea:
        return "el final del procedimiento " + p +
               " comparte su línea con otras sentencias: " + sinManejo;
    case Motivo::SinFin:
        return "el procedimiento " + p + " no tiene su línea final (End Sub, End Function o " +
               "End Property): " + sinManejo;
    case Motivo::EtiquetaPropia:
        return "el procedimiento " + p + " ya tiene su propia etiqueta \"" + d + "\"; " + sinManejo;
    case Motivo::NumeroOcupado:
        return std::string(revision ? "al numerar, la línea se quedaría" : "la línea se queda") +
               " sin número en " + p + ": el " + d + " es una etiqueta a la que salta el código";
    case Motivo::ModuloNoValido:
        return "el nombre del módulo " + d + " no es un identificador de VB (" +
               PorQue(a.detalle, paginaCodigos) + "): " + sinManejo + " a " + p;
    case Motivo::NombreNoValido:
        return "el nombre del procedimiento " + p + " no es un identificador de VB (" +
               PorQue(a.procedimiento, paginaCodigos) + "): " + sinManejo;
    case Motivo::LineaLarga:
        return "la línea glbErr.Push que nombra a " + p + " tendría " + d +
               " caracteres, más de los 1023 que admite el editor: " + sinManejo;
    case Motivo::MarcaSinFin:
        return "el procedimiento " + p +
               " tiene una marca de comienzo de bloque sin su marca de fin antes de su final: " +
               (revision ? "las órdenes del manejo de errores no lo cambian" : "no se ha cambiado");
    case Motivo::SalidaEnMedio:
        return "en " + p +
               " esta salida no empieza su línea: sale sin pasar por Salir, sin llamar a "
               "glbErr.Pop";
    }
    return {};
}

} // namespace engine
