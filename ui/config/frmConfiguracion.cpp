#include "ui/config/frmConfiguracion.h"

#include "ClsErrores/Convencion.h"
#include "ClsErrores/MsgBox.h"

namespace ui {
namespace {

// A refusal of the dialogs: the text with only an OK button and no icon.
void Aviso(Vista& vista, const std::string& texto) {
    vista.Mensaje(texto, vb::vbOKOnly, "Lintrap");
}

} // namespace

void frmConfiguracion::Form_Load() {
    Procedimiento("frmConfiguracion \\ Form_Load", [&] {
        configuracion_.Carga();
        vista_.Selecciona("Combo1", configuracion_.Combo1());
        vista_.Marca("Check3", configuracion_.Check3());
        MuestraCorreo();
    });
}

void frmConfiguracion::MuestraCorreo() {
    vista_.Marca("Check1", configuracion_.Check1());
    vista_.Muestra("Text1", configuracion_.Text1Visible());
    vista_.Muestra("Label2", configuracion_.Label2Visible());
    vista_.PonTexto("Text1", configuracion_.Text1());
}

void frmConfiguracion::Check1_Click(bool marcado) {
    Procedimiento("frmConfiguracion \\ Check1_Click", [&] {
        configuracion_.MarcaCheck1(marcado);
        MuestraCorreo();
    });
}

void frmConfiguracion::Combo1_Click(int indice) {
    Procedimiento("frmConfiguracion \\ Combo1_Click", [&] {
        if (configuracion_.EligeMensaje(indice)) {
            vista_.Abre("MsgPersonal");
        }
    });
}

void frmConfiguracion::Text1_GotFocus() {
    vista_.PonFondo("Text1", {255, 255, 192});
}

void frmConfiguracion::Text1_LostFocus() {
    vista_.PonFondo("Text1", {255, 255, 255});
}

void frmConfiguracion::OKButton_Click() {
    install::Aceptacion r = install::Aceptacion::DireccionVacia;
    const bool hecho = Procedimiento("frmConfiguracion \\ OKButton_Click", [&] {
        r = configuracion_.Acepta(proyecto_, cp_);
        if (r == install::Aceptacion::DireccionVacia) {
            Aviso(vista_, std::string(install::DireccionVacia));
        } else if (r == install::Aceptacion::ValorNoValido) {
            Aviso(vista_, "No se puede guardar la configuración: " + configuracion_.Motivo());
        }
    });
    // A refusal or a failure leaves the dialog open.
    if (hecho && r == install::Aceptacion::Cerrar) {
        vista_.Cierra(true);
    }
}

void MsgPersonal::OKButton_Click() {
    Procedimiento("MsgPersonal \\ OKButton_Click", [&] {
        if (text1_.empty()) {
            text1_ = "\"\"";
            vista_.PonTexto("Text1", text1_);
        }
        // A message the class could not hold is refused here, where it was typed.
        if (!configuracion_.AceptaMsgPersonal(text1_)) {
            Aviso(vista_, "No se puede guardar el mensaje: " + configuracion_.Motivo());
            return;
        }
        vista_.Cierra(true);
    });
}

} // namespace ui
