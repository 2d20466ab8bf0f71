#include "engine/ExisteOnError.h"

#include "ClsErrores/Convencion.h"

namespace engine {

bool ExisteOnError(vbide::CodeModule& m, vbide::Member& miembro, const Tabla& tabla) {
    auto tipo = vbide::MemberType::Variable;
    ResumeNext([&] { tipo = miembro.Type(); });
    if (tipo != vbide::MemberType::Method && tipo != vbide::MemberType::Event) {
        return false;
    }
    std::string nombre;
    long primera = 0;
    long cuantas = 0;
    if (!ResumeNext([&] { nombre = miembro.Name(); }) ||
        !ResumeNext([&] { primera = m.ProcStartLine(nombre, vbide::ProcKind::Proc); }) ||
        !ResumeNext([&] { cuantas = m.ProcCountLines(nombre, vbide::ProcKind::Proc); })) {
        return false;
    }
    for (long l = primera; l < primera + cuantas; ++l) {
        std::string_view linea;
        ResumeNext([&] { linea = m.Line(l); });
        if (EmpiezaPor(Recorta(linea), "On Error", tabla)) {
            return true;
        }
    }
    return false;
}

} // namespace engine
