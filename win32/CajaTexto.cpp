#include "win32/CajaTexto.h"

namespace win32 {

CajaTexto::CajaTexto(const std::string& texto, const std::string& titulo, HWND dueno) {
    CreaVentana(titulo.c_str(), 380, 132, dueno);
    Crea("lblTexto", L"STATIC", texto, SS_LEFT, {12, 12, 272, 84});
    Crea("cmdAceptar", L"BUTTON", "Aceptar", BS_DEFPUSHBUTTON | WS_TABSTOP, {292, 12, 76, 26});
    Crea("cmdCancelar", L"BUTTON", "Cancelar", WS_TABSTOP, {292, 44, 76, 26});
    Crea("txtRespuesta", L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, {12, 100, 356, 22},
         WS_EX_CLIENTEDGE);
    PonPorDefecto("cmdAceptar");
    ::SetFocus(Control("txtRespuesta"));
}

void CajaTexto::Evento(const std::string& control, int codigo) {
    if (codigo != BN_CLICKED) {
        return;
    }
    if (control == "cmdAceptar") {
        respuesta_ = Texto("txtRespuesta");
        Cierra(true);
    } else if (control == "cmdCancelar") {
        Cierra(false);
    }
}

} // namespace win32
