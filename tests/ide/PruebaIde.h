#pragma once
// What the host's tests share: a copy of the example project in a temporary folder, settings
// kept apart from the user's, and looking for the add-in's windows.

#include "app/ide/VentanaIde.h"
#include "tests/support/Archivos.h"

#include <QTemporaryDir>
#include <QWidget>

#include <filesystem>
#include <string>

namespace prueba {

// A fresh copy of examples/Demo, and a clean settings store, for each test.
class ConDemo {
public:
    ConDemo();
    std::filesystem::path Carpeta() const { return carpeta_; }
    QString Vbp() const { return QString::fromStdString((carpeta_ / "Demo.vbp").string()); }
    std::string Lee(const std::string& archivo) const { return soporte::Lee(carpeta_ / archivo); }

private:
    QTemporaryDir dir_;
    std::filesystem::path carpeta_;
};

// The visible top-level window with this object name, or null.
QWidget* Ventana(const QString& nombre);

// "DisplayOnConnect" as the add-in left it; "(ninguno)" when absent.
QString DisplayOnConnect();

} // namespace prueba
