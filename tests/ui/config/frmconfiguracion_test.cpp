// The configuration dialog and the custom message dialog as real windows: their openings, the
// custom message accepted empty or cancelled, the refusal of an empty address, the focus
// colours, the close box, and the rewrite of an installed class.

#include "tests/engine/Apoyo.h"
#include "tests/ui/RespondeCaja.h"
#include "ui/config/frmConfiguracion.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Dialogo : ::testing::Test {
    void SetUp() override { apoyo::SilenciaGlbErr(); }
    void Abre(vbide::VBProject* proyecto = nullptr) {
        f = std::make_unique<frmConfiguracion>(ajustes, proyecto, 1252);
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
        Combo1 = f->findChild<QComboBox*>("Combo1");
        Text1 = f->findChild<QLineEdit*>("Text1");
        Check1 = f->findChild<QCheckBox*>("Check1");
        Check3 = f->findChild<QCheckBox*>("Check3");
        Label2 = f->findChild<QLabel*>("Label2");
        OKButton = f->findChild<QPushButton*>("OKButton");
    }
    // Chooses "personalizar" from the keyboard, as a user does, with `responde` answering the
    // custom message dialog it opens.
    void Personaliza(std::function<void(QWidget*)> responde) {
        Combo1->setFocus();
        prueba::CuandoAparezca(std::move(responde));
        while (Combo1->currentIndex() < install::MensajePersonalizar) {
            QTest::keyClick(Combo1, Qt::Key_Down);
        }
    }

    // The dialog over a project holding the shipped test class.
    void AbreConClase() {
        apoyo::Escribe(carpeta.ruta / "clsErrores.cls",
                       apoyo::Lee(apoyo::Datos("install/ClsErrores/clsErrores.cls")));
        proyecto = apoyo::Proyecto(carpeta.ruta, {}, "Class=clsErrores; clsErrores.cls\n");
        Abre(proyecto.get());
    }

    engine::AjustesPendientes ajustes;
    apoyo::CarpetaTemporal carpeta;
    std::unique_ptr<files::Project> proyecto;
    std::unique_ptr<frmConfiguracion> f;
    QComboBox* Combo1;
    QLineEdit* Text1;
    QCheckBox *Check1, *Check3;
    QLabel* Label2;
    QPushButton* OKButton;
};

TEST_F(Dialogo, ControlesYAperturaTrasCargarLaVentanaPrincipal) {
    Abre();
    EXPECT_EQ(f->windowTitle(), "Configuracion - Quovant");
    EXPECT_EQ(f->findChild<QLabel*>("Label3")->text(),
              "Configure el comportamiento del manipulador de errores");
    EXPECT_EQ(f->findChild<QLabel*>("Label1")->text(), "MsgBox OnError :");
    EXPECT_EQ(f->findChild<QLabel*>("Label1")->toolTip(),
              "¿Mostrar un MsgBox cada vez que ocurra un error?");
    EXPECT_EQ(Label2->text(), "Dirección de correo de destino :");
    EXPECT_EQ(Text1->toolTip(), "Dirección del email donde quiere recibir el error ocurrido");
    EXPECT_EQ(Check3->text(), "LogOnError");
    EXPECT_EQ(Check3->toolTip(), "¿Registtrar en un archivo log cada error ocurrido?");
    EXPECT_EQ(Check1->text(), "Mandar EMail OnError");
    EXPECT_EQ(Check1->toolTip(), "¿Mandar un email cada vez que ocurra un error?");
    EXPECT_EQ(f->findChild<QPushButton*>("CancelButton")->text(), "Cancelar");
    EXPECT_EQ(OKButton->text(), "Aceptar");
    ASSERT_NE(f->findChild<QWidget*>("Shape1"), nullptr);
    ASSERT_EQ(Combo1->count(), 3);
    EXPECT_EQ(Combo1->itemText(2), "personalizar");

    EXPECT_FALSE(Check1->isChecked());
    EXPECT_TRUE(Text1->isHidden());
    EXPECT_TRUE(Label2->isHidden());
    EXPECT_EQ(Combo1->currentText(), "no");
    EXPECT_TRUE(Check3->isChecked());
}

