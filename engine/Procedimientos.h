#pragma once
// The main window's lists without widgets: the listable modules of a project, the procedures of
// the selected module with their status, and the status column's rebuild after a command. The
// window and the command line share them.

#include "engine/EstadoSeleccion.h"
#include "engine/Orden.h"
#include "engine/Progreso.h"
#include "host/vbide/Project.h"

#include <string>
#include <vector>

namespace engine {

// Names of the standard modules, classes and forms of the project, in alphabetical order.
std::vector<std::string> ListaModulos(vbide::VBProject& proyecto, int paginaCodigos,
                                      std::string_view idioma = IdiomaPredeterminado);

struct ResultadoSeleccion {
    bool encontrado = false; // the module exists (else the lists stay empty)
    long lineas = 0;         // its line count, for "Lineas: "
};

// Whether the list carries each procedure's "Sí" or "No": looking it up reads every line of
// every procedure, which a caller that never shows the statuses can spare.
enum class Estados { Buscados, Omitidos };

// The methods and events of the module in alphabetical order, each with "Sí" or "No" beside
// it (empty when the statuses are spared), with the progress over the module's lines. Steps
// that fail are skipped.
std::vector<EntradaProcedimiento>
ListaProcedimientos(vbide::CodeModule& m, int paginaCodigos, Progreso& progreso,
                    Estados estados = Estados::Buscados,
                    std::string_view idioma = IdiomaPredeterminado);

// Selecting `estado.modulo`: lists its methods and events in alphabetical order (case ignored)
// with "Sí" or "No" beside each, and sets the whole-module view. Each step that fails is
// skipped; a module that no longer exists leaves the lists empty.
ResultadoSeleccion SeleccionaModulo(vbide::VBProject& proyecto, EstadoSeleccion& estado,
                                    Progreso& progreso, Estados estados = Estados::Buscados);

// Rebuilds the status beside every listed procedure, written "Si" or "No".
void ActualizaList3(vbide::VBProject& proyecto, EstadoSeleccion& estado);

// What loading the main window does to the state: options back to line numbers and "Exit",
// the pending settings reset, and the first listed module selected; then `modulo` is selected
// instead when it is still listed (case ignored). Returns the listed modules.
std::vector<std::string> CargaEstado(vbide::VBProject& proyecto, EstadoSeleccion& estado,
                                     Progreso& progreso, const std::string& modulo = {});

} // namespace engine
