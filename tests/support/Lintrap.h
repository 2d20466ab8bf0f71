#pragma once
// Running the built lintrap as a process of its own: standard input empty, its output kept.

#include "tests/support/Carpeta.h"

#include <string>
#include <vector>

namespace soporte {

struct Resultado {
    int codigo = -1;     // the exit code, or 128 + the signal that ended the process
    bool muerto = false; // ended by a signal, not by an exit of its own
    std::string out;
    std::string err;
};

// Changes to lintrap's environment: "NAME=value" sets, a bare "NAME" removes.
using Entorno = std::vector<std::string>;

// The built lintrap started without waiting for it; Espera() gives its result.
class EnMarcha {
public:
    explicit EnMarcha(const std::vector<std::string>& argumentos, const Entorno& entorno = {});
    int Pid() const { return pid_; }
    Resultado Espera();

private:
    Carpeta salida_;
    int pid_ = -1;
};

// Runs lintrap with these arguments and waits for it.
Resultado Lintrap(const std::vector<std::string>& argumentos, const Entorno& entorno = {});

} // namespace soporte
