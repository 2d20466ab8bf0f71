#include "ui/viewer/FrmCodigo.h"

#include "ClsErrores/Convencion.h"
#include "ui/viewer/Caracteres.h"

namespace ui {
namespace {

constexpr const char* kPromptResaltar = "Introduzca el término a resaltar (se coloreará de rojo)";
constexpr const char* kTituloAplicacion = "Lintrap";

} // namespace

FrmCodigo::FrmCodigo(Vista& vista)
    : vista_(vista), colores_(std::make_unique<viewer::ColoresCodigo>(U"")) {}

void FrmCodigo::Muestra(const VistaCodigo& vista) {
    PasoSinError([&] { vista_.Muestra("TxtCodigo", false); });
    if (vista.texto) {
        PasoSinError([&] {
            colores_->PonTexto(*vista.texto, vista.paginaCodigos);
            paginaCodigos_ = vista.paginaCodigos;
        });
    }
    PasoSinError([&] { vista_.PonTexto("", codepage::AUtf8(vista.caption, vista.paginaCodigos)); });
    tag_ = vista.tag;
    PasoSinError([&] { vista_.Muestra("mnuDep", vista.mnuDepVisible); });
    // The text goes to the box once, coloured, with the caret at position 1.
    PasoSinError([&] { colores_->formateaCodigo(); });
    PasoSinError([&] { PintaTexto(1); });
    PasoSinError([&] { vista_.Muestra("TxtCodigo", true); });
}

void FrmCodigo::formateaCodigo() {
    // A failing pass leaves the colours it reached: the text is shown all the same.
    PasoSinError([&] { colores_->formateaCodigo(); });
    PasoSinError([&] { PintaTexto(-1); });
}

void FrmCodigo::PintaTexto(long cursor) {
    colores_->Tramos(tramos_);
    vista_.PonTextoColoreado("TxtCodigo", colores_->Texto(), tramos_, cursor);
}

void FrmCodigo::mnuResaltar_Click() {
    Procedimiento("FrmCodigo \\ mnuResaltar_Click", [&] {
        // A cancelled box gives an empty term, like an empty one: nothing to paint.
        const std::string termino = vista_.PideTexto(kPromptResaltar, kTituloAplicacion);
        if (termino.empty())
            return;
        // The typed term is UTF-8, which the conversion passes through as it is.
        if (colores_->Resaltar(viewer::Caracteres(termino, paginaCodigos_)) > 0)
            PintaTexto(-1);
    });
}

void FrmCodigo::mnuDep_Click() {
    Procedimiento("FrmCodigo \\ mnuDep_Click",
                  [&] { vista_.MuestraVentana("Dependencias", true); });
}

} // namespace ui
