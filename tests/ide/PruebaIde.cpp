#include "tests/ide/PruebaIde.h"

#include "app/ide/Aplicacion.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace prueba {

ConDemo::ConDemo() {
    carpeta_ = soporte::Copia(soporte::Ejemplo(), dir_.path().toStdString() + "/Demo");
    QSettings().clear();
    QSettings(QSettings::UserScope, "VB and VBA Program Settings", "Lintrap").clear();
}

QWidget* Ventana(const QString& nombre) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == nombre && w->isVisible()) {
            return w;
        }
    }
    return nullptr;
}

QString DisplayOnConnect() {
    QSettings s(QSettings::UserScope, "VB and VBA Program Settings", "Lintrap");
    return s.value("Settings/DisplayOnConnect", "(ninguno)").toString();
}

} // namespace prueba

// One host application for the whole program, with settings in a folder of its own.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir ajustes;
    qputenv("XDG_CONFIG_HOME", ajustes.path().toUtf8());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ajustes.path());
    ::testing::InitGoogleTest(&argc, argv);
    ide::Aplicacion app(argc, argv);
    return RUN_ALL_TESTS();
}
