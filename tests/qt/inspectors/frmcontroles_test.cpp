// The inspectors' skins: a user's clicks reaching the handlers, the lists and labels showing what
// they are told, the report reaching the clipboard.

#include "host/files/Vbe.h"
#include "qt/inspectors/frmControles.h"
#include "qt/inspectors/frmRefs.h"
#include "tests/support/Archivos.h"
#include "tests/support/Guion.h"
#include "tests/support/Widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>

namespace {

using prueba::ClicFila, prueba::Control;

TEST(VentanaControles, ClicsYPortapapeles) {
    auto vbe = files::Vbe::Open(soporte::Ejemplo() / "Demo.vbp");
    qt::frmControles f(*vbe, 1252);
    f.show();
    auto* List1 = Control<QListWidget>(f, "List1");
    auto* Label4 = Control<QLabel>(f, "Label4");
    EXPECT_EQ(Control<QListWidget>(f, "List3")->currentRow(), 0);
    EXPECT_EQ(List1->currentRow(), 0);
    EXPECT_EQ(Control<QLabel>(f, "Label3")->text(), "Propiedades de \ncmdSalir");
    EXPECT_EQ(Control<QListWidget>(f, "List2")->findItems("Caption =  &Salir", {}).size(), 1);

    ClicFila(Control<QListWidget>(f, "List0"), 1);
    ClicFila(List1, 3);
    EXPECT_EQ(Label4->text(), "txtCodigoPostal\n (Tipo de Control : TextBox)");
    // Two whole lines: the phrase is never wrapped.
    EXPECT_FALSE(Label4->wordWrap());
    for (const QString& linea : Label4->text().split('\n'))
        EXPECT_LE(Label4->fontMetrics().horizontalAdvance(linea), Label4->width())
            << linea.toStdString();
    QGuiApplication::clipboard()->setText("antes");
    QTest::mouseClick(Control(f, "Command1"), Qt::LeftButton);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        "PROYECTO: Demo\r\nCONTROL: txtCodigoPostal (contenido en frmCliente)\r\n"));
    // A selection cleared from outside reaches the handler: nothing to copy.
    List1->setCurrentRow(-1);
    QGuiApplication::clipboard()->setText("antes");
    QTest::mouseClick(Control(f, "Command1"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "antes");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(VentanaReferencias, CargaYDetalleAlPulsar) {
    soporte::SilenciaGlbErr();
    auto vbe = files::Vbe::Open(soporte::Datos("host/projects/Completo/Completo.vbp"));
    qt::frmRefs f(*vbe, 1252);
    f.show();
    EXPECT_EQ(f.windowTitle(), "Completo (Referencias)");
    EXPECT_EQ(Control<QLabel>(f, "Label3")->text(),
              "Descripción del proyecto:\nTodas las clases de componente: año, señal");
    auto* lista = Control<QListWidget>(f, "List1");
    auto* detalle = Control<QLabel>(f, "Label2");
    // The list taking the focus is no click: nothing is shown until the user picks an entry.
    f.activateWindow();
    lista->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(lista->selectedItems().isEmpty());
    EXPECT_EQ(detalle->text(), "");

    ClicFila(lista, 1);
    EXPECT_TRUE(detalle->text().startsWith("Scripting 1.10\nC:\\Windows\\SysWOW64\\scrrun.dll\n"));
    // A long path is shown whole: the window widens to the label's text.
    detalle->setText(detalle->text() + QString(120, 'x'));
    QCoreApplication::processEvents();
    EXPECT_GE(detalle->width(), detalle->sizeHint().width());
    QTest::mouseClick(Control(f, "OKButton"), Qt::LeftButton);
    EXPECT_TRUE(f.isHidden());
}

} // namespace
