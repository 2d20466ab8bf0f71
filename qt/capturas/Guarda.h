#pragma once
// Writes a window as it shows on the screen into a PNG file of a folder, for the screenshot
// programs.

#include <QDir>
#include <QWidget>

namespace capturas {

// Shows `ventana`, lets its layouts settle and everything paint once, and saves its image as
// `archivo` in `carpeta`; prints the path written, or says on stderr what could not be written.
bool Guarda(QWidget& ventana, const QDir& carpeta, const char* archivo);

} // namespace capturas
