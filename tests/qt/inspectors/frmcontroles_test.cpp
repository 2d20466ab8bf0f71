// The controls inspector's skin: a user's clicks reaching the handlers, the lists and labels
// showing what they are told, the report reaching the clipboard.

#include "host/files/Vbe.h"
#include "qt/inspectors/frmControles.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
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

TEST(VentanaControles, ClicsYPortapapeles) {
    auto vbe = files::Vbe::Open(std::filesystem::path(LINTRAP_SOURCE_DIR) / "examples" / "Demo" /
                                "Demo.vbp");
    qt::frmControles f(*vbe, 1252);
    f.show();
    auto* List0 = f.findChild<QListWidget*>("List0");
    auto* List1 = f.findChild<QListWidget*>("List1");
    auto* Label4 = f.findChild<QLabel*>("Label4");
    auto* Command1 = f.findChild<QPushButton*>("Command1");
    EXPECT_EQ(f.findChild<QListWidget*>("List3")->currentRow(), 0);
    EXPECT_EQ(List0->currentRow(), 0);
    EXPECT_EQ(List1->currentRow(), 0);
    EXPECT_EQ(Label4->text(), "cmdSalir\n (Tipo de Control : CommandButton)");
    EXPECT_EQ(f.findChild<QLabel*>("Label3")->text(), "Propiedades de \ncmdSalir");
    EXPECT_EQ(
        f.findChild<QListWidget*>("List2")->findItems("Caption =  &Salir", Qt::MatchExactly).size(),
        1);

    Pulsa(List0, 1);
    EXPECT_EQ(List1->count(), 10);
    Pulsa(List1, 3);
    EXPECT_EQ(Label4->text(), "txtCodigoPostal\n (Tipo de Control : TextBox)");
    // Two whole lines: the phrase is never wrapped.
    EXPECT_FALSE(Label4->wordWrap());
    for (const QString& linea : Label4->text().split('\n'))
        EXPECT_LE(Label4->fontMetrics().horizontalAdvance(linea), Label4->width())
            << linea.toStdString();
    QGuiApplication::clipboard()->setText("antes");
    QTest::mouseClick(Command1, Qt::LeftButton);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        "PROYECTO: Demo\r\nCONTROL: txtCodigoPostal (contenido en frmCliente)\r\n"));
    // A selection cleared from outside reaches the handler: nothing to copy.
    List1->setCurrentRow(-1);
    QGuiApplication::clipboard()->setText("antes");
    QTest::mouseClick(Command1, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "antes");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
