#include "win32/viewer/Dependencias.h"

namespace win32 {

Dependencias::Dependencias(vbide::VBProject* proyecto, const std::string& etiqueta,
                           const engine::EstadoSeleccion& seleccion, HWND dueno)
    : comportamiento_(*this, proyecto, etiqueta, seleccion) {
    CreaVentana("Dependencias", 340, 320, dueno);
    Crea("Label1", L"STATIC", "", SS_LEFT | SS_CENTERIMAGE, {48, 8, 280, 24});
    Negrita("Label1");
    // The arrow the window has always shown beside the name, from a font every system has
    // (Wingdings, where it came from, is missing from some).
    Crea("Label2", L"STATIC", "\u2192", SS_LEFT, {12, 4, 32, 32});
    PonFuente("Label2", L"Tahoma", 18);
    Crea("List1", L"LISTBOX", "", LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
         {12, 36, 236, 272}, WS_EX_CLIENTEDGE);
    Crea("Command1", L"BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, {258, 282, 72, 26});
    PonPorDefecto("Command1");
    comportamiento_.Form_Load();
}

void Dependencias::Evento(const std::string& control, int codigo) {
    if (control == "Command1" && codigo == BN_CLICKED) {
        comportamiento_.Command1_Click();
    }
}

} // namespace win32
