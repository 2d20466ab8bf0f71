#include "ClsErrores/SondasEscritorio.h"

#include "ClsErrores/Sondas.h"
#include "ClsErrores/TextosSistema.h"

namespace infosistema {

namespace {
FuenteEscritorio* g_escritorio = nullptr;

std::string SiNo(std::optional<bool> v) {
    return v ? (*v ? "Yes" : "No") : std::string();
}
} // namespace

FuenteEscritorio* EscritorioActual() {
    return g_escritorio;
}
void FijaEscritorio(FuenteEscritorio* fuente) {
    g_escritorio = fuente;
}

std::string HayRaton() {
    return g_escritorio ? SiNo(g_escritorio->HayRaton()) : std::string();
}
std::string HayRueda() {
    return g_escritorio ? SiNo(g_escritorio->HayRueda()) : std::string();
}

std::string BotonesRaton() {
    const auto n = g_escritorio ? g_escritorio->BotonesRaton() : std::nullopt;
    return n ? std::to_string(*n) : std::string();
}

std::string NumeroMonitores() {
    const auto n = g_escritorio ? g_escritorio->Monitores() : std::nullopt;
    return n ? TextoMonitores(*n) : std::string();
}

std::string NumeroColores() {
    const auto bits = g_escritorio ? g_escritorio->BitsColor() : std::nullopt;
    return bits ? TextoColores(*bits) : std::string();
}

std::string ResolucionPantalla() {
    const auto r = g_escritorio ? g_escritorio->Resolucion() : std::nullopt;
    return r ? std::to_string(r->first) + " x " + std::to_string(r->second) : std::string();
}

} // namespace infosistema
