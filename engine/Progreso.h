#pragma once
// The progress bar and the hourglass while a list fill or a command runs. The window draws
// them; the command line prints them; tests record them.

namespace engine {

class Progreso {
public:
    virtual ~Progreso() = default;
    virtual void Muestra(bool visible) = 0;
    // Percentage, 0 to 100.
    virtual void Valor(double porcentaje) = 0;
    // The hourglass pointer while true, the normal pointer after.
    virtual void RelojArena(bool activo) = 0;
};

// For callers with nothing to show.
class SinProgreso : public Progreso {
public:
    void Muestra(bool) override {}
    void Valor(double) override {}
    void RelojArena(bool) override {}
};

} // namespace engine
