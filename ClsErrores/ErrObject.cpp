#include "ClsErrores/ErrObject.h"

#include "ClsErrores/App.h"
#include "base/ErrorVB.h"
#include "base/PorHilo.h"

namespace vb {

void ErrObject::Clear() {
    Number = 0;
    Source.clear();
    Description.clear();
    Erl = 0;
}

void ErrObject::Fija(long number, std::string source, std::string description) {
    Number = number;
    Source = source.empty() ? app::Title() : std::move(source);
    Description = std::move(description);
}

void ErrObject::Raise(long number, std::string source, std::string description) {
    Fija(number, std::move(source), std::move(description));
    throw ErrorVB(Number, Source, Description);
}

ErrObject& Err() {
    struct Marca;
    return porhilo::Objeto<Marca, ErrObject>(); // per thread, as glbErr
}

} // namespace vb
