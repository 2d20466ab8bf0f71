#pragma once
// The view's primitives over the child controls of a Qt window, found by their object names
// (the form's control names; a menu entry is a QAction of that name). Every skin is one; it
// adds how its window opens others and how it unloads. No primitive raises a control's signal:
// only the user's actions reach the handlers. (A list's scroll bar is not the list: it moves
// the rows, so its signals stay on, and a skin that listens to it knows its own scrolls.)

#include "ui/Vista.h"

class QWidget;

namespace qt {

class VistaQt : public ui::Vista {
public:
    explicit VistaQt(QWidget& ventana) : ventana_(ventana) {}
    ~VistaQt() override;

    void Rellena(std::string_view control, const std::vector<std::string>& filas) override;
    void Selecciona(std::string_view control, int fila) override;
    void PonTexto(std::string_view control, std::string_view texto) override;
    void Marca(std::string_view control, bool marcado) override;
    void Muestra(std::string_view control, bool visible) override;
    void PonFondo(std::string_view control, ui::Color color) override;
    int Mensaje(const std::string& texto, int botones, const std::string& titulo) override;
    void Portapapeles(const std::string& texto) override;
    void PonArriba(std::string_view control, int fila) override;
    void PonValor(std::string_view control, int valor) override;
    void RelojArena(bool activo) override;

private:
    QWidget* Control(std::string_view nombre);

    QWidget& ventana_;
    bool reloj_ = false; // the hourglass is on
};

} // namespace qt
