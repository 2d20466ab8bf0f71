#include "ui/ventanas/Ventanas.h"

#include "qt/config/frmConfiguracion.h"
#include "qt/inspectors/frmControles.h"
#include "qt/inspectors/frmRefs.h"
#include "ui/main/frmAddIn.h"

namespace ui {

namespace {

// A modeless window lives until it is closed, or until the main window goes.
void MuestraSinModo(QDialog* ventana) {
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
}

} // namespace

void ConectaVentanas(frmAddIn& principal) {
    principal.abreConfiguracion = [](frmAddIn& w) {
        // Loaded afresh on each opening; it edits the pending settings the main window owns.
        qt::frmConfiguracion dialogo(w.Estado().ajustes, w.VBInstance.ActiveVBProject(),
                                     w.Estado().paginaCodigos, &w);
        dialogo.exec();
    };
    principal.abreReferencias = [](frmAddIn& w) {
        MuestraSinModo(new qt::frmRefs(w.VBInstance, w.Estado().paginaCodigos, &w));
    };
    principal.abreControles = [](frmAddIn& w) {
        MuestraSinModo(new qt::frmControles(w.VBInstance, w.Estado().paginaCodigos, &w));
    };
}

} // namespace ui
