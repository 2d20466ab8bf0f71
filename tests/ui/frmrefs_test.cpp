// The references viewer driven through a recording view, over real project files.

#include "host/files/Vbe.h"
#include "tests/support/Archivos.h"
#include "tests/support/Escena.h"
#include "tests/support/Guion.h"
#include "tests/support/VistaGrabadora.h"
#include "ui/inspectors/Referencias.h"
#include "ui/inspectors/frmRefs.h"

#include <gtest/gtest.h>

namespace {

// Its scenario: tests/data/ui/frmrefs.txt.
TEST(frmRefs, CargaYDetalleDeCadaReferenciaOSinNinguna) {
    soporte::SilenciaGlbErr();
    auto completo = files::Vbe::Open(soporte::Datos("host/projects/Completo/Completo.vbp"));
    auto vacio = files::Vbe::Open(soporte::Datos("ui/proyectos/modulo/Proyecto1.vbp"));
    soporte::VistaGrabadora v;
    std::unique_ptr<ui::frmRefs> f;
    auto pasos = soporte::PasosDe(v);
    pasos["Abre"] = [&](auto& a) {
        v = {};
        f = std::make_unique<ui::frmRefs>(v, a[0] == "vacio" ? *vacio : *completo, 1252);
        f->Form_Load();
    };
    pasos["List1_Click"] = [&](auto& a) { f->List1_Click(std::stoi(a[0])); };
    pasos["OKButton_Click"] = [&](auto&) { f->OKButton_Click(); };
    soporte::Escena("ui/frmrefs.txt", "referencias", pasos, soporte::LecturasDe(v));

    // The command line looks references up by a name typed by the user.
    auto& p = *completo->ActiveVBProject();
    EXPECT_EQ(inspectors::ReferenciaPorNombre(p, "SCRIPTING", 1252).Name(), "Scripting");
    EXPECT_THROW(inspectors::ReferenciaPorNombre(p, "Ninguna", 1252), ErrorVB);
}

} // namespace
