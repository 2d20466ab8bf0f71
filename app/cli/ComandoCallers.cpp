// lintrap callers: the window Dependencias's list for a procedure shown in the code view.
#include "app/cli/Codigos.h"
#include "app/cli/Comandos.h"
#include "app/cli/Proyecto.h"
#include "app/cli/Salida.h"
#include "base/CodePage.h"
#include "engine/Procedimientos.h"
#include "ui/viewer/Llamadores.h"

namespace cli {
namespace {

// The procedure as the main window lists it (case ignored on the command line), or the whole
// module's tag "Todos".
std::string NombreListado(files::Component& c, const std::string& pedido, const Opciones& o,
                          int cp) {
    if (pedido == viewer::Todos)
        return pedido;
    engine::SinProgreso sinProgreso;
    for (const auto& fila :
         engine::ListaProcedimientos(c.CodeModule(), cp, sinProgreso, engine::Estados::Omitidos))
        if (codepage::IgualesSinCaso(fila.nombre, pedido, cp))
            return fila.nombre;
    throw ErrorVB(vberr::ProcedureNotFound, "lintrap",
                  o.proyecto + ": el módulo \"" + o.modulos.front() +
                      "\" no tiene ningún procedimiento \"" + o.procs.front() + "\"");
}

} // namespace

int ComandoCallers(const Opciones& o) {
    auto grupo = AbreProyecto(o);
    files::Project& p = grupo->Active();
    Salida s(p.CodePage());
    files::Component* c = &ModuloPedido(p, o, s, o.modulos.front());
    viewer::BusquedaLlamadores b;
    b.paginaCodigos = p.CodePage();
    b.modulo = c->Name();
    b.procedimiento = NombreListado(*c, s.Bytes(o.procs.front(), "--proc"), o, b.paginaCodigos);
    b.nombre = b.procedimiento;
    std::vector<std::string> lista;
    viewer::BuscaLlamadores(p, b, lista);
    std::string texto;
    for (const std::string& entrada : lista)
        texto += s.TextoVisible(entrada) + "\n";
    Salida::Out(texto);
    DejaAlSalir();
    return Hecho;
}

} // namespace cli
