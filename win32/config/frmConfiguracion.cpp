#include "win32/config/frmConfiguracion.h"

namespace win32 {
namespace {

const char* const AyudaMensaje = "¿Mostrar un MsgBox cada vez que ocurra un error?";
const char* const AyudaDireccion = "Dirección del email donde quiere recibir el error ocurrido";

bool Marcado(HWND casilla) {
    return ::SendMessageW(casilla, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace

frmConfiguracion::frmConfiguracion(engine::AjustesPendientes& ajustes, vbide::VBProject* proyecto,
                                   int paginaCodigos, HWND dueno)
    : comportamiento_(*this, ajustes, proyecto, paginaCodigos) {
    CreaVentana("Configuracion - Quovant", 420, 216, dueno);
    Crea("Label3", L"STATIC", "Configure el comportamiento del manipulador de errores", SS_LEFT,
         {12, 10, 400, 20});
    Negrita("Label3");
    Crea("Label1", L"STATIC", "MsgBox OnError :", SS_LEFT | SS_NOTIFY, {20, 54, 200, 20});
    PonAyuda("Label1", AyudaMensaje);
    // A drop-down list's height is that of its open list.
    Crea("Combo1", L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
         {228, 50, 172, 100});
    PonAyuda("Combo1", AyudaMensaje);
    std::vector<std::string> items;
    for (std::string_view item : install::ItemsMensaje) {
        items.emplace_back(item);
    }
    Rellena("Combo1", items);
    Crea("Check1", L"BUTTON", "Mandar EMail OnError", BS_AUTOCHECKBOX | WS_TABSTOP,
         {20, 84, 180, 20});
    PonAyuda("Check1", "¿Mandar un email cada vez que ocurra un error?");
    Crea("Label2", L"STATIC", "Dirección de correo de destino :", SS_LEFT | SS_NOTIFY,
         {20, 114, 204, 20});
    PonAyuda("Label2", AyudaDireccion);
    Crea("Text1", L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, {228, 110, 172, 24}, WS_EX_CLIENTEDGE);
    PonAyuda("Text1", AyudaDireccion);
    PonFondo("Text1", {255, 255, 255});
    Crea("Check3", L"BUTTON", "LogOnError", BS_AUTOCHECKBOX | WS_TABSTOP, {20, 140, 180, 20});
    PonAyuda("Check3", "¿Registtrar en un archivo log cada error ocurrido?");
    Crea("OKButton", L"BUTTON", "Aceptar", BS_DEFPUSHBUTTON | WS_TABSTOP, {232, 180, 88, 26});
    Crea("CancelButton", L"BUTTON", "Cancelar", WS_TABSTOP, {324, 180, 88, 26});
    Marco({8, 36, 404, 132}); // Shape1
    PonPorDefecto("OKButton");

    comportamiento_.Form_Load();
}

void frmConfiguracion::Abre(std::string_view ventana) {
    if (ventana == "MsgPersonal") {
        MsgPersonal personal(comportamiento_.Configuracion(), Ventana());
        personal.Modal();
    }
}

void frmConfiguracion::Evento(const std::string& control, int codigo) {
    auto& c = comportamiento_;
    if (control == "Check1" && codigo == BN_CLICKED) {
        c.Check1_Click(Marcado(Control("Check1")));
    } else if (control == "Check3" && codigo == BN_CLICKED) {
        c.Check3_Click(Marcado(Control("Check3")));
    } else if (control == "Combo1") {
        // The user's choice, also of the item shown: from the open list (CBN_SELENDOK) or
        // with the arrow keys on the closed box (CBN_SELCHANGE alone).
        HWND combo = Control("Combo1");
        const bool abierto = ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0);
        if (codigo == CBN_SELENDOK || (codigo == CBN_SELCHANGE && !abierto)) {
            c.Combo1_Click(int(::SendMessageW(combo, CB_GETCURSEL, 0, 0)));
        }
    } else if (control == "Text1") {
        if (codigo == EN_CHANGE) {
            c.Text1_Change(Texto("Text1"));
        } else if (codigo == EN_SETFOCUS) {
            c.Text1_GotFocus();
        } else if (codigo == EN_KILLFOCUS) {
            c.Text1_LostFocus();
        }
    } else if (control == "OKButton" && codigo == BN_CLICKED) {
        c.OKButton_Click();
    } else if (control == "CancelButton" && codigo == BN_CLICKED) {
        c.CancelButton_Click();
    }
}

MsgPersonal::MsgPersonal(install::Configuracion& configuracion, HWND dueno)
    : comportamiento_(*this, configuracion) {
    CreaVentana("Personalizar Mensaje Error - Quovant", 420, 114, dueno);
    Crea("Label1", L"STATIC", "Introduzca el mensaje que quiere que aparezca en el MsgBox", SS_LEFT,
         {12, 12, 396, 20});
    Crea("Text1", L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, {12, 40, 396, 24}, WS_EX_CLIENTEDGE);
    Crea("OKButton", L"BUTTON", "Aceptar", BS_DEFPUSHBUTTON | WS_TABSTOP, {228, 76, 88, 26});
    Crea("CancelButton", L"BUTTON", "Cancelar", WS_TABSTOP, {320, 76, 88, 26});
    PonPorDefecto("OKButton");
}

void MsgPersonal::Evento(const std::string& control, int codigo) {
    if (control == "Text1" && codigo == EN_CHANGE) {
        comportamiento_.Text1_Change(Texto("Text1"));
    } else if (control == "OKButton" && codigo == BN_CLICKED) {
        comportamiento_.OKButton_Click();
    } else if (control == "CancelButton" && codigo == BN_CLICKED) {
        comportamiento_.CancelButton_Click();
    }
}

} // namespace win32
