#include "win32/inspectors/frmControles.h"

namespace win32 {
namespace {

const DWORD Lista = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;

} // namespace

frmControles::frmControles(vbide::VBE& vbe, int paginaCodigos, HWND dueno)
    : comportamiento_(*this, vbe, paginaCodigos) {
    CreaVentana("Informe Controles", 708, 432, dueno);
    Crea("List3", L"LISTBOX", "", Lista, {12, 28, 180, 96}, WS_EX_CLIENTEDGE);
    Crea("Command1", L"BUTTON", "Copiar al portapapeles", WS_TABSTOP, {12, 392, 180, 28});
    PonAyuda("Command1", "Copia las propiedades del control seleccionado al portapapeles");
    Crea("List0", L"LISTBOX", "", Lista, {12, 152, 180, 104}, WS_EX_CLIENTEDGE);
    Crea("List2", L"LISTBOX", "", Lista, {396, 44, 300, 340}, WS_EX_CLIENTEDGE);
    Crea("List1", L"LISTBOX", "", Lista, {204, 28, 180, 228}, WS_EX_CLIENTEDGE);
    Crea("CancelButton", L"BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, {608, 392, 88, 28});
    Crea("Label5", L"STATIC", "Proyectos", SS_LEFT, {12, 8, 180, 18});
    Crea("Label4", L"STATIC", "Label4", SS_LEFT, {204, 268, 180, 48});
    Crea("Label3", L"STATIC", "Propiedades:", SS_LEFT, {396, 6, 300, 36});
    Crea("Label2", L"STATIC", "Controles:", SS_LEFT, {204, 8, 180, 18});
    Crea("Label1", L"STATIC", "Formularios o diseñadores:", SS_LEFT, {12, 132, 180, 18});
    PonPorDefecto("CancelButton");
    comportamiento_.Form_Load();
}

void frmControles::Evento(const std::string& control, int codigo) {
    auto& c = comportamiento_;
    if (codigo == LBN_SELCHANGE) {
        const int fila = int(::SendMessageW(Control(control), LB_GETCURSEL, 0, 0));
        if (control == "List3") {
            c.List3_Click(fila);
        } else if (control == "List0") {
            c.List0_Click(fila);
        } else if (control == "List1") {
            c.List1_Click(fila);
        }
    } else if (codigo == BN_CLICKED) {
        if (control == "Command1") {
            c.Command1_Click();
        } else if (control == "CancelButton") {
            c.CancelButton_Click();
        }
    }
}

} // namespace win32
