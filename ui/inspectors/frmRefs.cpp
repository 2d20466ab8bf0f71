#include "ui/inspectors/frmRefs.h"

#include "ClsErrores/Convencion.h"
#include "ui/inspectors/Referencias.h"

namespace ui {
namespace {

vbide::VBProject& Activo(vbide::VBE& vbe) {
    vbide::VBProject* p = vbe.ActiveVBProject();
    if (!p) {
        throw ErrorVB(vberr::ObjectRequired, "VBE", "No hay ningún proyecto activo");
    }
    return *p;
}

} // namespace

void frmRefs::Form_Load() {
    nombres_.clear();
    Procedimiento("frmRefs \\ Form_Load", [&] {
        vbide::VBProject& p = Activo(vbe_);
        inspectors::NombresReferencias(p, cp_, nombres_);
        vista_.PonTexto("Label3", inspectors::TextoDescripcion(p.Description(), cp_));
        vista_.PonTexto("", inspectors::TituloReferencias(p.Name(), cp_));
    });
    // The names read before a failure stay listed; nothing is selected after loading.
    vista_.Rellena("List1", nombres_);
}

void frmRefs::List1_Click(int fila) {
    Procedimiento("frmRefs \\ List1_Click", [&] {
        if (fila < 0 || fila >= int(nombres_.size())) {
            return;
        }
        auto& r = inspectors::ReferenciaPorNombre(Activo(vbe_), nombres_[size_t(fila)], cp_);
        vista_.PonTexto("Label2", inspectors::DetalleReferencia(r, cp_));
    });
}

void frmRefs::OKButton_Click() {
    Procedimiento("frmRefs \\ OKButton_Click", [&] { vista_.Cierra(true); });
}

} // namespace ui
