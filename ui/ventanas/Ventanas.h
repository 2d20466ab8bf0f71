#pragma once
// Gives the main window the opener of the callers list, which every code viewer it creates
// offers. Whoever creates qt::frmAddIn (the add-in's Connect, the screenshots) calls this once,
// right after.

namespace qt {
class frmAddIn;
}

namespace ui {

void ConectaVentanas(qt::frmAddIn& principal);

} // namespace ui
