#include "tests/support/Lintrap.h"

#include "tests/support/Archivos.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace soporte {

EnMarcha::EnMarcha(const std::vector<std::string>& argumentos, const Entorno& entorno) {
    const auto out = salida_ / "out";
    const auto err = salida_ / "err";
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(::open("/dev/null", O_RDONLY), 0);
        ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        for (const auto& e : entorno) {
            const auto igual = e.find('=');
            igual == std::string::npos
                ? ::unsetenv(e.c_str())
                : ::setenv(e.substr(0, igual).c_str(), e.c_str() + igual + 1, 1);
        }
        std::vector<char*> argv{const_cast<char*>(LINTRAP_BIN)};
        for (const auto& a : argumentos) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(LINTRAP_BIN, argv.data());
        ::_exit(127);
    }
}

Resultado EnMarcha::Espera() {
    Resultado r;
    if (pid_ <= 0) {
        return r;
    }
    int estado = 0;
    ::waitpid(pid_, &estado, 0);
    pid_ = -1;
    r.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
    r.muerto = WIFSIGNALED(estado);
    r.out = Lee(salida_ / "out");
    r.err = Lee(salida_ / "err");
    return r;
}

Resultado Lintrap(const std::vector<std::string>& argumentos, const Entorno& entorno) {
    return EnMarcha(argumentos, entorno).Espera();
}

} // namespace soporte
