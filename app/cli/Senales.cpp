#include "app/cli/Senales.h"

#include "host/files/ProjectLock.h"
#include "host/files/Temporaries.h"

#include <chrono>
#include <pthread.h>
#include <signal.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace cli {

void AtiendeInterrupciones() {
    static const bool hecho = [] {
        sigset_t senales;
        sigemptyset(&senales);
        sigaddset(&senales, SIGINT);
        sigaddset(&senales, SIGTERM);
        if (pthread_sigmask(SIG_BLOCK, &senales, nullptr) != 0)
            return false;
        try {
            std::thread([senales] {
                int senal = 0;
                while (sigwait(&senales, &senal) != 0) {
                }
                const auto estado = files::Temporaries::Shared().Interrupt();
                files::ProjectLock::RemoveHeld();
                const std::string nombre = senal == SIGINT ? "SIGINT" : "SIGTERM";
                const std::string texto =
                    estado == files::Temporaries::Interrupted::SaveFinished
                        ? "lintrap: interrumpido (" + nombre +
                              ") después de guardar: los archivos guardados están completos\n"
                        : "lintrap: interrumpido (" + nombre +
                              "); no se ha guardado nada y no queda ningún archivo temporal\n";
                if (::write(2, texto.data(), texto.size()) < 0) {
                }
                ::_exit(128 + senal);
            }).detach();
        } catch (...) {
            pthread_sigmask(SIG_UNBLOCK, &senales, nullptr); // no thread: signals as before
            return false;
        }
        return true;
    }();
    (void)hecho;
}

void CedeSiInterrumpido() {
    if (!files::Temporaries::Shared().Closed())
        return;
    for (;;) // the handler's _exit ends this
        std::this_thread::sleep_for(std::chrono::hours(1));
}

} // namespace cli
