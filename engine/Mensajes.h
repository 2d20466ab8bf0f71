#pragma once
// Every question, message and notice that the engine and the installation show, named once.
// Whoever shows them answers by the name, never by comparing texts: a reworded message must
// not change what the command line or a test does.

#include <string>
#include <string_view>

namespace engine {

enum class Mensaje {
    ModuloDelComplemento,  // the runtime class is the add-in's, not the user's to rewrite
    NingunoSeleccionado,   // insert or remove with no procedure selected
    ConfirmaInsertarTodos, // insert into every procedure of the module? (Yes/No)
    ConfirmaQuitarTodos,   // remove from every procedure of the module? (Yes/No)
    ModulosAnadidos,       // clsErrores and InfoSistema were added to the project
};

// The Spanish text (UTF-8, CR LF between lines). `modulo` fills the one message that names a
// module (UTF-8); the others ignore it.
std::string Texto(Mensaje m, std::string_view modulo = {});

// The buttons and icon of its box, with the values of vb:: (vbOKOnly, vbYesNo...).
int Botones(Mensaje m);

} // namespace engine
