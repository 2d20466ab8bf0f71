// The module selection and the insert and remove commands over a project on disk.

#include "engine/Comandos.h"
#include "engine/Procedimientos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Codigo.h"
#include "tests/support/Guion.h"

#include <gtest/gtest.h>

using namespace engine;
using soporte::Texto;

namespace {

const std::string Si = "S\xC3\xAD";

struct Comandos : ::testing::Test {
    // The project: tests/data/engine/comandos.
    void SetUp() override {
        soporte::SilenciaGlbErr();
        soporte::Copia(soporte::Datos("engine/comandos"), carpeta.Ruta());
        proyecto = files::Project::Load(carpeta / "Proyecto1.vbp");
        estado.modulo = "Modulo1";
        SeleccionaModulo(*proyecto, estado, progreso);
        progreso.valores.clear();
    }
    std::vector<std::string> Estados() const {
        std::vector<std::string> r;
        for (const auto& p : estado.procedimientos) {
            r.push_back(p.nombre + "=" + std::string(TextoEstado(p)));
        }
        return r;
    }

    struct VentanaAnotada : Ventana {
        void RefrescarCodigo() override { ++refrescos; }
        void Recarga(const std::string& modulo) override { recargas.push_back(modulo); }
        int refrescos = 0;
        std::vector<std::string> recargas;
    };

