#pragma once
// What the main window shows and the engine reads at the moment it processes each line: the
// selected module, its procedure list, the all-procedures box, the mode and the variant. The
// main window owns one (and the command line another); nothing here knows about widgets.

#include "base/CodePage.h"
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Which transformation the insert and remove commands apply.
enum class Modo {
    Option1, // line numbers
    Option2, // the marked error-handling block
    Option3, // On Error Resume Next only
};

// How the error-handling block ends.
enum class Variante {
    OptExit,   // leave the procedure
    OptResume, // resume next
    OptRaise,  // raise the error again
};

// Whether a listed procedure already has error handling (ExisteOnError).
enum class Manejo {
    SinBuscar, // not looked up: the list spares the statuses, or their rebuild failed first
    Con,
    Sin,
};

// One row of the procedure list and its status beside it.
struct EntradaProcedimiento {
    std::string nombre; // as the module's members report it (code-page bytes)
    bool seleccionado = false;
    Manejo manejo = Manejo::SinBuscar;
    bool rehecho = false; // a command rebuilt the status column (ActualizaList3)
};

// The status column's text of a row: "Sí" after the module selection, "Si" once a command has
// rebuilt the column, "No", or nothing when it was not looked up. Every list that shows a row
// (the main window, the command line, the screenshots) writes its status with this.
inline std::string_view TextoEstado(const EntradaProcedimiento& fila) {
    switch (fila.manejo) {
    case Manejo::Con:
        return fila.rehecho ? "Si" : "S\xC3\xAD";
    case Manejo::Sin:
        return "No";
    case Manejo::SinBuscar:
        break;
    }
    return {};
}

// The error-handler settings still to be written into an installed clsErrores, as the user
// typed them (UTF-8); the installation converts them to the project's code page.
struct AjustesPendientes {
    std::string glbMandaEmail = "False";
    std::string glbEmailDir;
    std::string glbMsgOnError;
    std::string glbMsgPersonal;
    std::string glbLogOnError = "True";

    // The values the main window sets whenever it loads its lists.
    void Restablece() { *this = AjustesPendientes{}; }
};

struct EstadoSeleccion {
    std::string modulo; // the selected module's name (code-page bytes)
    std::vector<EntradaProcedimiento> procedimientos; // in list order
    int actual = -1;                                  // the current row, -1 for none
    bool Check1 = false;                              // all procedures of the module
    Modo modo = Modo::Option1;
    Variante variante = Variante::OptExit;
    bool vistaModulo = false;     // the viewer shows the whole module
    bool modulosAnadidos = false; // the installation added the runtime modules just now
    AjustesPendientes ajustes;
    int paginaCodigos = codepage::Predeterminada; // the project's code page
    std::string idioma = "es"; // the user's language, whose alphabetical order the lists take

    int SelCount() const {
        int n = 0;
        for (const auto& p : procedimientos) {
            n += p.seleccionado ? 1 : 0;
        }
        return n;
    }
};

} // namespace engine