TEST_F(Dialogo, PersonalizarAceptadoVacioGuardaDosComillas) {
    Abre();
    QString caption;
    Personaliza([&caption](QWidget* caja) {
        caption = caja->windowTitle();
        EXPECT_EQ(caja->findChild<QLineEdit*>("Text1")->text(), "");
        QTest::mouseClick(caja->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    });
    EXPECT_EQ(caption, "Personalizar Mensaje Error - Quovant");
    EXPECT_EQ(ajustes.glbMsgPersonal, "\"\"");
    EXPECT_EQ(Combo1->currentText(), "personalizar");
    QTest::mouseClick(OKButton, Qt::LeftButton);
    EXPECT_TRUE(f->isHidden());
    EXPECT_EQ(ajustes.glbMsgOnError, "\"\"");
}

TEST_F(Dialogo, PersonalizarCanceladoOCerradoNoGuardaNada) {
    Abre();
    Personaliza([](QWidget* caja) {
        QTest::keyClicks(caja->findChild<QLineEdit*>("Text1"), "no se guarda");
        QTest::mouseClick(caja->findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    });
    EXPECT_EQ(ajustes.glbMsgPersonal, "");
    EXPECT_EQ(Combo1->currentText(), "personalizar");
    // Chosen again: it opens again; its close box is a "Cancelar".
    bool abierto = false;
    prueba::CuandoAparezca([&abierto](QWidget* caja) {
        abierto = true;
        QTest::keyClicks(caja->findChild<QLineEdit*>("Text1"), "tampoco");
        caja->close();
    });
    QTest::keyClick(Combo1, Qt::Key_Up);
    QTest::keyClick(Combo1, Qt::Key_Down);
    EXPECT_TRUE(abierto);
    EXPECT_EQ(ajustes.glbMsgPersonal, "");
    QTest::mouseClick(OKButton, Qt::LeftButton);
    // No message was ever typed: no message box.
    EXPECT_EQ(ajustes.glbMsgOnError, "");
}

TEST_F(Dialogo, ReabrirConMensajePendienteNoAbreElDialogo) {
    ajustes.glbMsgOnError = "Ha fallado";
    ajustes.glbMsgPersonal = "Ha fallado";
    Abre();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Combo1->currentText(), "personalizar");
}

TEST_F(Dialogo, CorreoDireccionYColoresDelFoco) {
    ajustes.glbEmailDir = "pendiente@ejemplo.invalid";
    Abre();
    QTest::mouseClick(Check1, Qt::LeftButton);
    EXPECT_FALSE(Text1->isHidden());
    EXPECT_FALSE(Label2->isHidden());
    EXPECT_EQ(Text1->text(), "pendiente@ejemplo.invalid");

    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    Text1->setFocus();
    EXPECT_EQ(Text1->palette().color(QPalette::Base), QColor(255, 255, 192));
    Combo1->setFocus();
    EXPECT_EQ(Text1->palette().color(QPalette::Base), QColor(Qt::white));

    Text1->clear();
    QTest::keyClicks(Text1, "escrita@ejemplo.invalid");
    QTest::mouseClick(Check1, Qt::LeftButton);
    EXPECT_TRUE(Text1->isHidden());
    // Ticked again: the pending address replaces what was typed.
    QTest::mouseClick(Check1, Qt::LeftButton);
    EXPECT_EQ(Text1->text(), "pendiente@ejemplo.invalid");
    // Unticked with text in the box: accepted, the text is the address.
    Text1->setText("otra@ejemplo.invalid");
    QTest::mouseClick(Check1, Qt::LeftButton);
    QTest::mouseClick(OKButton, Qt::LeftButton);
    EXPECT_EQ(ajustes.glbMandaEmail, "False");
    EXPECT_EQ(ajustes.glbEmailDir, "otra@ejemplo.invalid");
}

TEST_F(Dialogo, DireccionVaciaSeRechazaYElDialogoSigue) {
    Abre();
    QTest::mouseClick(Check1, Qt::LeftButton);
    QTest::mouseClick(Check3, Qt::LeftButton);
    prueba::PulsaBoton(QMessageBox::Ok);
    QTest::mouseClick(OKButton, Qt::LeftButton);
    EXPECT_EQ(prueba::UltimoMensaje(),
              "No es posible dejar vacía la dirección electrónica de destino");
    EXPECT_EQ(prueba::UltimoTitulo(), "Lintrap");
    EXPECT_FALSE(f->isHidden());
    EXPECT_EQ(ajustes.glbMandaEmail, "True");
    EXPECT_EQ(ajustes.glbLogOnError, "True");
}

TEST_F(Dialogo, LaCajaDeCierreEsCancelar) {
    Abre();
    QTest::mouseClick(Check1, Qt::LeftButton);
    QTest::keyClicks(Text1, "yo@ejemplo.invalid");
    QTest::mouseClick(Check3, Qt::LeftButton);
    f->close();
    EXPECT_EQ(f->result(), QDialog::Rejected);
    EXPECT_EQ(ajustes.glbMandaEmail, "False");
    EXPECT_EQ(ajustes.glbEmailDir, "");
    EXPECT_EQ(ajustes.glbLogOnError, "True");
}

TEST_F(Dialogo, AceptarConLaClaseReescribeLasCuatroLineas) {
    AbreConClase();
    QTest::mouseClick(Check1, Qt::LeftButton);
    QTest::keyClicks(Text1, "yo@ejemplo.invalid");
    Combo1->setFocus();
    QTest::keyClick(Combo1, Qt::Key_Down); // "normal"
    QTest::mouseClick(Check3, Qt::LeftButton);
    QTest::mouseClick(OKButton, Qt::LeftButton);
    EXPECT_TRUE(f->isHidden());

    auto& m = proyecto->VBComponents().Item("clsErrores").CodeModule();
    const long desde = m.Members().Item("IniVal").CodeLocation();
    EXPECT_EQ(m.Lines(desde + 2, 4), "m_fSendEmailOnError = True\r\n"
                                     "c_EMailDir = \"yo@ejemplo.invalid\"\r\n"
                                     "c_MsgOnError = \"normal\"\r\n"
                                     "m_fLogOnError =  False");
}

// A value the class could not hold is refused where it is typed: a box says why, the dialog
// stays open, nothing is stored or written.
TEST_F(Dialogo, ValoresQueLaClaseNoPuedeGuardarSeRechazanEnSuDialogo) {
    AbreConClase();
    QTest::mouseClick(Check1, Qt::LeftButton);
    Text1->setText("a@b.com\"\nShell \"x\"");
    prueba::PulsaBoton(QMessageBox::Ok);
    QTest::mouseClick(OKButton, Qt::LeftButton);
    EXPECT_NE(prueba::UltimoMensaje().indexOf("c_EMailDir no admite un salto de línea (LF)"), -1)
        << prueba::UltimoMensaje().toStdString();
    EXPECT_FALSE(f->isHidden());
    EXPECT_EQ(ajustes.glbMandaEmail, "False");
    EXPECT_FALSE(proyecto->Modified());

    bool sigueAbierto = false;
    Personaliza([&sigueAbierto](QWidget* caja) {
        caja->findChild<QLineEdit*>("Text1")->setText("uno\tdos");
        prueba::PulsaBoton(QMessageBox::Ok);
        QTest::mouseClick(caja->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        sigueAbierto = caja->isVisible();
        caja->close();
    });
    EXPECT_TRUE(sigueAbierto);
    EXPECT_NE(prueba::UltimoMensaje().indexOf("c_MsgOnError no admite un tabulador (TAB)"), -1)
        << prueba::UltimoMensaje().toStdString();
    EXPECT_EQ(ajustes.glbMsgPersonal, "");
}

} // namespace
