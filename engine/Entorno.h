#pragma once
// What the engine and the installation need from the world around them, handed in as one
// small object by constructor: the message boxes, the progress bar and the hourglass, the
// window to refresh, and the installation of the runtime modules. The windows build it from
// Qt parts, the command line from its answers and standard error, the tests from scripted
// answers. Nothing here is process-wide.

#include "engine/Mensajes.h"

#include <string>
#include <string_view>

namespace engine {

class Progreso;
class Ventana;
class Instalacion;

// The message boxes of the engine and the installation.
class Dialogos {
public:
    virtual ~Dialogos() = default;
    // Shows the message `id` with its text (Texto(id, ...)) and buttons (Botones(id)) and
    // returns the button pressed (vb::vbOK, vb::vbYes...).
    virtual int Muestra(Mensaje id, const std::string& texto, int botones) = 0;
};

// The title of those boxes.
inline constexpr std::string_view TituloDialogos = "Lintrap";

// Shows `id` with its own text and buttons.
inline int Muestra(Dialogos& dialogos, Mensaje id, std::string_view modulo = {}) {
    return dialogos.Muestra(id, Texto(id, modulo), Botones(id));
}

struct Entorno {
    Dialogos& dialogos;
    Progreso& progreso;
    Ventana& ventana;
    Instalacion* instalacion = nullptr; // null: the runtime modules are never added
};

} // namespace engine
