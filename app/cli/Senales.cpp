#include "app/cli/Senales.h"

#include "base/plataforma/Interrupciones.h"
#include "host/files/ProjectLock.h"
#include "host/files/Temporaries.h"

#include <chrono>
#include <string>
#include <thread>

namespace cli {

namespace {

// Runs on the interruption's own thread: a commit under way is finished first.
std::string AlInterrumpir(const plataforma::Interrupcion& senal) {
    const auto estado = files::Temporaries::Shared().Interrupt();
    files::ProjectLock::RemoveHeld();
    const std::string nombre(senal.nombre);
    return estado == files::Temporaries::Interrupted::SaveFinished
               ? "lintrap: interrumpido (" + nombre +
                     ") después de guardar: los archivos guardados están completos\n"
               : "lintrap: interrumpido (" + nombre +
                     "); no se ha guardado nada y no queda ningún archivo temporal\n";
}

} // namespace

void AtiendeInterrupciones() {
    static const bool hecho = plataforma::AtiendeInterrupciones(AlInterrumpir);
    (void)hecho;
}

void CedeSiInterrumpido() {
    if (!files::Temporaries::Shared().Closed())
        return;
    for (;;) // the handler's _exit ends this
        std::this_thread::sleep_for(std::chrono::hours(1));
}

} // namespace cli
