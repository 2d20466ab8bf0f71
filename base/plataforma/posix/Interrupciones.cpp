#include "base/plataforma/Interrupciones.h"

#include <pthread.h>
#include <signal.h>
#include <thread>
#include <unistd.h>

namespace plataforma {

bool AtiendeInterrupciones(AlInterrumpir manejador) {
    // SIGINT and SIGTERM are blocked in every thread and taken by sigwait on one of their own:
    // no code runs inside a signal handler.
    sigset_t senales;
    sigemptyset(&senales);
    sigaddset(&senales, SIGINT);
    sigaddset(&senales, SIGTERM);
    if (pthread_sigmask(SIG_BLOCK, &senales, nullptr) != 0) {
        return false;
    }
    try {
        std::thread([senales, manejador] {
            int senal = 0;
            while (sigwait(&senales, &senal) != 0) {
            }
            const Interrupcion interrupcion{senal == SIGINT ? "SIGINT" : "SIGTERM", 128 + senal};
            const std::string texto = manejador(interrupcion);
            if (::write(2, texto.data(), texto.size()) < 0) {
            }
            ::_exit(interrupcion.codigoSalida);
        }).detach();
    } catch (...) {
        pthread_sigmask(SIG_UNBLOCK, &senales, nullptr); // no thread: signals as before
        return false;
    }
    return true;
}

} // namespace plataforma
