#include "ui/ventanas/Ventanas.h"

#include "qt/main/frmAddIn.h"
#include "ui/viewer/Dependencias.h"
#include "ui/viewer/FrmCodigo.h"

namespace ui {

void ConectaVentanas(qt::frmAddIn& principal) {
    principal.abreDependencias = [&principal](FrmCodigo& visor) {
        // A modeless window lives until it is closed, or until the main window goes.
        auto* ventana = new Dependencias(principal.Comportamiento().VBInstance.ActiveVBProject(),
                                         visor.Tag(), principal.Comportamiento().Estado(), &visor);
        ventana->setAttribute(Qt::WA_DeleteOnClose);
        ventana->show();
        ventana->raise();
        ventana->activateWindow();
    };
}

} // namespace ui
