// The callers list window over a project on disk: what it lists, its button, its resizing, and
// a failing model reported with the partial list kept.

#include "tests/engine/Apoyo.h"
#include "ui/viewer/Dependencias.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct VentanaDependencias : ::testing::Test {
    void SetUp() override {
        apoyo::SilenciaGlbErr();
        proyecto = apoyo::Proyecto(
            carpeta.ruta,
            {{"Modulo1.bas", "Attribute VB_Name = \"Modulo1\"\nFunction Calcula()\n"
                             "    Calcula = Calcula + 1\nEnd Function\nSub Usa()\n"
                             "    Calcula\nEnd Sub\n'\n"},
             {"Otro.bas", "Attribute VB_Name = \"Otro\"\nPublic Const K = \"Calcula\"\n"
                          "Sub Llama()\n    x = Calcula()\nEnd Sub\n'\n"}},
            "Module=Modulo1; Modulo1.bas\nModule=Otro; Otro.bas\n");
        estado.modulo = "Modulo1";
        estado.procedimientos = {{"Calcula", true, engine::Manejo::Sin},
                                 {"Usa", false, engine::Manejo::Sin}};
        estado.actual = 0;
    }
    QStringList Entradas(Dependencias& d) {
        QStringList r;
        auto* lista = d.findChild<QListWidget*>("List1");
        for (int i = 0; i < lista->count(); ++i) {
            r << lista->item(i)->text();
        }
        return r;
    }

    apoyo::CarpetaTemporal carpeta;
    std::unique_ptr<files::Project> proyecto;
    engine::EstadoSeleccion estado;
};

TEST_F(VentanaDependencias, ListaLosLlamadoresYCierraConOK) {
    Dependencias d(proyecto.get(), "Calcula", estado);
    EXPECT_EQ(d.windowTitle(), "Dependencias");
    EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), "Calcula");
    ASSERT_NE(d.findChild<QLabel*>("Label2"), nullptr);
    EXPECT_EQ(Entradas(d), (QStringList{"Modulo1 / Usa", "Otro / ", "Otro / Llama"}));
    // The pointer is back to normal once the list is filled.
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    d.show();
    auto* ok = d.findChild<QPushButton*>("Command1");
    EXPECT_EQ(ok->text(), "OK");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(d.isHidden());
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST_F(VentanaDependencias, TodosDejaLaListaVacia) {
    Dependencias d(proyecto.get(), "Todos", estado);
    EXPECT_TRUE(Entradas(d).isEmpty());
    EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), "");
}

TEST_F(VentanaDependencias, LaListaSigueLaAlturaDeLaVentana) {
    Dependencias d(proyecto.get(), "Calcula", estado);
    d.show();
    d.resize(360, 500);
    QApplication::processEvents();
    auto* lista = d.findChild<QListWidget*>("List1");
    auto* ok = d.findChild<QPushButton*>("Command1");
    EXPECT_EQ(lista->height(), 500 - 36);
    EXPECT_EQ(ok->y(), 500 - 38);
    // Too small for the list: both stay where they were.
    d.resize(360, 20);
    QApplication::processEvents();
    EXPECT_EQ(lista->height(), 500 - 36);
}

TEST_F(VentanaDependencias, UnFalloDelModeloSeAvisaYQuedaLaListaParcial) {
    proyecto =
        files::Project::Load(carpeta.ruta / "Proyecto1.vbp", 1252, files::CodeLoading::WhenUsed);
    apoyo::Escribe(carpeta.ruta / "Otro.bas", apoyo::Crlf("Attribute VB_Name = \"Otro\"\n'\n"));
    apoyo::DialogosGuion cajas;
    Dependencias d(proyecto.get(), "Calcula", estado);
    EXPECT_EQ(Entradas(d), QStringList{"Modulo1 / Usa"});
    ASSERT_EQ(cajas.cajas.size(), 1u);
    EXPECT_NE(cajas.cajas[0].texto.find("Otro.bas"), std::string::npos) << cajas.cajas[0].texto;
}

} // namespace
