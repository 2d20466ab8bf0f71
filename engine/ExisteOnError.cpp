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

bool ExisteOnError(vbide::CodeModule& m, vbide::Member& miembro, const Tabla& tabla) {
    auto tipo = vbide::MemberType::Variable;
    PasoSinError([&] { tipo = miembro.Type(); });
    if (tipo != vbide::MemberType::Method && tipo != vbide::MemberType::Event) {
        return false;
    }
    std::string nombre;
    long primera = 0;
    long cuantas = 0;
    if (!PasoSinError([&] { nombre = miembro.Name(); }) ||
        !PasoSinError([&] { primera = m.ProcStartLine(nombre, vbide::ProcKind::Proc); }) ||
        !PasoSinError([&] { cuantas = m.ProcCountLines(nombre, vbide::ProcKind::Proc); })) {
        return false;
    }
    const unsigned char o = tabla['o'];
    for (long l = primera; l < primera + cuantas; ++l) {
        const std::string_view linea = LineaOVacia(m, l);
        // Only the leading spaces matter: a text that begins with "On Error" ends in 'r', so its
        // trailing spaces never decide. The first letter turns most lines away.
        std::size_t i = 0;
        while (i < linea.size() && linea[i] == ' ') {
            ++i;
        }
        if (i < linea.size() && tabla[static_cast<unsigned char>(linea[i])] == o &&
            EmpiezaPor(linea.substr(i), "On Error", tabla)) {
            return true;
        }
    }
    return false;
}

} // namespace engine
