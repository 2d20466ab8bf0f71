// The controls inspector as a real window: the chain of selections on opening and on clicks,
// the report read back from the clipboard, and the cases that must leave things as they were.

#include "host/files/Vbe.h"
#include "tests/engine/Apoyo.h"
#include "ui/inspectors/frmControles.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList Textos(QListWidget* lista) {
    QStringList r;
    for (int i = 0; i < lista->count(); ++i) {
        r << lista->item(i)->text();
    }
    return r;
}

long Dato(QListWidget* lista, int fila) {
    return long(lista->item(fila)->data(Qt::UserRole).toLongLong());
}

void Pulsa(QListWidget* lista, int fila) {
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualItemRect(lista->item(fila)).center());
}

struct VentanaControles : ::testing::Test {
    void Abre(const std::filesystem::path& vbp) {
        vbe = files::Vbe::Open(vbp);
        f = std::make_unique<frmControles>(*vbe, 1252);
        f->show();
        List3 = f->findChild<QListWidget*>("List3");
        List0 = f->findChild<QListWidget*>("List0");
        List1 = f->findChild<QListWidget*>("List1");
        List2 = f->findChild<QListWidget*>("List2");
        Label3 = f->findChild<QLabel*>("Label3");
        Label4 = f->findChild<QLabel*>("Label4");
        Command1 = f->findChild<QPushButton*>("Command1");
    }
    std::filesystem::path Demo() {
        return std::filesystem::path(LINTRAP_SOURCE_DIR) / "examples" / "Demo" / "Demo.vbp";
    }

    std::unique_ptr<files::Vbe> vbe;
    std::unique_ptr<frmControles> f;
    QListWidget *List3, *List0, *List1, *List2;
    QLabel *Label3, *Label4;
    QPushButton* Command1;
};

TEST_F(VentanaControles, AlAbrirSeEligeElPrimeroDeCadaLista) {
    Abre(Demo());
    EXPECT_EQ(f->windowTitle(), "Informe Controles");
    EXPECT_EQ(f->findChild<QLabel*>("Label5")->text(), "Proyectos");
    EXPECT_EQ(f->findChild<QLabel*>("Label2")->text(), "Controles:");
    EXPECT_EQ(f->findChild<QLabel*>("Label1")->text(), "Formularios o diseñadores:");
    EXPECT_EQ(f->findChild<QPushButton*>("CancelButton")->text(), "OK");
    EXPECT_EQ(Command1->text(), "Copiar al portapapeles");
    EXPECT_EQ(Command1->toolTip(),
              "Copia las propiedades del control seleccionado al portapapeles");

    EXPECT_EQ(Textos(List3), QStringList{"Demo"});
    EXPECT_EQ(List3->currentRow(), 0);
    EXPECT_EQ(Textos(List0), (QStringList{"frmPrincipal", "frmCliente"}));
    EXPECT_EQ(Dato(List0, 1), 2);
    EXPECT_EQ(List0->currentRow(), 0);
    EXPECT_EQ(List1->count(), 14);
    EXPECT_EQ(List1->currentRow(), 0);
    EXPECT_EQ(Label4->text(), "cmdSalir\n (Tipo de Control : CommandButton)");
    EXPECT_EQ(Label3->text(), "Propiedades de \ncmdSalir");
    EXPECT_EQ(List2->item(2)->text(), "Caption =  &Salir");
}

TEST_F(VentanaControles, ClicsPorLaCadenaConMarcoAnidado) {
    Abre(Demo());
    Pulsa(List0, 1);
    EXPECT_EQ(
        Textos(List1),
        (QStringList{"fraDatos", "txtNombre", "txtPoblacion", "txtCodigoPostal", "chkActivo",
                     "lblNombre", "lblPoblacion", "lblCodigoPostal", "cmdAceptar", "cmdCancelar"}));
    EXPECT_EQ(Label4->text(), "fraDatos\n (Tipo de Control : Frame)");
    Pulsa(List1, 3);
    EXPECT_EQ(Dato(List1, 3), 4);
    EXPECT_EQ(Label4->text(), "txtCodigoPostal\n (Tipo de Control : TextBox)");
    EXPECT_EQ(List2->item(0)->text(), "Name =  txtCodigoPostal");
}

TEST_F(VentanaControles, CopiarPoneElInformeEnElPortapapeles) {
    Abre(Demo());
    Pulsa(List1, 5); // the second optOrden: item data tells it from the others
    QGuiApplication::clipboard()->setText("antes");
    QTest::mouseClick(Command1, Qt::LeftButton);
    const QString informe = QGuiApplication::clipboard()->text();
    EXPECT_EQ(informe.toStdString(), "PROYECTO: Demo\r\n"
                                     "CONTROL: optOrden (contenido en frmPrincipal)\r\n"
                                     "TIPO DE CONTROL: OptionButton\r\n"
                                     "--------------------------------------------------\r\n"
                                     "Name =  optOrden\r\n"
                                     "Caption =  Población\r\n"
                                     "Height =  255\r\n"
                                     "Index =  1\r\n"
                                     "Left =  240\r\n"
                                     "TabIndex =  2\r\n"
                                     "Top =  720\r\n"
                                     "Width =  1935\r\n"
                                     "\r\n\r\n\r\n\r\n\r\n"
                                     "AddIn Lintrap por Quovant\r\n"
                                     "https://lintrap.quovant.example/");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(VentanaControles, CopiarSinControlNoHaceNiDiceNada) {
    Abre(Demo());
    List1->setCurrentRow(-1);
    QGuiApplication::clipboard()->setText("antes");
    QTest::mouseClick(Command1, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "antes");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(VentanaControles, FormularioSinControlesYProyectoSinFormularios) {
    apoyo::CarpetaTemporal carpeta;
    apoyo::Proyecto(carpeta.ruta,
                    {{"Lleno.frm", "VERSION 5.00\nBegin VB.Form Lleno\n   Begin VB.Label Etiqueta\n"
                                   "      Caption = \"Hola\"\n   End\nEnd\n"
                                   "Attribute VB_Name = \"Lleno\"\n"},
                     {"Vacio.frm", "VERSION 5.00\nBegin VB.Form Vacio\nEnd\n"
                                   "Attribute VB_Name = \"Vacio\"\n"}},
                    "Form=Lleno.frm\nForm=Vacio.frm\n");
    Abre(carpeta.ruta / "Proyecto1.vbp");
    ASSERT_EQ(Label4->text(), "Etiqueta\n (Tipo de Control : Label)");
    Pulsa(List0, 1);
    // No controls: the properties and labels keep what they showed.
    EXPECT_EQ(List1->count(), 0);
    EXPECT_EQ(Label4->text(), "Etiqueta\n (Tipo de Control : Label)");
    EXPECT_EQ(Textos(List2), (QStringList{"Name =  Etiqueta", "Caption =  Hola"}));
    // And nothing to copy from it.
    QGuiApplication::clipboard()->setText("antes");
    QTest::mouseClick(Command1, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "antes");

    apoyo::CarpetaTemporal otra;
    apoyo::Proyecto(otra.ruta, {{"M.bas", "Attribute VB_Name = \"M\"\n"}}, "Module=M; M.bas\n");
    Abre(otra.ruta / "Proyecto1.vbp");
    EXPECT_EQ(List0->count(), 0);
    EXPECT_EQ(Label4->text(), "Label4");
    EXPECT_EQ(Label3->text(), "Propiedades:");
}

} // namespace
