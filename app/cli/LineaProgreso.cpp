#include "app/cli/LineaProgreso.h"

#include "app/cli/Salida.h"
#include "base/plataforma/Consola.h"

#include <cstdio>

namespace cli {

bool LineaProgreso::EsTerminal() {
    return plataforma::EsTerminal(plataforma::Flujo::Errores);
}

LineaProgreso::LineaProgreso(std::size_t total, bool activa) : total_(total), activa_(activa) {}

LineaProgreso::LineaProgreso(std::size_t total) : LineaProgreso(total, EsTerminal() && total > 1) {}

LineaProgreso::~LineaProgreso() {
    Termina();
}

void LineaProgreso::Termina() {
    std::lock_guard<std::mutex> guarda(cerrojo_);
    if (escrito_) {
        std::fputs("\r\x1b[K", stderr);
        std::fflush(stderr);
        escrito_ = false;
    }
    activa_ = false;
}

void LineaProgreso::Hecho(const std::string& nombre) {
    std::lock_guard<std::mutex> guarda(cerrojo_);
    if (!activa_)
        return;
    ++hechos_;
    // A terminal redrawn for every one of hundreds of small modules costs more than the work.
    auto ahora = std::chrono::steady_clock::now();
    if (hechos_ < total_ && ahora - ultimo_ < std::chrono::milliseconds(100))
        return;
    ultimo_ = ahora;
    unsigned porcentaje = total_ ? static_cast<unsigned>(hechos_ * 100 / total_) : 100;
    std::fprintf(stderr, "\r\x1b[Klintrap: %3u%% (%zu/%zu) %s", porcentaje, hechos_, total_,
                 Salida::Visible(nombre).c_str());
    std::fflush(stderr);
    escrito_ = true;
}

} // namespace cli
