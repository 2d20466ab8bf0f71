#include "engine/Bloques.h"

#include "engine/Lineas.h"

namespace engine {
namespace {

// Each quote doubled; the runs between quotes go in whole.
void AnadeEnLiteral(std::string& r, std::string_view texto) {
    std::size_t desde = 0;
    for (auto q = texto.find('"'); q != std::string_view::npos; q = texto.find('"', q + 1)) {
        r.append(texto.substr(desde, q + 1 - desde)).append(1, '"');
        desde = q + 1;
    }
    r.append(texto.substr(desde));
}

void AnadePush(std::string& r, std::string_view modulo, std::string_view procedimiento) {
    r.append("glbErr.Push(\"");
    AnadeEnLiteral(r, modulo);
    r.append(" \\ ");
    AnadeEnLiteral(r, procedimiento);
    r.append("\")");
}

// The Push line's length with no quote to double: enough room for it in most cases.
std::size_t LargoPush(std::string_view modulo, std::string_view procedimiento) {
    return 18 + modulo.size() + procedimiento.size();
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
    std::string r;
    r.reserve(LargoPush(modulo, procedimiento));
    AnadePush(r, modulo, procedimiento);
    return r;
}

std::string BloqueOnError(std::string_view modulo, std::string_view procedimiento) {
    constexpr std::string_view kError = "ON ERROR GOTO lblError\r\n";
    std::string b;
    b.reserve(InicioOnError.size() + kError.size() + LargoPush(modulo, procedimiento) +
              FinOnError.size() + 6);
    b.append(InicioOnError).append("\r\n");
    b.append(kError);
    AnadePush(b, modulo, procedimiento);
    b.append("\r\n");
    b.append(FinOnError).append("\r\n");
    return b;
}

std::string BloqueManejoError(Variante variante, std::string_view salida) {
    std::string b;
    b.reserve(InicioManejoError.size() + FinManejoError.size() + 192);
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
