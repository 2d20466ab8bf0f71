#pragma once
// The error-handler configuration dialog's behaviour over the add-in's pending settings: what
// it shows on loading and on each click, and its acceptance, which stores the settings and,
// when the project holds clsErrores, writes them into its IniVal lines at once. "Cancelar" and
// the close box store nothing. The option rules live in install::Configuracion, which the
// command line's "config" drives too.

#include "engine/EstadoSeleccion.h"
#include "host/vbide/Project.h"
#include "install/Configuracion.h"
#include "ui/Vista.h"

#include <string>

namespace ui {

class frmConfiguracion {
public:
    // `ajustes`: the pending settings the main window owns; `proyecto`: the active project
    // (null when none is open), `paginaCodigos` its code page.
    frmConfiguracion(Vista& vista, engine::AjustesPendientes& ajustes, vbide::VBProject* proyecto,
                     int paginaCodigos)
        : vista_(vista), configuracion_(ajustes), proyecto_(proyecto), cp_(paginaCodigos) {}

    void Form_Load();
    void Check1_Click(bool marcado);
    // A choice of the user, also of the item already shown: "personalizar" chosen again opens
    // the custom message dialog again.
    void Combo1_Click(int indice);
    void Check3_Click(bool marcado) { configuracion_.MarcaCheck3(marcado); }
    void Text1_Change(std::string texto) { configuracion_.EscribeText1(std::move(texto)); }
    void Text1_GotFocus();
    void Text1_LostFocus();
    void OKButton_Click();
    void CancelButton_Click() { vista_.Cierra(false); }

    // What MsgPersonal, opened from here, edits.
    install::Configuracion& Configuracion() { return configuracion_; }

private:
    // Shows the state of the box, the address and its label.
    void MuestraCorreo();

    Vista& vista_;
    install::Configuracion configuracion_;
    vbide::VBProject* proyecto_;
    int cp_;
};

// The custom message dialog, opened modally by frmConfiguracion on "personalizar". "Aceptar"
// stores the message typed (two double quotes for none) as the pending custom message, or
// refuses one the class could not hold and stays open; "Cancelar" and the close box store
// nothing.
class MsgPersonal {
public:
    MsgPersonal(Vista& vista, install::Configuracion& configuracion)
        : vista_(vista), configuracion_(configuracion) {}

    void Text1_Change(std::string texto) { text1_ = std::move(texto); }
    void OKButton_Click();
    void CancelButton_Click() { vista_.Cierra(false); }

private:
    Vista& vista_;
    install::Configuracion& configuracion_;
    std::string text1_; // empty when the dialog opens
};

} // namespace ui
