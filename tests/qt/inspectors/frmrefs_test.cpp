// The references viewer's skin: a click reaching its handler, what it shows.

#include "host/files/Vbe.h"
#include "qt/inspectors/frmRefs.h"
#include "tests/support/Archivos.h"
#include "tests/support/Guion.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(VentanaReferencias, CargaYDetalleAlPulsar) {
    soporte::SilenciaGlbErr();
    auto vbe = files::Vbe::Open(soporte::Datos("host/projects/Completo/Completo.vbp"));
    qt::frmRefs f(*vbe, 1252);
    f.show();
    EXPECT_EQ(f.windowTitle(), "Completo (Referencias)");
    EXPECT_EQ(f.findChild<QLabel*>("Label3")->text(),
              "Descripción del proyecto:\nTodas las clases de componente: año, señal");
    auto* lista = f.findChild<QListWidget*>("List1");
    ASSERT_EQ(lista->count(), 4);
    EXPECT_EQ(lista->item(3)->text(), "MSComctlLib");
    // The list taking the focus is no click: nothing is shown until the user picks an entry.
    f.activateWindow();
    lista->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(lista->selectedItems().isEmpty());
    EXPECT_EQ(f.findChild<QLabel*>("Label2")->text(), "");

    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualItemRect(lista->item(1)).center());
    EXPECT_EQ(f.findChild<QLabel*>("Label2")->text(),
              "Scripting 1.10\nC:\\Windows\\SysWOW64\\scrrun.dll\n"
              "GUID: {420B2830-E718-11CF-893D-00A0C9054228}");
    // A long path is shown whole: the window widens to the label's text.
    auto* detalle = f.findChild<QLabel*>("Label2");
    detalle->setText(detalle->text() + QString(120, 'x'));
    QCoreApplication::processEvents();
    EXPECT_GE(detalle->width(), detalle->sizeHint().width());
    QTest::mouseClick(f.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    EXPECT_TRUE(f.isHidden());
}

} // namespace
