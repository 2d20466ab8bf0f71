#pragma once
// What the engine, the installation and the runtime ask of the main window, answered through
// its view: their message boxes and the progress bar with the hourglass.

#include "ClsErrores/MsgBox.h"
#include "engine/Entorno.h"
#include "engine/Progreso.h"
#include "ui/Vista.h"

#include <string>

namespace ui {

// The progress bar `barra` of the view and the hourglass. The bar never shows a value left
// from an earlier command: it starts empty each time it is shown or hidden.
class ProgresoVista : public engine::Progreso {
public:
    ProgresoVista(Vista& vista, std::string barra) : vista_(vista), barra_(std::move(barra)) {}
    ~ProgresoVista() override { RelojArena(false); }
    void Muestra(bool visible) override;
    void Valor(double porcentaje) override;
    void RelojArena(bool activo) override;
    // A message is up: the bar steps aside, empty, until the work moves it again.
    void Aparta();

private:
    void Pon(int valor);

    Vista& vista_;
    std::string barra_;
    int valor_ = -1;        // the value the bar shows, -1 before the first
    bool visible_ = false;  // the work shows the bar
    bool apartada_ = false; // hidden for a message while the work shows it
    bool reloj_ = false;    // the hourglass is on
};

// The engine's and the installation's boxes, titled "Lintrap", and the runtime's (glbErr's
// messages inside the add-in), titled as it asks or "Lintrap". With `progreso`, its bar steps
// aside while a box is up.
class DialogosVista : public engine::Dialogos, public vb::Dialogos {
public:
    explicit DialogosVista(Vista& vista, ProgresoVista* progreso = nullptr)
        : vista_(vista), progreso_(progreso) {}
    int Muestra(engine::Mensaje id, const std::string& texto, int botones) override;
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;

private:
    Vista& vista_;
    ProgresoVista* progreso_;
};

} // namespace ui
