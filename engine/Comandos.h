#pragma once
// The insert and remove commands over the selected module, as the main window's two buttons
// and the command line run them: which procedures are handed to the engine, the questions and
// refusals, the progress, and bringing the lists up to date afterwards.

#include "engine/Entorno.h"
#include "engine/EstadoSeleccion.h"
#include "engine/Instalacion.h"
#include "engine/Progreso.h"
#include "engine/Ventana.h"
#include "host/vbide/Project.h"

#include <string>

namespace engine {

// A window that is only the selection state: reloading fills the state again.
class VentanaSinVista : public Ventana {
public:
    VentanaSinVista(vbide::VBProject& proyecto, EstadoSeleccion& estado, Progreso& progreso)
        : proyecto_(proyecto), estado_(estado), progreso_(progreso) {}
    void Recarga(const std::string& modulo) override;

private:
    vbide::VBProject& proyecto_;
    EstadoSeleccion& estado_;
    Progreso& progreso_;
};

// "Insertar": into the selected procedures, or into all of them after a Yes.
void ComandoInsertar(vbide::VBProject& proyecto, EstadoSeleccion& estado, Entorno& entorno);
// "Quitar": from the selected procedures, or from the whole module after a Yes.
void ComandoQuitar(vbide::VBProject& proyecto, EstadoSeleccion& estado, Entorno& entorno);

} // namespace engine
