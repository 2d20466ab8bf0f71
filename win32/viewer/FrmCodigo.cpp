#include "win32/viewer/FrmCodigo.h"

namespace win32 {

FrmCodigo::FrmCodigo(vbide::VBE& vbe, const engine::EstadoSeleccion& seleccion, HWND dueno)
    : vbe_(vbe), seleccion_(seleccion), comportamiento_(*this) {
    CreaVentana("", 640, 480, dueno, true);
    CreaEntrada("mnuDep", "Dependencias");
    CreaEntrada("mnuResaltar", "Resaltar");
    CreaTextoRico("TxtCodigo", {0, 0, 640, 480});
    PonFuente("TxtCodigo", L"Courier New", 10, false, true);
}

void FrmCodigo::MuestraVentana(std::string_view ventana, bool visible) {
    if (ventana != "Dependencias" || !visible) {
        return;
    }
    // Modeless; the one opened before goes.
    dependencias_ = std::make_unique<Dependencias>(vbe_.ActiveVBProject(), comportamiento_.Tag(),
                                                   seleccion_, Ventana());
    dependencias_->Enseña();
}

void FrmCodigo::Evento(const std::string& control, int /*codigo*/) {
    if (control == "mnuDep") {
        comportamiento_.mnuDep_Click();
    } else if (control == "mnuResaltar") {
        comportamiento_.mnuResaltar_Click();
    }
}

void FrmCodigo::CierreVentana() {
    Cierra(false);
    if (alCerrar_) {
        alCerrar_();
    }
}

void FrmCodigo::Redimensiona(int ancho, int alto) {
    ::MoveWindow(Control("TxtCodigo"), 0, 0, ancho, alto, TRUE);
}

} // namespace win32
