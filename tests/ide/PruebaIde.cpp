#include "tests/ide/PruebaIde.h"

#include "app/ide/Aplicacion.h"

#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace prueba {

ConDemo::ConDemo() {
    carpeta_ = std::filesystem::path(dir_.path().toStdString()) / "Demo";
    std::filesystem::copy(std::filesystem::path(LINTRAP_SOURCE_DIR) / "examples" / "Demo", carpeta_,
                          std::filesystem::copy_options::recursive);
    QSettings().clear();
    QSettings(QSettings::UserScope, "VB and VBA Program Settings", "Lintrap").clear();
}

std::string ConDemo::Lee(const std::string& archivo) const {
    std::ifstream f(carpeta_ / archivo, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
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

CuentaCajas::CuentaCajas() : timer_(new QTimer) {
    QObject::connect(timer_, &QTimer::timeout, [this] {
        if (auto* caja = QApplication::activeModalWidget()) {
            ++cuantas_;
            if (auto* mb = qobject_cast<QMessageBox*>(caja)) {
                ultima_ = mb->text();
            }
            caja->close();
        }
    });
    timer_->start(20);
}

CuentaCajas::~CuentaCajas() {
    delete timer_;
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
