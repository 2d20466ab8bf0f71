#include "ui/main/EntornoVista.h"

namespace ui {

int DialogosVista::Muestra(engine::Mensaje, const std::string& texto, int botones) {
    if (progreso_) {
        progreso_->Aparta();
    }
    return vista_.Mensaje(texto, botones, std::string(engine::TituloDialogos));
}

int DialogosVista::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    if (progreso_) {
        progreso_->Aparta();
    }
    return vista_.Mensaje(prompt, buttons, title.empty() ? std::string("Lintrap") : title);
}

void ProgresoVista::Pon(int valor) {
    // Called for every line of a module: the bar is told only when its value moves.
    if (valor != valor_) {
        valor_ = valor;
        vista_.PonValor(barra_, valor);
    }
}

void ProgresoVista::Muestra(bool visible) {
    Pon(0);
    visible_ = visible;
    apartada_ = false;
    vista_.Muestra(barra_, visible);
}

void ProgresoVista::Valor(double porcentaje) {
    Pon(static_cast<int>(porcentaje));
    if (apartada_ && valor_ > 0) {
        apartada_ = false;
        vista_.Muestra(barra_, true);
    }
}

void ProgresoVista::Aparta() {
    if (visible_ && !apartada_) {
        apartada_ = true;
        Pon(0);
        vista_.Muestra(barra_, false);
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
