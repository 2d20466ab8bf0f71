// Projects, their components and references.

#include "host/com/Objetos.h"

namespace hostcom {

vbide::VBComponents& ProyectoCom::VBComponents() {
    return Propiedad(d_, componentes_, o_.get(), "VBProject", "VBComponents");
}

vbide::References& ProyectoCom::References() {
    return Propiedad(d_, referencias_, o_.get(), "VBProject", "References");
}

vbide::VBComponent& ComponentesCom::Item(long index) {
    return Elemento(d_, cache_, o_.get(), "VBComponents", Valor::Numero(index));
}

vbide::VBComponent& ComponentesCom::Item(const std::string& name) {
    return Elemento(d_, cache_, o_.get(), "VBComponents", d_.Cadena(name));
}

vbide::VBComponent& ComponentesCom::Import(const std::string& path) {
    const Valor p = d_.Cadena(path);
    Ref r = d_.Objeto(o_.get(), "VBComponents", "Import", {&p});
    if (!r) {
        throw ErrorVB(vberr::ObjectNotSet, "VBComponents.Import",
                      "El entorno no ha importado " + path);
    }
    return cache_.De(d_, std::move(r));
}

vbide::CodeModule& ComponenteCom::CodeModule() {
    return Propiedad(d_, codigo_, o_.get(), "VBComponent", "CodeModule");
}

vbide::Designer* ComponenteCom::Designer() {
    Ref r = d_.Objeto(o_.get(), "VBComponent", "Designer");
    return r ? &disenador_.De(d_, std::move(r)) : nullptr;
}

vbide::Reference& ReferenciasCom::Item(long index) {
    return Elemento(d_, cache_, o_.get(), "References", Valor::Numero(index));
}

vbide::Reference& ReferenciasCom::Item(const std::string& name) {
    return Elemento(d_, cache_, o_.get(), "References", d_.Cadena(name));
}

} // namespace hostcom
