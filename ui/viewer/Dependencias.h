#pragma once
// The callers list's behaviour: the procedures of the active project that mention the procedure
// shown in the code view. It is filled once, when it loads; the code view opens it from its menu
// "Dependencias". Its view has the labels "Label1" (the name searched for) and "Label2", the
// list "List1" and the button "Command1" ("OK").

#include "engine/EstadoSeleccion.h"
#include "host/vbide/Project.h"
#include "ui/Vista.h"

#include <string>

namespace ui {

class Dependencias {
public:
    // `proyecto`: the active project, null when none is open; `etiqueta`: the code view's
    // procedure tag (the procedure shown, or "Todos" for a whole module); `seleccion`: the main
    // window's selection state, whose selected procedure is left out. Texts in its code page.
    Dependencias(Vista& vista, vbide::VBProject* proyecto, std::string etiqueta,
                 const engine::EstadoSeleccion& seleccion)
        : vista_(vista), proyecto_(proyecto), etiqueta_(std::move(etiqueta)),
          seleccion_(seleccion) {}

    void Form_Load();
    void Command1_Click();

private:
    Vista& vista_;
    vbide::VBProject* proyecto_;
    std::string etiqueta_;
    const engine::EstadoSeleccion& seleccion_;
};

} // namespace ui
