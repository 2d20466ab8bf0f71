// Ctrl-C on Windows: the console's event reaches the handler once, its last words go to the
// error stream and the process ends at once with the interruption's code, as a signal does on
// Linux. The event is sent to a console of the test's own child process alone: sent on the
// test runner's console it would reach the runner too.

#include "base/plataforma/Interrupciones.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string UltimasPalabras(const plataforma::Interrupcion& i) {
    return "interrumpido por " + std::string(i.nombre) + "\n";
}

void CtrlCEnUnaConsolaPropia() {
    // The error stream is gtest's pipe: a new console would take its place.
    HANDLE errores = ::GetStdHandle(STD_ERROR_HANDLE);
    ::FreeConsole();
    if (!::AllocConsole()) {
        std::fprintf(stderr, "sin consola propia\n");
        std::exit(2);
    }
    ::SetStdHandle(STD_ERROR_HANDLE, errores);
    ::SetConsoleCtrlHandler(nullptr, FALSE); // Ctrl-C not ignored, whatever the parent said
    if (!plataforma::AtiendeInterrupciones(UltimasPalabras)) {
        std::exit(3);
    }
    ::GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
    ::Sleep(20000);
    std::exit(4); // the event never came
}

TEST(Interrupciones, CtrlCEndsTheRunWithItsLastWordsAnd130) {
    EXPECT_EXIT(CtrlCEnUnaConsolaPropia(), ::testing::ExitedWithCode(130),
                "interrumpido por Ctrl\\+C");
}

} // namespace
