#pragma once
// The ground of every Qt skin: a dialog that implements the view's primitives over its child
// controls, found by their object names (the form's control names). A skin builds the controls,
// connects each signal to its behaviour's handler and, where the window opens another, says
// how. No primitive raises a control's signal: only the user's actions reach the handlers.

#include "ui/Vista.h"

#include <QDialog>

namespace qt {

class Dialogo : public QDialog, public ui::Vista {
    Q_OBJECT
public:
    using QDialog::QDialog;

    void Rellena(std::string_view control, const std::vector<std::string>& filas) override;
    void Selecciona(std::string_view control, int fila) override;
    void PonTexto(std::string_view control, std::string_view texto) override;
    void Marca(std::string_view control, bool marcado) override;
    void Muestra(std::string_view control, bool visible) override;
    void PonFondo(std::string_view control, ui::Color color) override;
    int Mensaje(const std::string& texto, int botones, const std::string& titulo) override;
    void Portapapeles(const std::string& texto) override;
    void Abre(std::string_view ventana) override; // none, unless the skin says
    void Cierra(bool aceptada) override;
    void Reloj(bool espera) override;

private:
    QWidget* Control(std::string_view nombre);
};

} // namespace qt
