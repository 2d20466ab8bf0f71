// The box-answering helper that every window test relies on: if it pressed the wrong button or
// missed a box, the window tests would hang or pass for the wrong reason.
#include "tests/ui/RespondeCaja.h"

#include <QInputDialog>
#include <gtest/gtest.h>

TEST(RespondeCaja, PressesTheMessageBoxButtonItIsTold) {
    prueba::PulsaBoton(QMessageBox::No);
    auto r =
        QMessageBox::question(nullptr, "Lintrap", "¿Seguro?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(r, QMessageBox::No);
    EXPECT_EQ(prueba::UltimoMensaje(), "¿Seguro?");
    EXPECT_EQ(prueba::UltimoTitulo(), "Lintrap");

    prueba::PulsaBoton(QMessageBox::Yes);
    r = QMessageBox::question(nullptr, "Lintrap", "¿Otra vez?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(r, QMessageBox::Yes);
}

TEST(RespondeCaja, TypesIntoTheInputBoxOrCancelsIt) {
    QString etiqueta;
    prueba::Escribe("Err", &etiqueta);
    bool ok = false;
    QString t = QInputDialog::getText(nullptr, "", "Término", QLineEdit::Normal, "", &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(t, "Err");
    EXPECT_EQ(etiqueta, "Término");

    prueba::CancelaEntrada();
    t = QInputDialog::getText(nullptr, "", "Término", QLineEdit::Normal, "x", &ok);
    EXPECT_FALSE(ok);
}
