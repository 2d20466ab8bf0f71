#pragma once
// Gives the main window the openers of the windows it shows from its menus but that live in
// other folders of ui/: the configuration dialog, the references, the controls inspector and,
// through every code viewer it creates, the callers list. Whoever creates frmAddIn (the add-in's
// Connect, the screenshots) calls this once, right after.

namespace ui {

class frmAddIn;

void ConectaVentanas(frmAddIn& principal);

} // namespace ui
