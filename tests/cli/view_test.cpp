// lintrap view at a terminal: the code viewer's colours as ANSI escapes, unless NO_COLOR.

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"

#include <gtest/gtest.h>

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs lintrap with a terminal as its standard output; `noColor` sets NO_COLOR.
std::string EnTerminal(const std::vector<std::string>& argumentos, bool noColor) {
    std::vector<std::string> todos{LINTRAP_BIN};
    todos.insert(todos.end(), argumentos.begin(), argumentos.end());
    std::vector<char*> argv;
    for (auto& a : todos) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    int maestro = -1;
    const pid_t pid = forkpty(&maestro, nullptr, nullptr, nullptr);
    if (pid == 0) {
        noColor ? setenv("NO_COLOR", "1", 1) : unsetenv("NO_COLOR");
        execv(LINTRAP_BIN, argv.data());
        _exit(127);
    }
    std::string salida;
    char buf[4096];
    for (ssize_t n = 0; (n = read(maestro, buf, sizeof buf)) > 0;) {
        salida.append(buf, static_cast<size_t>(n));
    }
    close(maestro);
    waitpid(pid, nullptr, 0);
    return salida;
}

TEST(View, ATerminalGetsColoursUnlessNoColor) {
    soporte::Carpeta c;
    const auto vbp = soporte::Copia(soporte::Datos("cli/Prueba"), c / "p") / "Prueba.vbp";
    const std::vector<std::string> args{"view",     vbp.string(), "--module",
                                        "Calculos", "--proc",     "alfa"};
    const std::string color = EnTerminal(args, false);
    EXPECT_NE(color.find("\x1b[38;2;0;0;250mPublic Sub \x1b[0m"), std::string::npos) << color;
    EXPECT_NE(color.find("\x1b[38;2;0;0;250mEnd Sub\x1b[0m"), std::string::npos) << color;
    const std::string sinColor = EnTerminal(args, true);
    EXPECT_EQ(sinColor.find('\x1b'), std::string::npos) << sinColor;
    EXPECT_NE(sinColor.find("Public Sub alfa()"), std::string::npos);
}

} // namespace
