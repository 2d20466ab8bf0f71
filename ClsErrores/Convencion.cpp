#include "ClsErrores/Convencion.h"

#include "ClsErrores/ErrObject.h"
#include "base/ErrorVB.h"

#include <new>
#include <string>

namespace convencion {

void CapturaActual(std::string_view origen) noexcept {
    auto& err = vb::Err();
    // The add-in's own procedures carry no line numbers.
    err.Erl = 0;
    try {
        try {
            throw;
        } catch (const ErrorVB& e) {
            err.Fija(e.Number, e.Source, e.Description);
        } catch (const std::bad_alloc&) {
            err.Fija(vberr::OutOfMemory, std::string(origen), "Memoria insuficiente");
        } catch (...) {
            err.Fija(vberr::InternalError, std::string(origen), "Error interno");
        }
    } catch (...) {
        // Not even the texts could be copied: keep at least the number.
        err.Number = 7;
    }
}

} // namespace convencion
