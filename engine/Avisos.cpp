#include "engine/Avisos.h"

#include "base/CodePage.h"

namespace engine {

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
    case Motivo::SalidaEnMedio:
        return "en " + p +
               " esta salida no empieza su línea: sale sin pasar por Salir, sin llamar a "
               "glbErr.Pop";
    }
    return {};
}

} // namespace engine
