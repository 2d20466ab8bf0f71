// The callers list driven through a recording view over a project on disk: what it lists under
// the hourglass, its button, and a failing model reported with the partial list kept.

#include "base/CodePage.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Guion.h"
#include "tests/support/Proyectos.h"
#include "tests/support/Tabla.h"
#include "tests/support/VistaGrabadora.h"
#include "ui/viewer/Dependencias.h"

#include <gtest/gtest.h>

namespace {

using Lista = std::vector<std::string>;

struct Dependencias : ::testing::Test {
    void SetUp() override {
        soporte::SilenciaGlbErr();
        soporte::Copia(soporte::Datos("ui/proyectos/llamadas"), carpeta.Ruta());
        proyecto = files::Project::Load(carpeta / "Proyecto1.vbp");
        estado.modulo = "Modulo1";
        estado.procedimientos = {{"Calcula", true, engine::Manejo::Sin},
                                 {"Usa", false, engine::Manejo::Sin}};
        estado.actual = 0;
    }

    soporte::Carpeta carpeta;
    std::unique_ptr<files::Project> proyecto;
    engine::EstadoSeleccion estado;
};

TEST_F(Dependencias, ListaLosLlamadoresBajoElRelojYCierraConOK) {
    for (const auto& c : soporte::Tabla("ui/dependencias.txt")) {
        SCOPED_TRACE(c[0]);
        soporte::VistaGrabadora v;
        ui::Dependencias d(v, proyecto.get(), codepage::DesdeUtf8(c[0], 1252).value(), estado);
        d.Form_Load();
        EXPECT_EQ(v.filas["List1"], c[2].empty() ? Lista{} : soporte::Partes(c[2]));
        EXPECT_EQ(v.texto["Label1"], c[1]);
        EXPECT_EQ(v.llamadas.front(), "RelojArena 1");
        EXPECT_EQ(v.llamadas.back(), "RelojArena 0");
        d.Command1_Click();
        EXPECT_EQ(v.cerrada, true);
    }
}

TEST_F(Dependencias, UnFalloDelModeloSeAvisaYQuedaLaListaParcial) {
    proyecto = files::Project::Load(carpeta / "Proyecto1.vbp", 1252, files::CodeLoading::WhenUsed);
    soporte::Escribe(carpeta / "Otro.bas", soporte::Crlf("Attribute VB_Name = \"Otro\"\n'\n"));
    for (files::Project* p : {proyecto.get(), static_cast<files::Project*>(nullptr)}) {
        soporte::Guion cajas;
        soporte::VistaGrabadora v;
        ui::Dependencias d(v, p, "Calcula", estado);
        d.Form_Load();
        EXPECT_EQ(v.filas["List1"], p ? Lista{"Modulo1 / Usa"} : Lista{});
        ASSERT_EQ(cajas.cajas.size(), 1u);
        EXPECT_NE(cajas.cajas[0].prompt.find(p ? "Otro.bas" : "No hay ningún proyecto activo"),
                  std::string::npos)
            << cajas.cajas[0].prompt;
        EXPECT_FALSE(v.reloj);
    }
}

} // namespace
