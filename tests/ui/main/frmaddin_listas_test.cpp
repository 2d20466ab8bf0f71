// The main window's lists on real projects: what is listed and in which order, the status
// beside each procedure, the lists kept in step, Check1 and the option buttons.
#include "tests/ui/RespondeCaja.h"
#include "tests/ui/main/ApoyoVentana.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

using prueba::Control;
using prueba::Filas;

class Listas : public ::testing::Test {
protected:
    void SetUp() override { apoyo::SilenciaGlbErr(); }

    // The window over `vbe`, shown as the connection shows it.
    std::unique_ptr<ui::frmAddIn> Abre(vbide::VBE& vbe) {
        auto w = std::make_unique<ui::frmAddIn>(vbe, prueba::CarpetaAddIn());
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        List1 = Control<QListWidget>(*w, "List1");
        List2 = Control<QListWidget>(*w, "List2");
        List3 = Control<QListWidget>(*w, "List3");
        Check1 = Control<QCheckBox>(*w, "Check1");
        return w;
    }

    apoyo::CarpetaTemporal tmp;
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QListWidget* List3 = nullptr;
    QCheckBox* Check1 = nullptr;
};

TEST_F(Listas, TheExampleProjectIsListedSortedWithTheStatusBesideEachProcedure) {
    auto vbe = files::Vbe::Open(prueba::CopiaDemo(tmp.ruta));
    auto w = Abre(*vbe);
    EXPECT_EQ(w->windowTitle(), "AddIn Lintrap - Quovant");
    EXPECT_EQ(Control<QLabel>(*w, "Label5")->text(), "Demo");
    EXPECT_TRUE(Control<QLabel>(*w, "Label5")->font().bold());
    EXPECT_EQ(Filas(List1),
              QStringList({"clsCliente", "frmCliente", "frmPrincipal", "Utilidades"}));
    // The first module is selected at load; its properties are not procedures.
    EXPECT_EQ(List1->currentRow(), 0);
    EXPECT_EQ(Filas(List2), QStringList({"Descripcion"}));
    EXPECT_EQ(Filas(List3), QStringList({"No"}));

    prueba::ClicFila(List1, 3);
    EXPECT_EQ(Filas(List2),
              QStringList({"CodigoPostalValido", "LeerArchivo", "Milisegundos", "NuevoCliente"}));
    EXPECT_EQ(Filas(List3), QStringList({"No", "Sí", "No", "No"}));
    const long lineas =
        vbe->ActiveVBProject()->VBComponents().Item("Utilidades").CodeModule().CountOfLines();
    EXPECT_EQ(Control<QLabel>(*w, "Label4")->text(), "Lineas: " + QString::number(lineas));
    EXPECT_FALSE(Control<QProgressBar>(*w, "ProgressBar1")->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(w->Estado().vistaModulo);
    EXPECT_EQ(w->Estado().modulo, "Utilidades");
}

TEST_F(Listas, EachControlCarriesItsCaptionAndTheBorderIsFixed) {
    auto vbe = files::Vbe::Open(prueba::CopiaDemo(tmp.ruta));
    auto w = Abre(*vbe);
    const std::pair<const char*, const char*> captions[] = {
        {"Label6", "Proyecto:"},
        {"Label1", "Módulos"},
        {"Label3", "Procedimientos"},
        {"Label2", "On Error"},
    };
    for (const auto& [nombre, caption] : captions) {
        EXPECT_EQ(Control<QLabel>(*w, nombre)->text(), QString::fromUtf8(caption)) << nombre;
    }
    const std::pair<const char*, const char*> botones[] = {
        {"Check1", "Todos los procedimientos"},
        {"Option1", "Números de línea"},
        {"Option2", "clsErrores"},
        {"Option3", "Resume Next (solamente)"},
        {"OptExit", "Exit"},
        {"OptResume", "Resume Next"},
        {"OptRaise", "Err.Raise"},
        {"Command1", "Insertar"},
        {"Command2", "Quitar"},
        {"CancelButton", "Salir"},
    };
    for (const auto& [nombre, caption] : botones) {
        EXPECT_EQ(Control<QAbstractButton>(*w, nombre)->text(), QString::fromUtf8(caption))
            << nombre;
    }
    EXPECT_EQ(Check1->toolTip(), "Insertar en todos los procedimientos del módulo");
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);

    // List3 is a narrow column right beside List2, with the same top and height; List1 is
    // shorter, with Label4, Frame1 and Check1 below it.
    const auto lugar = [&](QWidget* c) { return QRect(c->mapTo(w.get(), QPoint()), c->size()); };
    const QRect l1 = lugar(List1), l2 = lugar(List2), l3 = lugar(List3);
    EXPECT_EQ(l2.top(), l3.top());
    EXPECT_EQ(l2.height(), l3.height());
    EXPECT_EQ(l1.top(), l2.top());
    EXPECT_LT(l1.height(), l2.height());
    EXPECT_LE(l2.right() + 1, l3.left());
    EXPECT_LT(l3.width(), l2.width() / 2);
    const QRect l4 = lugar(Control<QWidget>(*w, "Label4"));
    const QRect f1 = lugar(Control<QWidget>(*w, "Frame1"));
    const QRect c1 = lugar(Check1);
    EXPECT_LT(l1.bottom(), l4.top());
    EXPECT_LT(l4.bottom(), f1.top());
    EXPECT_LT(f1.bottom(), c1.top());
    const QRect salir = lugar(Control<QWidget>(*w, "CancelButton"));
    EXPECT_GT(salir.left(), lugar(Control<QWidget>(*w, "Command2")).right());
}

