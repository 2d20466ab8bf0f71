#pragma once
// The callers list without widgets: which procedures of the project mention a procedure's name.
// The window Dependencias shows the entries, the command line prints them.

#include "host/vbide/Project.h"

#include <string>
#include <string_view>
#include <vector>

namespace viewer {

// The code view's procedure tag when it shows a whole module: nothing is searched then.
inline constexpr std::string_view Todos = "Todos";

// What the search is for, all in the project's code page.
struct BusquedaLlamadores {
    std::string nombre;        // the code view's procedure tag
    std::string modulo;        // the main window's selected module (List1.Text)
    std::string procedimiento; // the main window's selected procedure (List2.Text)
    int paginaCodigos = 1252;
};

// "Componente / Procedimiento"; the procedure part is empty for a declarations line.
std::string Entrada(std::string_view componente, std::string_view procedimiento);

// Appends to `lista`, in project order, an entry for each line that mentions the name outside a
// comment (anywhere: inside a longer word or a string literal too) in every code-bearing
// component whose code holds the name as a whole word. An entry equal to the one added last is
// not added again, and the selected procedure of the selected module is left out. Each
// module's last line is not examined. An error of the object model propagates; the entries
// found before it stay in `lista`.
void BuscaLlamadores(vbide::VBProject& proyecto, const BusquedaLlamadores& b,
                     std::vector<std::string>& lista);

} // namespace viewer
