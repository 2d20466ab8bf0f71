#pragma once
// Gives the main window the openers of the windows it shows from its menus but that live in
// other folders: the configuration dialog, the references and the controls inspector (the code
// viewer opens the callers list itself). Whoever creates frmAddIn (the add-in's Connect, the
// screenshots) calls this once, right after.

namespace ui {

class frmAddIn;

void ConectaVentanas(frmAddIn& principal);

} // namespace ui
