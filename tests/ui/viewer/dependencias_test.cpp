// The callers list's Qt skin over a project on disk: what it shows, its button, the pointer
// back to normal, and the list following the window's height.

#include "qt/viewer/Dependencias.h"
#include "tests/engine/Apoyo.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(VentanaDependencias, MuestraLaListaCierraConOKYSigueLaAlturaDeLaVentana) {
    apoyo::SilenciaGlbErr();
    apoyo::CarpetaTemporal carpeta;
    auto proyecto = apoyo::Proyecto(carpeta.ruta,
                                    {{"Modulo1.bas", "Attribute VB_Name = \"Modulo1\"\n"
                                                     "Sub A\xF1o()\nEnd Sub\nSub Usa()\n"
                                                     "    A\xF1o\nEnd Sub\n'\n"}},
                                    "Module=Modulo1; Modulo1.bas\n");
    engine::EstadoSeleccion estado;
    qt::Dependencias d(proyecto.get(), "A\xF1o", estado);
    EXPECT_EQ(d.windowTitle(), "Dependencias");
    EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), "Año");
    ASSERT_NE(d.findChild<QLabel*>("Label2"), nullptr);
    auto* lista = d.findChild<QListWidget*>("List1");
    ASSERT_EQ(lista->count(), 2);
    EXPECT_EQ(lista->item(0)->text(), "Modulo1 / Año");
    EXPECT_EQ(lista->item(1)->text(), "Modulo1 / Usa");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    d.show();
    d.resize(360, 500);
    QApplication::processEvents();
    auto* ok = d.findChild<QPushButton*>("Command1");
    EXPECT_EQ(lista->height(), 500 - 36);
    EXPECT_EQ(ok->y(), 500 - 38);
    // Too small for the list: both stay where they were.
    d.resize(360, 20);
    QApplication::processEvents();
    EXPECT_EQ(lista->height(), 500 - 36);

    EXPECT_EQ(ok->text(), "OK");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(d.isHidden());
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

} // namespace
