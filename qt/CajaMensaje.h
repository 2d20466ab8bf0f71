#pragma once
// The add-in's modal message box, made of a QMessageBox.

#include <string>

class QWidget;

namespace qt {

// `botones` are VB's button set and icon added together (vb::vbYesNo + vb::vbQuestion); the
// result is the VB value of the button pressed (vb::vbYes...). Closing the box without a button
// answers Cancel where there is one, else No, else OK.
int CajaMensaje(QWidget* padre, const std::string& texto, int botones, const std::string& titulo);

} // namespace qt
