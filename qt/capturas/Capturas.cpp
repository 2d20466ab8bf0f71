// Grabs the add-in's windows over the example project into PNG files:
//   lintrap_capturas EXAMPLE.vbp OUTPUT_FOLDER
// frmAddIn.png: the main window with "clsErrores" chosen, the module Utilidades selected and
// two of its procedures chosen; FrmCodigo.png: the code viewer on one procedure. Nothing is
// written into the project.

#include "ClsErrores/clsErrores.h"
#include "host/files/Vbe.h"
#include "qt/capturas/Guarda.h"
#include "qt/main/frmAddIn.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QRadioButton>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Uso: lintrap_capturas PROYECTO.vbp CARPETA\n");
        return 2;
    }
    glbErr().LogOnError(false);
    const QDir carpeta(QString::fromLocal8Bit(argv[2]));
    auto vbe = files::Vbe::Open(argv[1]);

    qt::frmAddIn w(*vbe, QCoreApplication::applicationDirPath().toStdString());
    w.show();
    auto* List1 = w.findChild<QListWidget*>("List1");
    auto* List2 = w.findChild<QListWidget*>("List2");
    const auto utilidades = List1->findItems("Utilidades", Qt::MatchExactly);
    if (!utilidades.isEmpty()) {
        List1->setCurrentItem(utilidades.front());
    }
    w.findChild<QRadioButton*>("Option2")->setChecked(true);
    if (List2->count() > 2) {
        List2->item(1)->setSelected(true);
        List2->item(2)->setSelected(true);
        List2->setCurrentRow(2, QItemSelectionModel::NoUpdate);
    }
    if (!capturas::Guarda(w, carpeta, "frmAddIn.png")) {
        return 1;
    }

    // The viewer on the procedure LeerArchivo: its keywords, error terms and comments coloured.
    w.findChild<QAction*>("mnuCodigo")->trigger();
    const auto leer = List2->findItems("LeerArchivo", Qt::MatchExactly);
    if (!leer.isEmpty()) {
        List2->clearSelection();
        List2->setCurrentItem(leer.front());
    }
    qt::FrmCodigo* visor = w.Visor();
    if (visor == nullptr) {
        std::fprintf(stderr, "No se abrió el visor de código\n");
        return 1;
    }
    visor->resize(620, 360);
    return capturas::Guarda(*visor, carpeta, "FrmCodigo.png") ? 0 : 1;
}
