#pragma once
// What the main window's tests share: a project copied or written into a temporary folder and
// opened as the host would, and the user's clicks on the window's controls.

#include "host/files/Vbe.h"
#include "qt/main/frmAddIn.h"
#include "tests/engine/Apoyo.h"
#include "tests/support/Proyectos.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace prueba {

// The folder of the test program: the build copies the runtime modules and the help file
// beside it, as beside the add-in's component.
inline std::string CarpetaAddIn() {
    return QCoreApplication::applicationDirPath().toStdString();
}

using soporte::AbreModulos;
using soporte::Bas;
using soporte::CopiaDemo;

template <class W> W* Control(QWidget& ventana, const char* nombre) {
    W* w = ventana.findChild<W*>(nombre);
    EXPECT_NE(w, nullptr) << nombre;
    return w;
}

inline QStringList Filas(QListWidget* l) {
    QStringList filas;
    for (int i = 0; i < l->count(); ++i) {
        filas << l->item(i)->text();
    }
    return filas;
}

// A click in the middle of a list's row, as the user makes it.
inline void ClicFila(QListWidget* l, int fila, Qt::KeyboardModifiers teclas = Qt::NoModifier) {
    const QRect r = l->visualItemRect(l->item(fila));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, teclas, r.center());
}

// A double click as the platform delivers it: press and release, then the double click and
// its release (QTest sends a widget the double-click event alone).
inline void DobleClicFila(QListWidget* l, int fila) {
    const QPoint p = l->visualItemRect(l->item(fila)).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(l->viewport(), Qt::LeftButton, Qt::NoModifier, p);
}

// A click on a check box or an option button where its indicator is.
inline void Marca(QAbstractButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(6, b->height() / 2));
}

} // namespace prueba
