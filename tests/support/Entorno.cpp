#include "tests/support/Entorno.h"

#include <cstdlib>

namespace soporte {

// The C library's own environment, which getenv reads: setenv on POSIX, _putenv_s on Windows
// (where an empty value removes the variable).
bool PonVariable(const std::string& nombre, const std::string& valor) {
#ifdef _WIN32
    return _putenv_s(nombre.c_str(), valor.c_str()) == 0;
#else
    return setenv(nombre.c_str(), valor.c_str(), 1) == 0;
#endif
}

void QuitaVariable(const std::string& nombre) {
#ifdef _WIN32
    _putenv_s(nombre.c_str(), "");
#else
    unsetenv(nombre.c_str());
#endif
}

} // namespace soporte