    soporte::Carpeta carpeta;
    std::unique_ptr<files::Project> proyecto;
    soporte::Guion dialogos;
    soporte::ProgresoAnotado progreso;
    EstadoSeleccion estado;
    VentanaAnotada ventana;
    Entorno entorno{dialogos, progreso, ventana};
};

TEST_F(Comandos, SelectionListsMethodsSortedWithTheirStatus) {
    EXPECT_EQ(Estados(), (std::vector<std::string>{"alfa=" + Si, "Gamma=No", "Zeta=No"}));
    EXPECT_TRUE(estado.vistaModulo);
    EXPECT_FALSE(progreso.visible);

    estado.modulo = "Vacio";
    auto r = SeleccionaModulo(*proyecto, estado, progreso);
    EXPECT_TRUE(r.encontrado);
    EXPECT_EQ(r.lineas, 2);
    EXPECT_TRUE(estado.procedimientos.empty());

    estado.modulo = "YaNoExiste";
    r = SeleccionaModulo(*proyecto, estado, progreso);
    EXPECT_FALSE(r.encontrado);
    EXPECT_TRUE(estado.procedimientos.empty());
    EXPECT_FALSE(progreso.visible);
    EXPECT_FALSE(progreso.reloj);
    EXPECT_TRUE(dialogos.cajas.empty());

    EXPECT_EQ(ListaModulos(*proyecto, 1252),
              (std::vector<std::string>{"clsErrores", "Modulo1", "Vacio"}));
}

TEST_F(Comandos, TheRuntimeModuleIsRefusedInAnyCase) {
    estado.modulo = "CLSERRORES";
    estado.Check1 = true;
    const std::string antes = Texto(*proyecto, "clsErrores");
    EXPECT_EQ(ComandoInsertar(*proyecto, estado, entorno).parada, Parada::ModuloDelComplemento);
    ASSERT_EQ(dialogos.cajas.size(), 1u);
    EXPECT_EQ(dialogos.cajas[0].prompt,
              "Este módulo CLSERRORES pertenece al Complemento y no se puede modificar");
    EXPECT_EQ(Texto(*proyecto, "clsErrores"), antes);
    EXPECT_FALSE(progreso.visible);
}

TEST_F(Comandos, EmptySelectionIsToldAndTheStatusIsRebuilt) {
    const std::string antes = Texto(*proyecto, "Modulo1");
    for (const auto comando : {ComandoInsertar, ComandoQuitar}) {
        dialogos.cajas.clear();
        EXPECT_EQ(comando(*proyecto, estado, entorno).parada, Parada::NingunoSeleccionado);
        ASSERT_EQ(dialogos.cajas.size(), 1u);
        EXPECT_EQ(dialogos.cajas[0].prompt, "No hay ningún procedimiento seleccionado.\r\n"
                                            "Seleccione antes algún procedimiento");
        EXPECT_EQ(dialogos.cajas[0].buttons, vb::vbOKOnly);
        EXPECT_EQ(dialogos.cajas[0].title, "Lintrap");
        EXPECT_EQ(Texto(*proyecto, "Modulo1"), antes);
        EXPECT_FALSE(progreso.visible || progreso.reloj);
    }
    EXPECT_EQ(Estados(), (std::vector<std::string>{"alfa=Si", "Gamma=No", "Zeta=No"}));
}

// A No changes nothing; after a Yes the progress moves by row.
TEST_F(Comandos, AllProceduresAskFirst) {
    estado.Check1 = true;
    estado.modo = Modo::Option2;
    dialogos.respuestas = {vb::vbNo, vb::vbYes};
    const std::string antes = Texto(*proyecto, "Modulo1");
    ResultadoComando r = ComandoInsertar(*proyecto, estado, entorno);
    EXPECT_EQ(r.parada, Parada::Cancelada);
    EXPECT_FALSE(r.cambiado);
    ASSERT_EQ(dialogos.cajas.size(), 1u);
    EXPECT_EQ(dialogos.cajas[0].prompt,
              "¿Seguro que quiere insertar en todos los procedimientos en este módulo?");
    EXPECT_EQ(dialogos.cajas[0].buttons, vb::vbYesNo);
    EXPECT_EQ(Texto(*proyecto, "Modulo1"), antes);
    EXPECT_EQ(Estados(), (std::vector<std::string>{"alfa=" + Si, "Gamma=No", "Zeta=No"}));
    EXPECT_FALSE(progreso.visible);

    r = ComandoInsertar(*proyecto, estado, entorno);
    EXPECT_TRUE(r.cambiado && r.parada == Parada::Ninguna && !r.error);
    EXPECT_EQ(progreso.valores, (std::vector<double>{0, 33, 67}));
    EXPECT_EQ(ventana.refrescos, 1);
    EXPECT_EQ(Estados(), (std::vector<std::string>{"alfa=Si", "Gamma=Si", "Zeta=Si"}));
    EXPECT_FALSE(progreso.visible);
    EXPECT_FALSE(progreso.reloj);
}

TEST_F(Comandos, SelectedProceduresRefreshTheViewerEachAndModulesAddedReload) {
    struct InstalacionAnotada : Instalacion {
        explicit InstalacionAnotada(EstadoSeleccion& e) : estado(e) {}
        bool YaExisteCls() override { return existe; }
        void AddModulos() override {
            ++llamadas;
            existe = true;
            estado.modulosAnadidos = true;
        }
        EstadoSeleccion& estado;
        bool existe = false;
        int llamadas = 0;
    } instalacion(estado);
    estado.modo = Modo::Option2;
    estado.procedimientos[1].seleccionado = true; // Gamma
    estado.procedimientos[2].seleccionado = true; // Zeta
    entorno.instalacion = &instalacion;
    EXPECT_TRUE(ComandoInsertar(*proyecto, estado, entorno).modulosAnadidos);
    EXPECT_EQ(ventana.refrescos, 2);
    EXPECT_EQ(instalacion.llamadas, 1);
    EXPECT_EQ(ventana.recargas, (std::vector<std::string>{"Modulo1"}));
    EXPECT_FALSE(estado.modulosAnadidos);
    EXPECT_TRUE(progreso.valores.empty());
}

// The command keeps the module it looked up for all its procedures; the runtime modules are
// added after the first one. Many components added at once move the project's list of
// components: the module held must stay the one in the project.
TEST_F(Comandos, ModulesAddedMidCommandLeaveTheModuleInPlace) {
    struct InstalacionQueImporta : Instalacion {
        InstalacionQueImporta(vbide::VBProject& p, const std::filesystem::path& c)
            : proyecto(p), carpeta(c) {}
        bool YaExisteCls() override { return hecho; }
        void AddModulos() override {
            for (int i = 0; i < 40; ++i) {
                const std::string nombre = "Extra" + std::to_string(i);
                soporte::Escribe(carpeta / (nombre + ".bas"), "Attribute VB_Name = \"" + nombre +
                                                                  "\"\r\nSub S()\r\nEnd Sub\r\n");
                proyecto.VBComponents().Import((carpeta / (nombre + ".bas")).string());
            }
            hecho = true;
        }
        vbide::VBProject& proyecto;
        std::filesystem::path carpeta;
        bool hecho = false;
    };
    soporte::Carpeta fuera;
    InstalacionQueImporta instalacion(*proyecto, fuera.Ruta());
    estado.Check1 = true;
    estado.modo = Modo::Option2;
    dialogos.respuestas = {vb::vbYes};
    entorno.instalacion = &instalacion;
    ComandoInsertar(*proyecto, estado, entorno);
    EXPECT_TRUE(instalacion.hecho);
    EXPECT_EQ(proyecto->VBComponents().Count(), 43);
    const std::string codigo = Texto(*proyecto, "Modulo1");
    for (const char* p : {"Modulo1 \\ Zeta", "Modulo1 \\ Gamma"}) {
        EXPECT_NE(codigo.find(p), std::string::npos) << p;
    }
    EXPECT_EQ(Estados(), (std::vector<std::string>{"alfa=Si", "Gamma=Si", "Zeta=Si"}));
}

TEST_F(Comandos, AModuleGoneBeforeTheCommandIsOneErrorAndNoChange) {
    estado.modulo = "YaNoExiste";
    estado.procedimientos[1].seleccionado = true;
    estado.procedimientos[2].seleccionado = true;
    const std::string antes = Texto(*proyecto, "Modulo1");
    ComandoInsertar(*proyecto, estado, entorno);
    EXPECT_EQ(dialogos.cajas.size(), 1u); // the error, once
    EXPECT_EQ(ventana.refrescos, 0);
    EXPECT_EQ(Texto(*proyecto, "Modulo1"), antes);
    EXPECT_FALSE(progreso.visible);
}

TEST_F(Comandos, ReloadingTheStateResetsOptionsAndKeepsTheModule) {
    estado.modo = Modo::Option3;
    estado.variante = Variante::OptRaise;
    estado.ajustes.glbMandaEmail = "True";
    VentanaSinVista sinVista(*proyecto, estado, progreso);
    sinVista.Recarga("modulo1");
    EXPECT_EQ(estado.modulo, "Modulo1");
    EXPECT_EQ(estado.modo, Modo::Option1);
    EXPECT_EQ(estado.variante, Variante::OptExit);
    EXPECT_EQ(estado.ajustes.glbMandaEmail, "False");
    EXPECT_EQ(estado.procedimientos.size(), 3u);
}

TEST_F(Comandos, RemovalOfTheWholeModuleAsksFirst) {
    estado.Check1 = true;
    estado.modo = Modo::Option3;
    dialogos.respuestas = {vb::vbNo, vb::vbYes};
    const std::string antes = Texto(*proyecto, "Modulo1");
    ComandoQuitar(*proyecto, estado, entorno);
    EXPECT_EQ(Texto(*proyecto, "Modulo1"), antes);
    ComandoQuitar(*proyecto, estado, entorno);
    ASSERT_EQ(dialogos.cajas.size(), 2u);
    EXPECT_EQ(dialogos.cajas[1].prompt,
              "¿Seguro que quiere quitar en todos los procedimientos en este módulo?");
    EXPECT_EQ(Texto(*proyecto, "Modulo1").find("On Error Resume Next"), std::string::npos);
    EXPECT_EQ(Estados(), (std::vector<std::string>{"alfa=No", "Gamma=No", "Zeta=No"}));
    EXPECT_EQ(ventana.refrescos, 1);
}

} // namespace
