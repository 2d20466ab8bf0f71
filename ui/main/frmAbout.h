#pragma once
// The about box's behaviour: on loading, the caption and the add-in's title with its version.
// The summary of what the add-in does is the skin's design-time text (ResumenAcercaDe).

#include "ui/Vista.h"

namespace ui {

class frmAbout {
public:
    explicit frmAbout(Vista& vista) : vista_(vista) {}

    void Form_Load();
    // "Aceptar" closes the box, as its close box does.
    void cmdOK_Click() { vista_.Cierra(true); }

private:
    Vista& vista_;
};

} // namespace ui