TEST_F(Listas, PropertiesAreLeftOutAndCommentsBetweenProceduresBelongToTheNext) {
    auto vbe =
        prueba::AbreModulos(tmp.ruta, {prueba::Bas("Mezcla", "Option Explicit\n"
                                                             "\n"
                                                             "Public Sub Zeta()\n"
                                                             "    On Error GoTo Fallo\n"
                                                             "    Exit Sub\n"
                                                             "Fallo:\n"
                                                             "End Sub\n"
                                                             "' lo que sigue es alfa\n"
                                                             "' y nada más\n"
                                                             "Public Function alfa() As Long\n"
                                                             "    alfa = 1\n"
                                                             "End Function\n"
                                                             "\n"
                                                             "Public Property Get Beta() As Long\n"
                                                             "    On Error Resume Next\n"
                                                             "End Property\n")});
    auto w = Abre(*vbe);
    EXPECT_EQ(Filas(List2), QStringList({"alfa", "Zeta"}));
    EXPECT_EQ(Filas(List3), QStringList({"No", "Sí"}));
}

TEST_F(Listas, ADeclarationsOnlyModuleShowsItsLinesAndNoProcedures) {
    auto vbe = prueba::AbreModulos(
        tmp.ruta,
        {prueba::Bas("Constantes", "Option Explicit\nPublic Const A = 1\nPublic B As Long\n"),
         prueba::Bas("Otro", "Public Sub Uno()\nEnd Sub\n")});
    auto w = Abre(*vbe);
    EXPECT_EQ(Filas(List1), QStringList({"Constantes", "Otro"}));
    EXPECT_EQ(Control<QLabel>(*w, "Label4")->text(), "Lineas: 3");
    EXPECT_EQ(List2->count(), 0);
    EXPECT_EQ(List3->count(), 0);
}

