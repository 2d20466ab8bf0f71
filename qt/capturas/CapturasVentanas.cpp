// Grabs the callers list, the inspectors and the configuration dialogs over the example project
// into PNG files:
//   lintrap_capturas_ventanas EXAMPLE.vbp OUTPUT_FOLDER
// Dependencias.png: the callers of frmPrincipal's RellenarLista. frmRefs.png: the references
// with the first one clicked. frmControles.png: frmCliente's txtCodigoPostal. frmConfiguracion.png:
// e-mail ticked with an address typed. MsgPersonal.png: a custom message typed. frmAbout.png: the
// about box. Nothing is written into the project.

#include "ClsErrores/clsErrores.h"
#include "host/files/Vbe.h"
#include "qt/capturas/Guarda.h"
#include "qt/config/frmConfiguracion.h"
#include "qt/inspectors/frmControles.h"
#include "qt/inspectors/frmRefs.h"
#include "qt/main/frmAbout.h"
#include "qt/viewer/Dependencias.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>

#include <cstdio>

namespace {

void Elige(QListWidget* lista, const QString& texto) {
    const auto items = lista->findItems(texto, Qt::MatchExactly);
    if (!items.isEmpty()) {
        lista->setCurrentItem(items.front());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Uso: lintrap_capturas_ventanas PROYECTO.vbp CARPETA\n");
        return 2;
    }
    glbErr().LogOnError(false);
    const QDir carpeta(QString::fromLocal8Bit(argv[2]));
    auto vbe = files::Vbe::Open(argv[1]);
    files::Project& proyecto = *vbe->Active();
    const int cp = proyecto.CodePage();
    bool bien = true;

    engine::EstadoSeleccion estado;
    estado.paginaCodigos = cp;
    estado.modulo = "frmPrincipal";
    estado.procedimientos = {{"RellenarLista", true, engine::Manejo::Sin}};
    estado.actual = 0;
    qt::Dependencias dependencias(&proyecto, "RellenarLista", estado);
    bien &= capturas::Guarda(dependencias, carpeta, "Dependencias.png");

    qt::frmRefs refs(*vbe, cp);
    refs.findChild<QListWidget*>("List1")->setCurrentRow(0);
    bien &= capturas::Guarda(refs, carpeta, "frmRefs.png");

    qt::frmControles controles(*vbe, cp);
    Elige(controles.findChild<QListWidget*>("List0"), "frmCliente");
    Elige(controles.findChild<QListWidget*>("List1"), "txtCodigoPostal");
    bien &= capturas::Guarda(controles, carpeta, "frmControles.png");

    engine::AjustesPendientes ajustes;
    ajustes.glbEmailDir = "errores@quovant.example";
    qt::frmConfiguracion configuracion(ajustes, &proyecto, cp);
    configuracion.findChild<QCheckBox*>("Check1")->click();
    configuracion.findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
    bien &= capturas::Guarda(configuracion, carpeta, "frmConfiguracion.png");

    install::Configuracion logica(ajustes);
    qt::MsgPersonal personal(logica);
    personal.findChild<QLineEdit*>("Text1")->setText("Se ha producido un error inesperado");
    bien &= capturas::Guarda(personal, carpeta, "MsgPersonal.png");

    qt::frmAbout acercaDe;
    bien &= capturas::Guarda(acercaDe, carpeta, "frmAbout.png");
    return bien ? 0 : 1;
}
