#pragma once
// What the runtime tests share: the environment variables that point the runtime at the tests'
// own files and servers; a handler whose log and registry store live in a temporary folder of
// their own, its message boxes answered from a script, and an error to hand it.

#include "ClsErrores/ErrObject.h"
#include "ClsErrores/clsErrores.h"
#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Guion.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace soporte {

// The C library's own environment, which getenv reads (on Windows an empty value removes).
inline bool PonVariable(const std::string& nombre, const std::string& valor) {
#ifdef _WIN32
    return _putenv_s(nombre.c_str(), valor.c_str()) == 0;
#else
    return setenv(nombre.c_str(), valor.c_str(), 1) == 0;
#endif
}
inline void QuitaVariable(const std::string& nombre) {
#ifdef _WIN32
    _putenv_s(nombre.c_str(), "");
#else
    unsetenv(nombre.c_str());
#endif
}

} // namespace soporte

class Runtime : public ::testing::Test {
protected:
    soporte::Carpeta carpeta{"lintrap-runtime"};
    const std::string almacen = (carpeta / "registro.json").string();
    const std::string log = (carpeta / "Errores.log").string();
    // The store is pointed at the folder before the handler's creation reads it.
    const bool aislado = soporte::PonVariable("LINTRAP_REGISTRY", almacen);
    soporte::Guion guion;
    clsErrores e;

    Runtime() {
        e.Destination(log);
        e.MandaEmailOnError(false);
        e.LogOnError(false);
        vb::Err().Clear();
    }
    ~Runtime() override { soporte::QuitaVariable("LINTRAP_REGISTRY"); }

    // The error `numero` raised by "Demo" at `linea`, handed to the handler.
    void Falla(long numero, std::string descripcion, long linea = 0) {
        vb::Err().Fija(numero, "Demo", std::move(descripcion));
        vb::Err().Erl = linea;
        e.ManejoError();
    }
};
