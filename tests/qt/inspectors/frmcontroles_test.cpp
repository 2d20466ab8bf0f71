// The inspectors' skins: what only their widgets decide (a label's wrapping, a list's focus, a
// window widening to its label). What they show is tested without widgets (tests/ui).

#include "host/files/Vbe.h"
#include "qt/inspectors/frmControles.h"
#include "qt/inspectors/frmRefs.h"
#include "tests/support/Archivos.h"
#include "tests/support/Guion.h"
#include "tests/support/Widgets.h"

#include <QLabel>
#include <QPushButton>

namespace {

using prueba::ClicFila, prueba::Control;

// The control's two lines are shown whole, never wrapped.
TEST(VentanaControles, ElControlElegidoEnDosLineasEnteras) {
    auto vbe = files::Vbe::Open(soporte::Ejemplo() / "Demo.vbp");
    qt::frmControles f(*vbe, 1252);
    f.show();
    auto* Label4 = Control<QLabel>(f, "Label4");
    ClicFila(Control<QListWidget>(f, "List0"), 1);
    ClicFila(Control<QListWidget>(f, "List1"), 3);
    EXPECT_EQ(Label4->text(), "txtCodigoPostal\n (Tipo de Control : TextBox)");
    EXPECT_FALSE(Label4->wordWrap());
    for (const QString& linea : Label4->text().split('\n'))
        EXPECT_LE(Label4->fontMetrics().horizontalAdvance(linea), Label4->width())
            << linea.toStdString();
}

TEST(VentanaReferencias, CargaYDetalleAlPulsar) {
    soporte::SilenciaGlbErr();
    auto vbe = files::Vbe::Open(soporte::Datos("host/projects/Completo/Completo.vbp"));
    qt::frmRefs f(*vbe, 1252);
    f.show();
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
