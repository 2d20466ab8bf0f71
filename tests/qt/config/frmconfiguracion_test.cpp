// The skins of the configuration dialog and the custom message dialog: a user's clicks and keys
// reaching the handlers and the focus lighting the address (the behaviour itself is tested
// through a recording view).

#include "qt/config/frmConfiguracion.h"
#include "tests/support/Guion.h"
#include "tests/support/RespondeCaja.h"
#include "tests/support/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using prueba::Control;

struct Dialogo : ::testing::Test {
    void SetUp() override {
        soporte::SilenciaGlbErr();
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    }
    engine::AjustesPendientes ajustes;
    qt::frmConfiguracion f{ajustes, nullptr, 1252};
    QComboBox* Combo1 = Control<QComboBox>(f, "Combo1");
    QLineEdit* Text1 = Control<QLineEdit>(f, "Text1");
    QCheckBox* Check1 = Control<QCheckBox>(f, "Check1");
};

// Chosen from the keyboard, "personalizar" opens the custom message dialog; its close box
// stores nothing, its "Aceptar" with nothing typed stores two double quotes.
TEST_F(Dialogo, PersonalizarAbreElDialogoDelMensaje) {
    ASSERT_NE(f.findChild<QWidget*>("Shape1"), nullptr);
    EXPECT_EQ(Combo1->itemText(2), "personalizar");
    Combo1->setFocus();
    prueba::CuandoAparezca([](QWidget* caja) {
        QTest::keyClicks(caja->findChild<QLineEdit*>("Text1"), "no se guarda");
        caja->close();
    });
    QTest::keyClick(Combo1, Qt::Key_Down);
    QTest::keyClick(Combo1, Qt::Key_Down);
    EXPECT_EQ(ajustes.glbMsgPersonal, "");
    prueba::CuandoAparezca([](QWidget* caja) {
        QTest::mouseClick(caja->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    });
    QTest::keyClick(Combo1, Qt::Key_Up);
    QTest::keyClick(Combo1, Qt::Key_Down);
    EXPECT_EQ(ajustes.glbMsgPersonal, "\"\"");
    EXPECT_EQ(Combo1->currentText(), "personalizar");
}

TEST_F(Dialogo, ClicsTeclasYColoresDelFoco) {
    EXPECT_TRUE(Text1->isHidden());
    QTest::mouseClick(Check1, Qt::LeftButton);
    EXPECT_FALSE(Text1->isHidden());
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    Text1->setFocus();
    EXPECT_EQ(Text1->palette().color(QPalette::Base), QColor(255, 255, 192));
    Combo1->setFocus();
    EXPECT_EQ(Text1->palette().color(QPalette::Base), QColor(Qt::white));

    QTest::keyClicks(Text1, "yo@ejemplo.invalid");
    QTest::mouseClick(Control(f, "OKButton"), Qt::LeftButton);
    EXPECT_TRUE(f.isHidden());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(ajustes.glbEmailDir, "yo@ejemplo.invalid");
}

TEST_F(Dialogo, LaCajaDeCierreEsCancelar) {
    QTest::mouseClick(Check1, Qt::LeftButton);
    QTest::keyClicks(Text1, "yo@ejemplo.invalid");
    f.close();
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_EQ(ajustes.glbEmailDir, "");
}

} // namespace
