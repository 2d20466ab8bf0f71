#include "install/Configuracion.h"

#include "base/CodePage.h"
#include "install/LineasAjuste.h"
#include "install/Modulos.h"
#include "install/ValorAjuste.h"

namespace install {
namespace {

bool Igual(std::string_view a, std::string_view b) {
    return codepage::IgualesSinCaso(a, b);
}

bool EnBlanco(std::string_view s) {
    return s.find_first_not_of(' ') == std::string_view::npos;
}

} // namespace

void Configuracion::Carga() {
    if (Igual(ajustes_.glbMandaEmail, "True")) {
        MarcaCheck1(true);
        text1Visible_ = true;
        text1_ = ajustes_.glbEmailDir;
    } else {
        check1_ = false;
    }
    if (Igual(ajustes_.glbMsgOnError, "normal")) {
        EligeMensaje(MensajeNormal);
    } else if (EnBlanco(ajustes_.glbMsgOnError)) {
        EligeMensaje(MensajeNo);
    } else {
        cargando_ = true;
        EligeMensaje(MensajePersonalizar);
    }
    check3_ = !Igual(ajustes_.glbLogOnError, "False");
    cargando_ = false;
}

void Configuracion::MarcaCheck1(bool marcado) {
    check1_ = marcado;
    text1Visible_ = marcado;
    if (marcado) {
        text1_ = ajustes_.glbEmailDir;
    }
}

bool Configuracion::EligeMensaje(int indice) {
    combo1_ = indice;
    return indice == MensajePersonalizar && !cargando_;
}

bool Configuracion::AceptaMsgPersonal(std::string texto) {
    if (texto.empty()) {
        texto = "\"\"";
    }
    motivo_ = RechazoMensaje(texto);
    if (!motivo_.empty()) {
        return false;
    }
    ajustes_.glbMsgPersonal = std::move(texto);
    return true;
}

Aceptacion Configuracion::Acepta(vbide::VBProject* proyecto, int paginaCodigos) {
    motivo_ = RechazoDireccion(text1_);
    if (motivo_.empty() && combo1_ == MensajePersonalizar) {
        motivo_ = RechazoMensaje(ajustes_.glbMsgPersonal);
    }
    if (!motivo_.empty()) {
        return Aceptacion::ValorNoValido;
    }
    ajustes_.glbMandaEmail = check1_ ? "True" : "False";
    if (!text1_.empty()) {
        ajustes_.glbEmailDir = text1_;
    } else if (Igual(ajustes_.glbMandaEmail, "True")) {
        return Aceptacion::DireccionVacia;
    }
    switch (combo1_) {
    case MensajeNormal:
        ajustes_.glbMsgOnError = "normal";
        break;
    case MensajePersonalizar:
        ajustes_.glbMsgOnError = ajustes_.glbMsgPersonal;
        break;
    default:
        ajustes_.glbMsgOnError.clear();
        break;
    }
    ajustes_.glbLogOnError = check3_ ? "True" : "False";
    if (proyecto) {
        ReescribeAjustes(*proyecto, ajustes_, paginaCodigos);
    }
    return Aceptacion::Cerrar;
}

bool ReescribeAjustes(vbide::VBProject& proyecto, const engine::AjustesPendientes& ajustes,
                      int paginaCodigos) {
    if (!YaExisteCls(proyecto)) {
        return false;
    }
    const LineasAjuste lineas = NuevasLineas(ajustes, paginaCodigos);
    EscribeAjustes(proyecto.VBComponents().Item("clsErrores").CodeModule(), lineas, ClavesDialogo,
                   paginaCodigos);
    return true;
}

} // namespace install
