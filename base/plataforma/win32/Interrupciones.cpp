#include "base/plataforma/Interrupciones.h"

#include "base/plataforma/win32/Win32.h"

#include <atomic>

namespace plataforma {

namespace {

AlInterrumpir elManejador = nullptr;

// The system calls this on a thread of its own for each console event: no code runs in an
// interrupted thread, as with the POSIX signals taken by sigwait.
BOOL WINAPI AlEvento(DWORD evento) {
    static std::atomic<bool> visto{false};
    Interrupcion interrupcion{"Ctrl+C", 130};
    switch (evento) {
    case CTRL_C_EVENT:
        break;
    case CTRL_BREAK_EVENT:
        interrupcion.nombre = "Ctrl+Inter";
        break;
    case CTRL_CLOSE_EVENT:
        interrupcion = {"cierre de la consola", 143};
        break;
    default: // logoff, shutdown
        interrupcion = {"fin de la sesión", 143};
        break;
    }
    if (visto.exchange(true)) {
        // One interruption is handled once; the others wait for its end of the process.
        ::Sleep(INFINITE);
    }
    const std::string texto = elManejador(interrupcion);
    DWORD escritos = 0;
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), texto.data(), DWORD(texto.size()), &escritos,
                nullptr);
    // At once, as _exit: no destructor nor exit handler of the interrupted threads runs.
    ::TerminateProcess(::GetCurrentProcess(), UINT(interrupcion.codigoSalida));
    return TRUE;
}

} // namespace

bool AtiendeInterrupciones(AlInterrumpir manejador) {
    elManejador = manejador;
    return ::SetConsoleCtrlHandler(AlEvento, TRUE) != 0;
}

} // namespace plataforma
