#pragma once
// The one way every procedure of the add-in handles errors:
//
//   void frmAddIn::Insertar(...) {
//       Procedimiento("frmAddIn \\ Insertar", [&] { ...body... });
//   }
//
// and, for handlers whose steps are skipped on failure, each step under PasoSinError([&] {...}).

#include "ClsErrores/clsErrores.h"
#include "base/ErrorVB.h"

#include <exception>
#include <string_view>
#include <utility>

namespace convencion {
// Makes the exception being handled the current error (vb::Err()). An ErrorVB keeps its
// number, source and description; anything else becomes error 7 (out of memory) or 51
// (internal error) with `origen` as the source, so that the user never sees a C++ text.
void CapturaActual(std::string_view origen) noexcept;
} // namespace convencion

// Pushes `identidad` on glbErr(), runs `cuerpo` and pops on every exit. An error raised inside
// becomes the current error and goes to glbErr().ManejoError(); then the procedure leaves.
// True when the body ran through, false when it ended in an error.
template <class F> bool Procedimiento(std::string_view identidad, F&& cuerpo) {
    clsErrores& errores = glbErr();
    errores.Push(identidad);
    struct Salida {
        clsErrores& e;
        ~Salida() { e.Pop(); }
    } salida{errores};
    try {
        std::forward<F>(cuerpo)();
        return true;
    } catch (...) {
        convencion::CapturaActual(identidad);
    }
    // Still inside the procedure's level: ManejoError reads its name at the current depth.
    errores.ManejoError();
    return false;
}

// The guard of a step in a handler that resumes next: runs one step; an error it raises becomes the
// current error and the step is skipped. True when the step ran through.
template <class F> bool PasoSinError(F&& paso) noexcept {
    try {
        std::forward<F>(paso)();
        return true;
    } catch (...) {
        convencion::CapturaActual({});
        return false;
    }
}
