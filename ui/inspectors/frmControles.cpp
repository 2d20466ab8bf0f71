#include "ui/inspectors/frmControles.h"

#include "ClsErrores/MsgBox.h"
#include "base/ErrorVB.h"

namespace ui {

const inspectors::Elemento* frmControles::Lista::Actual() const {
    return fila >= 0 && fila < int(filas.size()) ? &filas[size_t(fila)] : nullptr;
}

template <class F> void frmControles::Maneja(F&& paso) {
    try {
        paso();
    } catch (const ErrorVB& e) {
        vista_.Mensaje(e.Description, vb::vbOKOnly + vb::vbExclamation, "Lintrap");
    }
}

void frmControles::Rellena(Lista& lista, std::vector<inspectors::Elemento> filas,
                           void (frmControles::*clic)(int)) {
    lista.filas = std::move(filas);
    lista.fila = -1;
    std::vector<std::string> textos;
    for (const auto& e : lista.filas) {
        textos.push_back(e.texto);
    }
    vista_.Rellena(lista.nombre, textos);
    if (!lista.filas.empty()) {
        vista_.Selecciona(lista.nombre, 0);
        (this->*clic)(0);
    }
}

void frmControles::Form_Load() {
    Maneja([&] { Rellena(list3_, controles_.Proyectos(), &frmControles::List3_Click); });
}

void frmControles::List3_Click(int fila) {
    list3_.fila = fila;
    if (!list3_.Actual()) {
        return;
    }
    Rellena(list0_, {}, &frmControles::List0_Click);
    Maneja([&] {
        Rellena(list0_, controles_.Formularios(list3_.Actual()->dato), &frmControles::List0_Click);
    });
}

void frmControles::List0_Click(int fila) {
    list0_.fila = fila;
    if (!list0_.Actual() || !list3_.Actual()) {
        return;
    }
    Rellena(list1_, {}, &frmControles::List1_Click);
    Maneja([&] {
        Rellena(list1_,
                controles_.SeleccionaFormulario(list3_.Actual()->dato, list0_.Actual()->texto),
                &frmControles::List1_Click);
    });
}

void frmControles::List1_Click(int fila) {
    list1_.fila = fila;
    const inspectors::Elemento* control = list1_.Actual();
    if (!control) {
        return;
    }
    const auto v = controles_.SeleccionaControl(control->dato, control->texto);
    if (v.label4) {
        vista_.PonTexto("Label4", *v.label4);
    }
    list2_ = v.propiedades;
    vista_.Rellena("List2", list2_);
    vista_.PonTexto("Label3", v.label3);
}

void frmControles::Command1_Click() {
    Maneja([&] {
        // With no control selected there is nothing to copy, and nothing is said.
        const inspectors::Elemento* control = list1_.Actual();
        const inspectors::Elemento* formulario = list0_.Actual();
        const auto informe = controles_.Informe(
            control ? control->texto : std::string(), control ? control->dato : 0,
            formulario ? formulario->texto : std::string(), list2_);
        if (informe) {
            vista_.Portapapeles(*informe);
        }
    });
}

} // namespace ui
