#include "win32/inspectors/frmRefs.h"

namespace win32 {

frmRefs::frmRefs(vbide::VBE& vbe, int paginaCodigos, HWND dueno)
    : comportamiento_(*this, vbe, paginaCodigos) {
    CreaVentana("Referencias", 568, 244, dueno);
    Crea("List1", L"LISTBOX", "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
         {12, 32, 200, 200}, WS_EX_CLIENTEDGE);
    Crea("OKButton", L"BUTTON", "Aceptar", BS_DEFPUSHBUTTON | WS_TABSTOP, {468, 206, 88, 26});
    Crea("Label3", L"STATIC", "", SS_LEFT, {224, 32, 332, 56});
    // The path and the GUID are long words: a label breaks them at its edge.
    Crea("Label2", L"STATIC", "", SS_LEFT | SS_EDITCONTROL, {224, 96, 332, 100});
    Crea("Label1", L"STATIC", "Referencias", SS_LEFT, {12, 8, 200, 20});
    PonPorDefecto("OKButton");
    comportamiento_.Form_Load();
}

void frmRefs::Evento(const std::string& control, int codigo) {
    if (control == "List1" && codigo == LBN_SELCHANGE) {
        comportamiento_.List1_Click(int(::SendMessageW(Control("List1"), LB_GETCURSEL, 0, 0)));
    } else if (control == "OKButton" && codigo == BN_CLICKED) {
        comportamiento_.OKButton_Click();
    }
}

} // namespace win32
