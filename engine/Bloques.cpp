#include "engine/Bloques.h"

namespace engine {

std::string BloqueOnError(std::string_view modulo, std::string_view procedimiento) {
    std::string b;
    b.append(InicioOnError).append("\r\n");
    b.append("ON ERROR GOTO lblError\r\n");
    b.append("glbErr.Push(\"")
        .append(modulo)
        .append(" \\ ")
        .append(procedimiento)
        .append("\")\r\n");
    b.append(FinOnError).append("\r\n");
    return b;
}

std::string BloqueManejoError(Variante variante, std::string_view salida) {
    std::string b;
    b.append(InicioManejoError).append("\r\n");
    b.append("Salir:\r\n");
    b.append("     glbErr.Pop\r\n");
    b.append("     ").append(salida).append("\r\n");
    b.append("lblError:\r\n");
    b.append("     glbErr.ManejoError\r\n");
    switch (variante) {
    case Variante::OptExit:
        b.append("     GOTO SALIR\r\n");
        break;
    case Variante::OptResume:
        b.append("     Resume Next\r\n");
        break;
    case Variante::OptRaise:
        b.append("     glbErr.Pop\r\n");
        b.append("     Err.Raise Err.Number, Err.Source, Err.Description\r\n");
        break;
    }
    b.append(FinManejoError);
    return b;
}

long LineasManejoError(Variante variante) {
    return variante == Variante::OptRaise ? 9 : 8;
}

} // namespace engine
