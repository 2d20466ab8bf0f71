#include "app/ide/VbeIde.h"

namespace ide {

long ProyectosIde::Count() const {
    auto* modelo = const_cast<VbeIde&>(vbe_).Modelo();
    return modelo ? modelo->VBProjects().Count() : 0;
}

vbide::VBProject& ProyectosIde::Item(long index) {
    if (!vbe_.Modelo()) {
        throw ErrorVB(vberr::SubscriptOutOfRange, "VBProjects", "No hay ningún proyecto abierto");
    }
    return vbe_.Modelo()->VBProjects().Item(index);
}

vbide::VBProject* VbeIde::ActiveVBProject() {
    return modelo_ ? modelo_->ActiveVBProject() : nullptr;
}

} // namespace ide
