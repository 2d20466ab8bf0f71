#pragma once
// Where the add-in's windows open. Each is owned by the window it comes from, so that the
// window manager keeps it above its owner, and each is placed here before it is first shown,
// rather than wherever the manager puts it: over the owner's screen, never off it.

class QWidget;

namespace qt {

// The environment's window that owns the add-in's main window: the top owner of the active
// window when the user's action opens it, else the first visible main window; null for none.
QWidget* VentanaDelEntorno();

// Centred on the owner's window.
void CentraEn(QWidget& ventana, const QWidget& dueno);

// Beside the owner's window, level with its top, on the side with room (the right first);
// narrowed when neither side has room for it, down to a width still worth reading.
void AlLadoDe(QWidget& ventana, const QWidget& dueno);

} // namespace qt
