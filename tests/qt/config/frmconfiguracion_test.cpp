// The skins of the configuration dialog and the custom message dialog: a user's clicks and keys
// reaching the handlers, and what the primitives show (the behaviour itself is tested through a
// recording view).

#include "qt/config/frmConfiguracion.h"
#include "tests/support/Guion.h"
#include "tests/support/RespondeCaja.h"

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
    void SetUp() override {
        soporte::SilenciaGlbErr();
        f = std::make_unique<qt::frmConfiguracion>(ajustes, nullptr, 1252);
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
        Combo1 = f->findChild<QComboBox*>("Combo1");
        Text1 = f->findChild<QLineEdit*>("Text1");
        Check1 = f->findChild<QCheckBox*>("Check1");
        Check3 = f->findChild<QCheckBox*>("Check3");
        Label2 = f->findChild<QLabel*>("Label2");
        OKButton = f->findChild<QPushButton*>("OKButton");
    }

    engine::AjustesPendientes ajustes;
    std::unique_ptr<qt::frmConfiguracion> f;
    QComboBox* Combo1;
    QLineEdit* Text1;
    QCheckBox *Check1, *Check3;
    QLabel* Label2;
    QPushButton* OKButton;
};

TEST_F(Dialogo, AperturaTrasCargarLaVentanaPrincipal) {
    ASSERT_NE(f->findChild<QWidget*>("Shape1"), nullptr);
    ASSERT_EQ(Combo1->count(), 3);
    EXPECT_EQ(Combo1->itemText(2), "personalizar");
    EXPECT_FALSE(Check1->isChecked());
    EXPECT_TRUE(Text1->isHidden());
    EXPECT_TRUE(Label2->isHidden());
    EXPECT_EQ(Combo1->currentText(), "no");
    EXPECT_TRUE(Check3->isChecked());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Chosen from the keyboard, "personalizar" opens the custom message dialog; its close box
// stores nothing, its "Aceptar" with nothing typed stores two double quotes.
TEST_F(Dialogo, PersonalizarAbreElDialogoDelMensaje) {
    Combo1->setFocus();
    prueba::CuandoAparezca([](QWidget* caja) {
        QTest::keyClicks(caja->findChild<QLineEdit*>("Text1"), "no se guarda");
        caja->close();
    });
    QTest::keyClick(Combo1, Qt::Key_Down);
    QTest::keyClick(Combo1, Qt::Key_Down);
    EXPECT_EQ(ajustes.glbMsgPersonal, "");
    QString escrito;
    prueba::CuandoAparezca([&escrito](QWidget* caja) {
        QTest::mouseClick(caja->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        escrito = caja->findChild<QLineEdit*>("Text1")->text();
    });
    QTest::keyClick(Combo1, Qt::Key_Up);
    QTest::keyClick(Combo1, Qt::Key_Down);
    EXPECT_EQ(escrito, "\"\"");
    EXPECT_EQ(ajustes.glbMsgPersonal, "\"\"");
    EXPECT_EQ(Combo1->currentText(), "personalizar");
}

TEST_F(Dialogo, ClicsTeclasColoresYMensajes) {
    QTest::mouseClick(Check1, Qt::LeftButton);
    EXPECT_FALSE(Text1->isHidden());
    EXPECT_FALSE(Label2->isHidden());
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    Text1->setFocus();
    EXPECT_EQ(Text1->palette().color(QPalette::Base), QColor(255, 255, 192));
    Combo1->setFocus();
    EXPECT_EQ(Text1->palette().color(QPalette::Base), QColor(Qt::white));

    QTest::mouseClick(Check3, Qt::LeftButton);
    prueba::PulsaBoton(QMessageBox::Ok);
    QTest::mouseClick(OKButton, Qt::LeftButton);
    EXPECT_EQ(prueba::UltimoMensaje(),
              "No es posible dejar vacía la dirección electrónica de destino");
    EXPECT_EQ(prueba::UltimoTitulo(), "Lintrap");
    EXPECT_FALSE(f->isHidden());

    QTest::keyClicks(Text1, "yo@ejemplo.invalid");
    QTest::mouseClick(OKButton, Qt::LeftButton);
    EXPECT_TRUE(f->isHidden());
    EXPECT_EQ(f->result(), QDialog::Accepted);
    EXPECT_EQ(ajustes.glbEmailDir, "yo@ejemplo.invalid");
    EXPECT_EQ(ajustes.glbLogOnError, "False");
}

TEST_F(Dialogo, LaCajaDeCierreEsCancelar) {
    QTest::mouseClick(Check1, Qt::LeftButton);
    QTest::keyClicks(Text1, "yo@ejemplo.invalid");
    f->close();
    EXPECT_EQ(f->result(), QDialog::Rejected);
    EXPECT_EQ(ajustes.glbMandaEmail, "False");
    EXPECT_EQ(ajustes.glbEmailDir, "");
}

} // namespace
