// Qt's own buttons speak the user's language in the host, the add-in's boxes with them.
#include "tests/support/RespondeCaja.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

TEST(Espanol, TheStandardButtonsOfEveryBoxAreInSpanish) {
    QStringList textos;
    prueba::CuandoAparezca([&](QWidget* caja) {
        for (const auto* b : caja->findChildren<QAbstractButton*>())
            textos << b->text().remove('&');
        static_cast<QDialog*>(caja)->reject();
    });
    QMessageBox(QMessageBox::Question, "Lintrap", "¿Seguro?",
                QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No)
        .exec();
    textos.sort();
    EXPECT_EQ(textos, QStringList({"Aceptar", "Cancelar", "No", "Sí"}))
        << textos.join("|").toStdString();
}

} // namespace
