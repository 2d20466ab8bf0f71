#include "ui/viewer/Dependencias.h"

#include "ClsErrores/Convencion.h"
#include "base/CodePage.h"
#include "ui/viewer/Llamadores.h"

namespace ui {
namespace {

// The hourglass while the project is searched, back to the normal pointer on every exit.
struct RelojDeArena {
    explicit RelojDeArena(Vista& v) : vista(v) { vista.RelojArena(true); }
    ~RelojDeArena() { vista.RelojArena(false); }
    Vista& vista;
};

} // namespace

void Dependencias::Form_Load() {
    RelojDeArena reloj(vista_);
    if (etiqueta_ == viewer::Todos)
        return;
    const int cp = seleccion_.paginaCodigos;
    vista_.PonTexto("Label1", codepage::AUtf8(etiqueta_, cp));
    viewer::BusquedaLlamadores b;
    b.nombre = etiqueta_;
    b.modulo = seleccion_.modulo;
    const int actual = seleccion_.actual;
    if (actual >= 0 && size_t(actual) < seleccion_.procedimientos.size())
        b.procedimiento = seleccion_.procedimientos[size_t(actual)].nombre;
    b.paginaCodigos = cp;
    std::vector<std::string> lista;
    // A failing object model is reported; what was found before it stays listed.
    Procedimiento("Dependencias \\ Form_Load", [&] {
        if (!proyecto_)
            throw ErrorVB(vberr::ObjectRequired, "Dependencias", "No hay ningún proyecto activo");
        viewer::BuscaLlamadores(*proyecto_, b, lista);
    });
    for (std::string& entrada : lista)
        entrada = codepage::AUtf8(entrada, cp);
    vista_.Rellena("List1", lista);
}

void Dependencias::Command1_Click() {
    vista_.Cierra(true);
}

} // namespace ui
