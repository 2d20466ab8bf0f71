#pragma once
// What the engine, the installation and the runtime ask of the main window, answered through
// its view: their message boxes and the progress bar with the hourglass.

#include "ClsErrores/MsgBox.h"
#include "engine/Entorno.h"
#include "engine/Progreso.h"
#include "ui/Vista.h"

#include <string>

namespace ui {

// The engine's and the installation's boxes, titled "Lintrap", and the runtime's (glbErr's
// messages inside the add-in), titled as it asks or "Lintrap".
class DialogosVista : public engine::Dialogos, public vb::Dialogos {
public:
    explicit DialogosVista(Vista& vista) : vista_(vista) {}
    int Muestra(engine::Mensaje id, const std::string& texto, int botones) override;
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;

private:
    Vista& vista_;
};

// The progress bar `barra` of the view and the hourglass.
class ProgresoVista : public engine::Progreso {
public:
    ProgresoVista(Vista& vista, std::string barra) : vista_(vista), barra_(std::move(barra)) {}
    ~ProgresoVista() override { RelojArena(false); }
    void Muestra(bool visible) override;
    void Valor(double porcentaje) override;
    void RelojArena(bool activo) override;

private:
    Vista& vista_;
    std::string barra_;
    int valor_ = -1;     // the value the bar shows, -1 before the first
    bool reloj_ = false; // the hourglass is on
};

} // namespace ui
