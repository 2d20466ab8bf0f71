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
    return g_escritorio ? g_escritorio : EscritorioDelSistema();
}
void FijaEscritorio(FuenteEscritorio* fuente) {
    g_escritorio = fuente;
}

std::string HayRaton() {
    auto* e = EscritorioActual();
    return e ? SiNo(e->HayRaton()) : std::string();
}
std::string HayRueda() {
    auto* e = EscritorioActual();
    return e ? SiNo(e->HayRueda()) : std::string();
}

std::string BotonesRaton() {
    auto* e = EscritorioActual();
    const auto n = e ? e->BotonesRaton() : std::nullopt;
    return n ? std::to_string(*n) : std::string();
}

std::string NumeroMonitores() {
    auto* e = EscritorioActual();
    const auto n = e ? e->Monitores() : std::nullopt;
    return n ? TextoMonitores(*n) : std::string();
}

std::string NumeroColores() {
    auto* e = EscritorioActual();
    const auto bits = e ? e->BitsColor() : std::nullopt;
    return bits ? TextoColores(*bits) : std::string();
}

std::string ResolucionPantalla() {
    auto* e = EscritorioActual();
    const auto r = e ? e->Resolucion() : std::nullopt;
    return r ? std::to_string(r->first) + " x " + std::to_string(r->second) : std::string();
}

} // namespace infosistema
