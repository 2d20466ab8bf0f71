#include "engine/Avisos.h"

#include "base/CodePage.h"

namespace engine {

std::string Texto(const Aviso& a, int paginaCodigos) {
    const std::string p = codepage::AUtf8(a.procedimiento, paginaCodigos);
    const std::string d = codepage::AUtf8(a.detalle, paginaCodigos);
    switch (a.motivo) {
    case Motivo::UnaLinea:
        return "el procedimiento " + p +
               " ocupa una sola línea (su final está en la línea de la cabecera): no se ha "
               "cambiado";
    case Motivo::FinEnLinea:
        return "el final del procedimiento " + p +
               " comparte su línea con otras sentencias: no se le ha añadido el manejo de "
               "errores";
    case Motivo::EtiquetaPropia:
        return "el procedimiento " + p + " ya tiene su propia etiqueta \"" + d +
               "\"; no se le ha añadido el manejo de errores";
    case Motivo::NumeroOcupado:
        return "la línea se queda sin número en " + p + ": el " + d +
               " es una etiqueta a la que salta el código";
    case Motivo::SalidaEnMedio:
        return "en " + p + " la salida tras Then no pasa por Salir: no llama a glbErr.Pop al salir";
    }
    return {};
}

} // namespace engine
