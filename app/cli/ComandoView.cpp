#include "app/cli/Codigos.h"
#include "app/cli/Comandos.h"
#include "app/cli/Proyecto.h"
#include "app/cli/Salida.h"
#include "base/CodePage.h"
#include "base/plataforma/Consola.h"
#include "engine/Procedimientos.h"
#include "ui/main/CodigoVisor.h"
#include "ui/viewer/Caracteres.h"
#include "ui/viewer/ColoresCodigo.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>

namespace cli {
namespace {

std::string ColorHtml(viewer::Color c) {
    char texto[8];
    std::snprintf(texto, sizeof texto, "#%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return texto;
}

// Colours for a person at a terminal; none when the output goes elsewhere or NO_COLOR is set.
bool ConColores() {
    const char* sinColor = std::getenv("NO_COLOR");
    return plataforma::EsTerminal(plataforma::Flujo::Salida) &&
           (sinColor == nullptr || *sinColor == '\0');
}

std::string Escape(const viewer::Formato& f) {
    if (f == viewer::Formato{})
        return {};
    std::string e = "\x1b[";
    if (f.negrita)
        e += "1;";
    e += "38;2;" + std::to_string((f.color >> 16) & 0xFF) + ";" +
         std::to_string((f.color >> 8) & 0xFF) + ";" + std::to_string(f.color & 0xFF) + "m";
    return e;
}

// The code with one LF per line and, on a terminal, each run in its colour. Escapes are closed
// before every line break, so that a pager or a later line never inherits a colour. The code's
// own control characters are shown Visible: the only escapes written are the colours.
std::string TextoTerminal(const viewer::ColoresCodigo& c, bool colores) {
    const std::u32string& t = c.Texto();
    std::string r;
    for (const viewer::Tramo& tramo : c.TodosLosTramos()) {
        const std::string abre = colores ? Escape(tramo.formato) : std::string();
        const std::string cierra = abre.empty() ? std::string() : std::string("\x1b[0m");
        r += abre;
        for (long i = tramo.inicio; i < tramo.inicio + tramo.largo; ++i) {
            if (t[i] == U'\r' && i + 1 < static_cast<long>(t.size()) && t[i + 1] == U'\n')
                continue; // the LF that follows ends the line
            if (t[i] == U'\n' || t[i] == U'\r') {
                r += cierra + "\n" + abre;
                continue;
            }
            r += Salida::Visible(viewer::Utf8(t.substr(i, 1)));
        }
        r += cierra;
    }
    if (!r.empty() && r.back() != '\n')
        r += '\n';
    return r;
}

nlohmann::ordered_json Json(const ui::VistaCodigo& v, const viewer::ColoresCodigo& c,
                            const Salida& s) {
    nlohmann::ordered_json spans = nlohmann::ordered_json::array();
    for (const viewer::Tramo& t : c.Tramos())
        spans.push_back({{"start", t.inicio},
                         {"length", t.largo},
                         {"color", ColorHtml(t.formato.color)},
                         {"bold", t.formato.negrita}});
    return {{"caption", s.Texto(v.caption)},
            {"tag", s.Texto(v.tag)},
            {"text", s.Texto(*v.texto)},
            {"spans", spans}};
}

} // namespace

// The code viewer's face on the command line: a module, or one of its procedures, with the
// viewer's colours.
int ComandoView(const Opciones& o) {
    auto grupo = AbreProyecto(o, files::CodeLoading::WhenUsed);
    files::Project& p = grupo->Active();
    Salida s(p.CodePage());
    files::Component* c = &ModuloPedido(p, o, s, o.modulos.front());
    // Read now: a module that cannot be read stops here, naming its file and why, instead of
    // the viewer's refresh passing it by.
    c->CodeModule();

    // The selection the main window would have: the module, and the procedure chosen in its
    // list under the name the list shows.
    engine::EstadoSeleccion estado;
    estado.paginaCodigos = p.CodePage();
    estado.modulo = c->Name();
    estado.vistaModulo = o.procs.empty();
    if (!o.procs.empty()) {
        engine::SinProgreso sinProgreso;
        estado.procedimientos = engine::ListaProcedimientos(c->CodeModule(), p.CodePage(),
                                                            sinProgreso, engine::Estados::Omitidos);
        const std::string pedido = s.Bytes(o.procs.front(), "--proc");
        for (size_t i = 0; i < estado.procedimientos.size(); ++i)
            if (codepage::IgualesSinCaso(estado.procedimientos[i].nombre, pedido, p.CodePage()))
                estado.actual = static_cast<int>(i);
        if (estado.actual < 0)
            throw ErrorVB(vberr::ProcedureNotFound, "lintrap",
                          o.proyecto + ": el módulo \"" + s.Texto(c->Name()) +
                              "\" no tiene ningún procedimiento \"" + o.procs.front() + "\"");
    }

    const ui::VistaCodigo v = ui::CodigoVisor(p, estado);
    if (!v.texto)
        throw ErrorVB(vberr::PathFileAccessError, "lintrap",
                      RutaVisible(p, c->File()) + ": no se ha podido leer el código del módulo \"" +
                          s.Texto(c->Name()) + "\"");
    viewer::ColoresCodigo colores(viewer::Caracteres(*v.texto, p.CodePage()));
    colores.formateaCodigo();

    if (o.json)
        Salida::Out(Json(v, colores, s)
                        .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) +
                    "\n");
    else
        Salida::Out(TextoTerminal(colores, ConColores()));
    return Hecho;
}

} // namespace cli
