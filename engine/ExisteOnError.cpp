#include "engine/ExisteOnError.h"

#include "ClsErrores/Convencion.h"

namespace engine {
namespace {

// The line, or an empty text where the module fails to give it (the failure is the current
// error, as in every resume-next step).
std::string_view LineaOVacia(vbide::CodeModule& m, long l) {
    std::string_view linea;
    PasoSinError([&] { linea = m.Line(l); });
    return linea;
}

} // namespace

bool LineasDeOnError(vbide::CodeModule& m, vbide::Member& miembro, std::string& nombre,
                     long& primera, long& cuantas) {
    auto tipo = vbide::MemberType::Variable;
    PasoSinError([&] { tipo = miembro.Type(); });
    if (tipo != vbide::MemberType::Method && tipo != vbide::MemberType::Event) {
        return false;
    }
    return PasoSinError([&] { nombre = miembro.Name(); }) &&
           PasoSinError([&] { primera = m.ProcStartLine(nombre, vbide::ProcKind::Proc); }) &&
           PasoSinError([&] { cuantas = m.ProcCountLines(nombre, vbide::ProcKind::Proc); });
}

bool ExisteOnError(vbide::CodeModule& m, vbide::Member& miembro, const Tabla& tabla) {
    std::string nombre;
    long primera = 0;
    long cuantas = 0;
    return LineasDeOnError(m, miembro, nombre, primera, cuantas) &&
           OnErrorEntre(m, primera, cuantas, tabla);
}

bool OnErrorEntre(vbide::CodeModule& m, long primera, long cuantas, const Tabla& tabla) {
    for (long l = primera; l < primera + cuantas; ++l) {
        // A text that begins with "On Error" ends in 'r': its trailing spaces never decide.
        if (EmpiezaOnError(Recorta(LineaOVacia(m, l)), tabla)) {
            return true;
        }
    }
    return false;
}

} // namespace engine