TEST_F(Listas, NamesInTheProjectsCodePageAreShownAndLookedUpAsTheProjectHasThem) {
    // Windows-1252 bytes: "Año" and "Cálculo".
    apoyo::Proyecto(tmp.ruta,
                    {{"Anio.bas", "Attribute VB_Name = \"A\xF1o\"\nPublic Sub C\xE1lculo()\n"
                                  "    On Error Resume Next\nEnd Sub\n"},
                     {"Otro.bas", "Attribute VB_Name = \"Otro\"\n"}},
                    "Module=A\xF1o; Anio.bas\nModule=Otro; Otro.bas\n");
    auto vbe = files::Vbe::Open(tmp.ruta / "Proyecto1.vbp");
    auto w = Abre(*vbe);
    EXPECT_EQ(Filas(List1), QStringList({"Año", "Otro"}));
    prueba::ClicFila(List1, 1);
    prueba::ClicFila(List1, 0);
    EXPECT_EQ(w->Estado().modulo, "A\xF1o");
    EXPECT_EQ(Filas(List2), QStringList({"Cálculo"}));
    EXPECT_EQ(Filas(List3), QStringList({"Sí"}));
}

TEST_F(Listas, AModuleRenamedInTheHostLeavesBothListsEmpty) {
    prueba::VbeRenombrable vbe(prueba::AbreModulos(
        tmp.ruta, {prueba::Bas("Uno", "Public Sub A()\nEnd Sub\n"),
                   prueba::Bas("Dos", "Public Sub B()\nEnd Sub\nPublic Sub C()\nEnd Sub\n")}));
    auto w = Abre(vbe);
    EXPECT_EQ(Filas(List1), QStringList({"Dos", "Uno"}));
    EXPECT_EQ(List2->count(), 2);
    vbe.proyecto.componentes.renombrados.insert("Uno");
    prueba::ClicFila(List1, 1);
    EXPECT_EQ(List2->count(), 0);
    EXPECT_EQ(List3->count(), 0);
    EXPECT_FALSE(Control<QProgressBar>(*w, "ProgressBar1")->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Listas, AProjectWithNothingListableLeavesTheListsEmpty) {
    apoyo::Escribe(tmp.ruta / "Proyecto1.vbp", "Type=Exe\r\nName=\"Proyecto1\"\r\n");
    auto vbe = files::Vbe::Open(tmp.ruta / "Proyecto1.vbp");
    auto w = Abre(*vbe);
    EXPECT_EQ(Control<QLabel>(*w, "Label5")->text(), "Proyecto1");
    EXPECT_EQ(List1->count(), 0);
    EXPECT_EQ(List2->count(), 0);
}

// Forty procedures, more than the lists show at once.
std::string Muchos() {
    std::string codigo;
    for (int i = 0; i < 40; ++i) {
        char nombre[16];
        std::snprintf(nombre, sizeof nombre, "P%02d", i);
        codigo += std::string("Public Sub ") + nombre + "()\n" +
                  (i % 3 == 0 ? "    On Error Resume Next\n" : "") + "End Sub\n";
    }
    return codigo;
}

TEST_F(Listas, TheStatusColumnScrollsAndSelectsWithTheProcedures) {
    auto vbe = prueba::AbreModulos(tmp.ruta, {prueba::Bas("Largo", Muchos())});
    auto w = Abre(*vbe);
    ASSERT_EQ(List2->count(), 40);
    ASSERT_EQ(List3->count(), 40);
    List2->verticalScrollBar()->setValue(12);
    EXPECT_EQ(List3->verticalScrollBar()->value(), 12);
    List3->verticalScrollBar()->setValue(5);
    EXPECT_EQ(List2->verticalScrollBar()->value(), 5);

    prueba::ClicFila(List2, 9);
    EXPECT_EQ(List3->currentRow(), 9);
    EXPECT_FALSE(w->Estado().vistaModulo);
    EXPECT_EQ(w->Estado().actual, 9);
    // A status row chooses its procedure.
    prueba::ClicFila(List3, 7);
    EXPECT_EQ(List2->currentRow(), 7);
    EXPECT_TRUE(List2->item(7)->isSelected());
    EXPECT_EQ(List3->item(7)->text(), "No");
    EXPECT_EQ(List3->item(6)->text(), "Sí");
    // Extended selection reaches the state the engine reads.
    prueba::ClicFila(List2, 10, Qt::ControlModifier);
    EXPECT_EQ(w->Estado().SelCount(), 2);
    EXPECT_TRUE(w->Estado().procedimientos[7].seleccionado);
    EXPECT_TRUE(w->Estado().procedimientos[10].seleccionado);
}

TEST_F(Listas, Check1DeselectsEveryProcedureAndAProcedureClearsIt) {
    auto vbe = prueba::AbreModulos(tmp.ruta, {prueba::Bas("Largo", Muchos())});
    auto w = Abre(*vbe);
    prueba::ClicFila(List2, 1);
    prueba::ClicFila(List2, 3, Qt::ControlModifier);
    ASSERT_EQ(List2->selectedItems().size(), 2);
    prueba::Marca(Check1);
    EXPECT_TRUE(Check1->isChecked());
    EXPECT_TRUE(List2->selectedItems().isEmpty());
    EXPECT_TRUE(w->Estado().Check1);
    EXPECT_EQ(w->Estado().SelCount(), 0);
    prueba::ClicFila(List2, 2);
    EXPECT_FALSE(Check1->isChecked());
    EXPECT_FALSE(w->Estado().Check1);
}

TEST_F(Listas, Option2ShowsTheVariantsWithExitChosen) {
    auto vbe = files::Vbe::Open(prueba::CopiaDemo(tmp.ruta));
    auto w = Abre(*vbe);
    auto* PicManejo = Control<QWidget>(*w, "PicManejo");
    auto* OptExit = Control<QRadioButton>(*w, "OptExit");
    EXPECT_TRUE(Control<QRadioButton>(*w, "Option1")->isChecked());
    EXPECT_FALSE(PicManejo->isVisible());
    const QRect marco = Control<QWidget>(*w, "Frame1")->geometry();

    prueba::Marca(Control<QRadioButton>(*w, "Option2"));
    EXPECT_TRUE(PicManejo->isVisible());
    EXPECT_TRUE(OptExit->isChecked());
    EXPECT_EQ(w->Estado().modo, engine::Modo::Option2);
    EXPECT_EQ(Control<QWidget>(*w, "Frame1")->geometry(), marco);
    // The variants stand to the right of Option2, from top to bottom.
    EXPECT_GT(PicManejo->x(), Control<QWidget>(*w, "Option2")->x());
    EXPECT_LT(OptExit->y(), Control<QWidget>(*w, "OptResume")->y());
    EXPECT_LT(Control<QWidget>(*w, "OptResume")->y(), Control<QWidget>(*w, "OptRaise")->y());
    prueba::Marca(Control<QRadioButton>(*w, "OptRaise"));
    EXPECT_EQ(w->Estado().variante, engine::Variante::OptRaise);

    prueba::Marca(Control<QRadioButton>(*w, "Option3"));
    EXPECT_FALSE(PicManejo->isVisible());
    EXPECT_EQ(w->Estado().modo, engine::Modo::Option3);
    prueba::Marca(Control<QRadioButton>(*w, "Option1"));
    EXPECT_FALSE(PicManejo->isVisible());
}

TEST_F(Listas, SalirUnloadsTheWindowWithEveryOtherWindowOfTheAddIn) {
    auto vbe = files::Vbe::Open(prueba::CopiaDemo(tmp.ruta));
    auto w = Abre(*vbe);
    QPointer<QWidget> otra = new QWidget;
    otra->setObjectName("frmRefs");
    ui::Registra(otra);
    bool descargado = false;
    QObject::connect(w.get(), &ui::frmAddIn::descargado, [&] { descargado = true; });
    QTest::mouseClick(Control<QPushButton>(*w, "CancelButton"), Qt::LeftButton);
    EXPECT_TRUE(descargado);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(otra.isNull());
    EXPECT_TRUE(ui::isLoaded(w.get()));
}

} // namespace
