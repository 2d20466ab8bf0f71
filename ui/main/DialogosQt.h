#pragma once
// The message boxes, the input box, the progress bar and the hourglass of the add-in's windows,
// made of the real Qt ones.

#include "ClsErrores/MsgBox.h"
#include "engine/Entorno.h"
#include "engine/Progreso.h"

#include <QString>

#include <optional>
#include <string>

class QProgressBar;
class QWidget;

namespace ui {

// The input box: nothing when it is cancelled.
std::optional<QString> CajaEntrada(QWidget* padre, const QString& pregunta, const QString& titulo,
                                   const QString& inicial = {});

// The engine's and the installation's message boxes, titled "Lintrap".
class DialogosQt : public engine::Dialogos {
public:
    explicit DialogosQt(QWidget* padre) : padre_(padre) {}
    int Muestra(engine::Mensaje id, const std::string& texto, int botones) override;

private:
    QWidget* padre_;
};

// The runtime's message boxes (glbErr's messages inside the add-in).
class MsgBoxQt : public vb::Dialogos {
public:
    explicit MsgBoxQt(QWidget* padre) : padre_(padre) {}
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;

private:
    QWidget* padre_;
};

// The window's progress bar and the application's hourglass pointer.
class ProgresoQt : public engine::Progreso {
public:
    explicit ProgresoQt(QProgressBar& barra) : barra_(barra) {}
    ~ProgresoQt() override { RelojArena(false); }
    void Muestra(bool visible) override;
    void Valor(double porcentaje) override;
    void RelojArena(bool activo) override;

private:
    QProgressBar& barra_;
    bool reloj_ = false;
};

} // namespace ui
