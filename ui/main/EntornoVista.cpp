#include "ui/main/EntornoVista.h"

namespace ui {

int DialogosVista::Muestra(engine::Mensaje, const std::string& texto, int botones) {
    return vista_.Mensaje(texto, botones, std::string(engine::TituloDialogos));
}

int DialogosVista::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    return vista_.Mensaje(prompt, buttons, title.empty() ? std::string("Lintrap") : title);
}

void ProgresoVista::Muestra(bool visible) {
    vista_.Muestra(barra_, visible);
}

void ProgresoVista::Valor(double porcentaje) {
    // Called for every line of a module: the bar is told only when its value moves.
    const int valor = static_cast<int>(porcentaje);
    if (valor != valor_) {
        valor_ = valor;
        vista_.PonValor(barra_, valor);
    }
}

void ProgresoVista::RelojArena(bool activo) {
    // Told once per change: a command's end restores the pointer once.
    if (activo != reloj_) {
        reloj_ = activo;
        vista_.RelojArena(activo);
    }
}

} // namespace ui
