#include "app/cli/Codigos.h"
#include "app/cli/Comandos.h"
#include "app/cli/Proyecto.h"
#include "app/cli/Salida.h"
#include "app/cli/TiposModulo.h"
#include "engine/Procedimientos.h"

#include <nlohmann/json.hpp>

namespace cli {
namespace {

int ListaModulos(files::Project& p, const Opciones& o, const Salida& s) {
    std::string texto;
    nlohmann::json modulos = nlohmann::json::array();
    for (const std::string& nombre : engine::ListaModulos(p, p.CodePage())) {
        files::Component* c = p.Find(nombre);
        const long lineas = c->CodeModule().CountOfLines();
        p.Stage(*c); // unchanged: nothing is written, the code is freed
        const std::string archivo = RutaVisible(p, c->File());
        if (o.json) {
            modulos.push_back({{"name", s.Texto(nombre)},
                               {"type", NombreTipo(c->Type())},
                               {"lines", lineas},
                               {"file", archivo}});
        } else if (o.nombres) {
            texto += s.TextoVisible(nombre) + "\n";
        } else {
            texto += s.TextoVisible(nombre) + "\t" + NombreTipo(c->Type()) + "\t" +
                     std::to_string(lineas) + "\t" + Salida::Visible(archivo) + "\n";
        }
    }
    if (o.json)
        texto = nlohmann::json{{"project", s.Texto(p.Name())}, {"modules", modulos}}.dump(
                    2, ' ', false, nlohmann::json::error_handler_t::replace) +
                "\n";
    Salida::Out(texto);
    return Hecho;
}

int ListaProcedimientos(files::Project& p, const Opciones& o, const Salida& s) {
    files::Component* c = &ModuloPedido(p, o, s, o.modulos.front());
    // Read now: a module that cannot be read stops here, naming its file and why, instead of
    // being listed as a module without procedures (the selection scan passes errors by).
    c->CodeModule();
    engine::EstadoSeleccion estado;
    estado.paginaCodigos = p.CodePage();
    estado.modulo = c->Name();
    engine::SinProgreso sinProgreso;
    const auto r = engine::SeleccionaModulo(p, estado, sinProgreso);

    std::string texto;
    nlohmann::json procedimientos = nlohmann::json::array();
    for (const auto& fila : estado.procedimientos) {
        if (o.json)
            procedimientos.push_back({{"name", s.Texto(fila.nombre)},
                                      {"status", engine::TextoEstado(fila)},
                                      {"errorHandling", fila.manejo != engine::Manejo::Sin}});
        else if (o.nombres)
            texto += s.TextoVisible(fila.nombre) + "\n";
        else
            texto +=
                s.TextoVisible(fila.nombre) + "\t" + std::string(engine::TextoEstado(fila)) + "\n";
    }
    if (o.json)
        texto = nlohmann::json{{"module", s.Texto(c->Name())},
                               {"file", RutaVisible(p, c->File())},
                               {"lines", r.lineas},
                               {"procedures", procedimientos}}
                    .dump(2, ' ', false, nlohmann::json::error_handler_t::replace) +
                "\n";
    Salida::Out(texto);
    return Hecho;
}

} // namespace

// The main window's lists: the modules, or one module's procedures with "Sí"/"No" beside each.
int ComandoList(const Opciones& o) {
    // Each module's code is read when its turn comes and freed after.
    auto grupo = AbreProyecto(o, files::CodeLoading::WhenUsed);
    files::Project& p = grupo->Active();
    Salida s(p.CodePage());
    return o.modulos.empty() ? ListaModulos(p, o, s) : ListaProcedimientos(p, o, s);
}

} // namespace cli
