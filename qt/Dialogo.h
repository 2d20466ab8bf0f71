#pragma once
// The ground of every Qt skin of a dialog: a dialog that implements the view's primitives over
// its child controls (VistaQt). A skin builds the controls, connects each signal to its
// behaviour's handler and, where the window opens another, says how.

#include "qt/VistaQt.h"

#include <QDialog>

namespace qt {

class Dialogo : public QDialog, public VistaQt {
    Q_OBJECT
public:
    explicit Dialogo(QWidget* parent = nullptr, Qt::WindowFlags f = {})
        : QDialog(parent, f), VistaQt(static_cast<QWidget&>(*this)) {}

    void Abre(std::string_view ventana) override; // none, unless the skin says
    void Cierra(bool aceptada) override;
};

} // namespace qt
