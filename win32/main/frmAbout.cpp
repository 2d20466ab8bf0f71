#include "win32/main/frmAbout.h"

#include "ui/main/Reglas.h"

namespace win32 {

frmAbout::frmAbout(HWND dueno) {
    CreaVentana("Ayuda", 516, 490, dueno);
    Crea("cmdOK", L"BUTTON", "Aceptar", BS_DEFPUSHBUTTON | WS_TABSTOP, {416, 452, 88, 26});
    HWND icono = Crea("picIcon", L"STATIC", "", SS_ICON, {12, 12, 48, 48});
    ::SendMessageW(icono, STM_SETICON, WPARAM(::LoadIconW(nullptr, IDI_INFORMATION)), 0);
    const DWORD texto = ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_TABSTOP;
    Crea("txtAppAbout", L"EDIT", ui::ResumenAcercaDe(), texto, {74, 44, 430, 300},
         WS_EX_CLIENTEDGE);
    Crea("txtCredits", L"EDIT",
         "Lintrap: complemento para quienes mantienen código de Visual Basic 6.\r\n"
         "Quovant, 2026. Escrito en C++.",
         texto, {74, 386, 430, 56}, WS_EX_CLIENTEDGE);
    Crea("lblTitle", L"STATIC", "Comentarios:", SS_LEFT, {74, 10, 430, 30});
    Crea("Label2", L"STATIC", "Autor", SS_LEFT, {74, 352, 430, 30});
    PonFuente("txtAppAbout", L"Tahoma", 9);
    PonFuente("txtCredits", L"Tahoma", 9);
    PonFuente("lblTitle", L"Impact", 14);
    PonFuente("Label2", L"Impact", 14);
    PonPorDefecto("cmdOK");
    comportamiento_.Form_Load();
}

void frmAbout::Evento(const std::string& control, int codigo) {
    if (control == "cmdOK" && codigo == BN_CLICKED) {
        comportamiento_.cmdOK_Click();
    }
}

} // namespace win32
