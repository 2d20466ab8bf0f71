// The references viewer as a real window: loading, clicking a reference, an empty project.

#include "host/files/Vbe.h"
#include "tests/engine/Apoyo.h"
#include "ui/inspectors/frmRefs.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void Pulsa(QListWidget* lista, int fila) {
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualItemRect(lista->item(fila)).center());
}

TEST(VentanaReferencias, CargaYDetalleAlPulsar) {
    apoyo::SilenciaGlbErr();
    auto vbe = files::Vbe::Open(apoyo::Datos("host/projects/Completo/Completo.vbp"));
    frmRefs f(*vbe, 1252);
    f.show();
    EXPECT_EQ(f.windowTitle(), "Completo (Referencias)");
    EXPECT_EQ(f.findChild<QLabel*>("Label1")->text(), "Referencias");
    EXPECT_EQ(f.findChild<QLabel*>("Label3")->text(),
              "Descripción del proyecto:\nTodas las clases de componente: año, señal");
    auto* lista = f.findChild<QListWidget*>("List1");
    ASSERT_EQ(lista->count(), 4);
    EXPECT_EQ(lista->item(3)->text(), "MSCOMCTL");
    // Nothing selected until the user clicks.
    EXPECT_EQ(lista->currentRow(), -1);
    auto* detalle = f.findChild<QLabel*>("Label2");
    EXPECT_EQ(detalle->text(), "");

    Pulsa(lista, 1);
    EXPECT_EQ(detalle->text(), "scrrun 1.10\nC:\\Windows\\SysWOW64\\scrrun.dll\n"
                               "GUID: {420B2830-E718-11CF-893D-00A0C9054228}");
    Pulsa(lista, 0);
    EXPECT_TRUE(detalle->text().startsWith("stdole2 2.0\n")) << detalle->text().toStdString();

    auto* ok = f.findChild<QPushButton*>("OKButton");
    EXPECT_EQ(ok->text(), "Aceptar");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(f.isHidden());
}

TEST(VentanaReferencias, ProyectoSinReferenciasNiDescripcion) {
    apoyo::SilenciaGlbErr();
    apoyo::CarpetaTemporal carpeta;
    apoyo::Proyecto(carpeta.ruta, {{"M.bas", "Attribute VB_Name = \"M\"\n"}}, "Module=M; M.bas\n");
    auto vbe = files::Vbe::Open(carpeta.ruta / "Proyecto1.vbp");
    frmRefs f(*vbe, 1252);
    f.show();
    EXPECT_EQ(f.windowTitle(), "Proyecto1 (Referencias)");
    EXPECT_EQ(f.findChild<QLabel*>("Label3")->text(), "");
    auto* lista = f.findChild<QListWidget*>("List1");
    EXPECT_EQ(lista->count(), 0);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(f.findChild<QLabel*>("Label2")->text(), "");
}

} // namespace
