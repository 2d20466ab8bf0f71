#include "ui/viewer/Llamadores.h"

#include "base/CodePage.h"
#include "engine/Lineas.h"

namespace viewer {
namespace {

using vbide::ComponentType;

// Modules, classes, MSForms designers, forms and MDI forms carry code worth searching.
bool TieneCodigo(ComponentType t) {
    return t == ComponentType::StdModule || t == ComponentType::ClassModule ||
           t == ComponentType::MSForm || t == ComponentType::VBForm ||
           t == ComponentType::VBMDIForm;
}

// The whole module, whole word, case ignored, no pattern: the cheap test that spares reading
// the modules that never name the procedure.
bool LoNombra(vbide::CodeModule& cm, const std::string& nombre) {
    long linea = 1, columna = 1, lineaFin = -1, columnaFin = -1;
    return cm.Find(nombre, linea, columna, lineaFin, columnaFin, true, false, false);
}

// The line without its comment, trimmed. The cut is at the first apostrophe, also one inside
// a string literal, as the rest of the add-in reads lines.
std::string_view SinComentario(std::string_view linea) {
    return engine::Recorta(linea.substr(0, linea.find('\'')));
}

} // namespace

std::string Entrada(std::string_view componente, std::string_view procedimiento) {
    std::string e(componente);
    e += " / ";
    e += procedimiento;
    return e;
}

void BuscaLlamadores(vbide::VBProject& proyecto, const BusquedaLlamadores& b,
                     std::vector<std::string>& lista) {
    if (b.nombre == Todos) {
        return;
    }
    const auto& tabla = codepage::TablaMinusculas(b.paginaCodigos);
    auto& componentes = proyecto.VBComponents();
    const long total = componentes.Count();
    for (long c = 1; c <= total; ++c) {
        auto& componente = componentes.Item(c);
        if (!TieneCodigo(componente.Type())) {
            continue;
        }
        auto& cm = componente.CodeModule();
        if (!LoNombra(cm, b.nombre)) {
            continue;
        }
        const std::string nombreComponente = componente.Name();
        const bool esSeleccionado = nombreComponente == b.modulo;
        // Lines counted in a long: a module of more than 32,767 lines is searched to its end.
        // Its last line stays unexamined, as the window has always done.
        const long ultima = cm.CountOfLines() - 1;
        for (long i = 1; i <= ultima; ++i) {
            if (!engine::Contiene(SinComentario(cm.Line(i)), b.nombre, tabla)) {
                continue;
            }
            const std::string llamador = cm.ProcOfLine(i);
            std::string entrada = Entrada(nombreComponente, llamador);
            if ((lista.empty() || entrada != lista.back()) &&
                (!esSeleccionado || llamador != b.procedimiento)) {
                lista.push_back(std::move(entrada));
            }
        }
    }
}

} // namespace viewer
