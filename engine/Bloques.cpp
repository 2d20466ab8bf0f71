#include "engine/Bloques.h"

#include "engine/Lineas.h"

namespace engine {
namespace {

void AnadeEnLiteral(std::string& r, std::string_view texto) {
    for (char c : texto) {
        r += c;
        if (c == '"') {
            r += '"';
        }
    }
}

} // namespace

std::size_t FallaIdentificador(std::string_view nombre) {
    if (nombre.empty() || EsDigito(nombre.front()) || nombre.front() == '_') {
        return 0;
    }
    for (std::size_t i = 0; i < nombre.size(); ++i) {
        if (!DePalabra(nombre[i])) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::string LineaPush(std::string_view modulo, std::string_view procedimiento) {
    std::string r = "glbErr.Push(\"";
    AnadeEnLiteral(r, modulo);
    r += " \\ ";
    AnadeEnLiteral(r, procedimiento);
    r += "\")";
    return r;
}

std::string BloqueOnError(std::string_view modulo, std::string_view procedimiento) {
    std::string b;
    b.append(InicioOnError).append("\r\n");
    b.append("ON ERROR GOTO lblError\r\n");
    b.append(LineaPush(modulo, procedimiento)).append("\r\n");
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
