#include "tests/ide/PruebaIde.h"

#include "app/ide/Aplicacion.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace prueba {

ConDemo::ConDemo() {
    carpeta_ = std::filesystem::path(dir_.path().toStdString()) / "Demo";
    std::filesystem::copy(std::filesystem::path(LINTRAP_SOURCE_DIR) / "examples" / "Demo", carpeta_,
                          std::filesystem::copy_options::recursive);
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

void FijaDisplayOnConnect(const QString& valor) {
    QSettings s(QSettings::UserScope, "VB and VBA Program Settings", "Lintrap");
    s.setValue("Settings/DisplayOnConnect", valor);
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
