#include "ui/main/CodigoVisor.h"

#include "base/ErrorVB.h"

namespace ui {

std::optional<std::string> ProcAFormCodigo(vbide::CodeModule& modulo, const std::string& nombre) {
    try {
        const vbide::MemberType tipo = modulo.Members().Item(nombre).Type();
        // The procedure list holds methods and events only; anything else is not cut out.
        if (tipo != vbide::MemberType::Method && tipo != vbide::MemberType::Event)
            return std::nullopt;
        const long inicio = modulo.ProcStartLine(nombre, vbide::ProcKind::Proc);
        const long cuenta = modulo.ProcCountLines(nombre, vbide::ProcKind::Proc);
        return modulo.Lines(inicio, cuenta);
    } catch (const ErrorVB&) {
        return std::nullopt;
    }
}

VistaCodigo CodigoVisor(vbide::VBProject& proyecto, const engine::EstadoSeleccion& estado) {
    VistaCodigo v;
    v.paginaCodigos = estado.paginaCodigos;
    vbide::CodeModule* modulo = nullptr;
    try {
        modulo = &proyecto.VBComponents().Item(estado.modulo).CodeModule();
    } catch (const ErrorVB&) {
        // No such module (or one without code): the caption and tag still change.
    }
    if (estado.vistaModulo) {
        v.caption = estado.modulo;
        v.tag = kTagModulo;
        v.mnuDepVisible = false;
        if (modulo != nullptr) {
            try {
                v.texto = modulo->Lines(1, modulo->CountOfLines());
            } catch (const ErrorVB&) {
            }
        }
        return v;
    }
    const bool hayActual =
        estado.actual >= 0 && estado.actual < static_cast<int>(estado.procedimientos.size());
    const std::string actual = hayActual ? estado.procedimientos[estado.actual].nombre : "";
    if (modulo != nullptr)
        v.texto = ProcAFormCodigo(*modulo, actual);
    v.caption = actual;
    v.tag = actual;
    v.mnuDepVisible = true;
    return v;
}

} // namespace ui
