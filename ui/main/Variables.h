#pragma once
// The add-in's loaded windows. A window of the add-in registers itself when it is created and
// leaves the register when it is destroyed, so that the main window can ask whether another
// window is loaded and unload them all when it closes.

class QWidget;

namespace ui {

// Adds `ventana` to the add-in's windows (once; it leaves by itself when destroyed).
void Registra(QWidget* ventana);

// True when `ventana` is one of the add-in's loaded windows (the same object).
bool isLoaded(const QWidget* ventana);

// Unloads (destroys) every loaded window of the add-in whose object name is not exactly
// "frmAddIn".
void Cierra();

} // namespace ui
