#pragma once
// Asking a run to stop (Ctrl-C, or the system ending it): handled on a thread of its own, not
// inside a signal handler, so that the handler may wait for a save under way and take locks.

#include <string>
#include <string_view>

namespace plataforma {

struct Interrupcion {
    std::string_view nombre; // as the user knows it: "SIGINT", "SIGTERM"
    int codigoSalida;        // the process ends with it: 130, 143
};

// Returns the last words, written to the error stream just before the process ends with the
// interruption's exit code (at once: no destructor nor exit handler runs).
using AlInterrumpir = std::string (*)(const Interrupcion&);

// From now on an interruption of this process calls `manejador` once, on a thread of its own;
// every thread started afterwards leaves interruptions to it. Called before any other thread
// starts. False when it cannot be set up: interruptions then end the process as before.
bool AtiendeInterrupciones(AlInterrumpir manejador);

} // namespace plataforma
