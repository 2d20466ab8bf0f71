#include "ui/main/frmAbout.h"

#include "ClsErrores/App.h"
#include "ClsErrores/Convencion.h"
#include "ui/main/Reglas.h"

namespace ui {

void frmAbout::Form_Load() {
    Procedimiento("frmAbout \\ Form_Load", [&] {
        vista_.PonTexto("", CaptionAcercaDe(app::Title()));
        vista_.PonTexto("lblTitle",
                        TituloAcercaDe(app::Title(), app::Major(), app::Minor(), app::Revision()));
    });
}

} // namespace ui
