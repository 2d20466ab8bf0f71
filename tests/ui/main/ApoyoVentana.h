#pragma once
// What the main window's tests share: a project copied or written into a temporary folder and
// opened as the host would, and the user's clicks on the window's controls.

#include "host/files/Vbe.h"
#include "qt/main/frmAddIn.h"
#include "tests/engine/Apoyo.h"

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

// The example project copied into a temporary folder.
inline std::filesystem::path CopiaDemo(const std::filesystem::path& carpeta) {
    const auto origen = std::filesystem::path(LINTRAP_SOURCE_DIR) / "examples" / "Demo";
    std::filesystem::copy(origen, carpeta / "Demo", std::filesystem::copy_options::recursive);
    return carpeta / "Demo" / "Demo.vbp";
}

// A standard module file named `nombre` with the code lines `codigo` (LF in the test).
inline std::pair<std::string, std::string> Bas(const std::string& nombre,
                                               const std::string& codigo) {
    return {nombre + ".bas", "Attribute VB_Name = \"" + nombre + "\"\n" + codigo};
}

// A project "Proyecto1" of the given standard modules, opened as the host opens it.
inline std::unique_ptr<files::Vbe>
AbreModulos(const std::filesystem::path& carpeta,
            const std::vector<std::pair<std::string, std::string>>& archivos) {
    std::string lineas;
    for (const auto& [archivo, texto] : archivos) {
        lineas += "Module=" + archivo.substr(0, archivo.size() - 4) + "; " + archivo + "\n";
    }
    apoyo::Proyecto(carpeta, archivos, lineas);
    return files::Vbe::Open(carpeta / "Proyecto1.vbp");
}

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
