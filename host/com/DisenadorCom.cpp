// A designer's controls and their properties.

#include "host/com/Objetos.h"

namespace hostcom {

vbide::VBControls& DisenadorCom::VBControls() {
    if (!controles_) {
        Ref r = d_.Objeto(o_.get(), "Designer", "VBControls");
        if (!r) {
            throw ErrorVB(vberr::ObjectNotSet, "Designer.VBControls",
                          "El entorno no tiene los controles del diseñador");
        }
        controles_ = std::make_unique<ControlesCom>(d_, std::move(r));
    }
    return *controles_;
}

vbide::VBControl& ControlesCom::Item(long index) {
    return Elemento(d_, cache_, o_.get(), "VBControls", Valor::Numero(index));
}

std::string ControlCom::ClassName() const {
    // "VB.CommandButton" where the environment gives the library too
    std::string nombre = d_.Texto(o_.get(), "VBControl", "ClassName");
    const auto punto = nombre.rfind('.');
    return punto == std::string::npos ? nombre : nombre.substr(punto + 1);
}

vbide::Properties& ControlCom::Properties() {
    if (!propiedades_) {
        Ref r = d_.Objeto(o_.get(), "VBControl", "Properties");
        if (!r) {
            throw ErrorVB(vberr::ObjectNotSet, "VBControl.Properties",
                          "El entorno no tiene las propiedades del control");
        }
        propiedades_ = std::make_unique<PropiedadesCom>(d_, std::move(r));
    }
    return *propiedades_;
}

vbide::Property& PropiedadesCom::Item(long index) {
    return Elemento(d_, cache_, o_.get(), "Properties", Valor::Numero(index));
}

vbide::Property& PropiedadesCom::Item(const std::string& name) {
    return Elemento(d_, cache_, o_.get(), "Properties", d_.Cadena(name));
}

std::string PropiedadCom::Value() const {
    Valor v = d_.Llama(o_.get(), "Property", "Value");
    return d_.ComoTexto(v.v, "Property.Value");
}

} // namespace hostcom
