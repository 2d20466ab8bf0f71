#pragma once
// The insert and remove commands over the selected module, as the main window's two buttons
// and the command line run them: which procedures are handed to the engine, the questions and
// refusals, the progress, and bringing the lists up to date afterwards.

#include "engine/Avisos.h"
#include "engine/Entorno.h"
#include "engine/EstadoSeleccion.h"
#include "engine/Instalacion.h"
#include "engine/Progreso.h"
#include "engine/Ventana.h"
#include "host/vbide/Project.h"

#include <string>
#include <vector>

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

// What stopped a command before it touched the module; the box that said so was shown.
enum class Parada {
    Ninguna,
    Cancelada,            // the user did not answer Yes to "all the procedures"
    ModuloDelComplemento, // refused: the runtime class is the add-in's code, not the user's
    NingunoSeleccionado,  // refused: no procedure is selected
};

// What an insert or remove command did. A command rewrites the selected module only; the
// runtime modules are added beside it.
struct ResultadoComando {
    Parada parada = Parada::Ninguna;
    bool error = false;           // an error stopped it; glbErr has reported it
    bool cambiado = false;        // the selected module's code was edited
    std::vector<Aviso> avisos;    // the procedures and lines left alone, and why
    bool modulosAnadidos = false; // clsErrores and InfoSistema were added to the project
};

// "Insertar": into the selected procedures, or into all of them after a Yes.
ResultadoComando ComandoInsertar(vbide::VBProject& proyecto, EstadoSeleccion& estado,
                                 Entorno& entorno);
// "Quitar": from the selected procedures, or from the whole module after a Yes.
ResultadoComando ComandoQuitar(vbide::VBProject& proyecto, EstadoSeleccion& estado,
                               Entorno& entorno);

} // namespace engine
