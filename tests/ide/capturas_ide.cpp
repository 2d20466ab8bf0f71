// Draws lintrap-ide with the example project and the add-in's windows into a PNG, offscreen:
//   lintrap_capturas_ide PROJECT ADDIN OUT.png [visor]
// The host is drawn whole; each add-in window is drawn over its right side, as on a desk.
#include "app/ide/Aplicacion.h"
#include "app/ide/VentanaIde.h"

#include <QAction>
#include <QPainter>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace {

QWidget* Ventana(const QString& nombre) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == nombre && w->isVisible()) {
            return w;
        }
    }
    return nullptr;
}

void Espera() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "uso: %s PROYECTO COMPLEMENTO SALIDA.png [visor]\n", argv[0]);
        return 2;
    }
    ide::Aplicacion app(argc, argv);
    ide::VentanaIde v;
    v.resize(980, 620);
    v.show();
    if (!v.Abre(argv[1])) {
        return 1;
    }
    if (auto* m = v.Modulo("Utilidades")) {
        v.MuestraPanel(*m);
    }
    auto& c = v.Componentes().Carga(argv[2]);
    v.Componentes().Conecta(c, vbide::ext_cm_External);
    Espera();
    std::vector<QWidget*> encima;
    if (QWidget* frm = Ventana("frmAddIn")) {
        encima.push_back(frm);
        if (argc > 4 && QString(argv[4]) == "visor") {
            if (auto* codigo = frm->findChild<QAction*>("mnuCodigo")) {
                codigo->trigger();
                Espera();
            }
            if (QWidget* visor = Ventana("FrmCodigo")) {
                encima.push_back(visor);
            }
        }
    }
    const QPixmap host = v.grab();
    int ancho = host.width(), alto = host.height();
    int x = host.width() - 260, y = 70;
    std::vector<QPixmap> fotos;
    for (QWidget* w : encima) {
        fotos.push_back(w->grab());
        ancho = std::max(ancho, x + fotos.back().width() + 20);
        alto = std::max(alto, y + fotos.back().height() + 20);
        x += 60;
        y += 60;
    }
    QPixmap lienzo(ancho, alto);
    lienzo.fill(QColor(0x4a, 0x5a, 0x6a));
    QPainter p(&lienzo);
    p.drawPixmap(0, 0, host);
    x = host.width() - 260;
    y = 70;
    for (const QPixmap& f : fotos) {
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.drawRect(x - 1, y - 1, f.width() + 1, f.height() + 1);
        p.drawPixmap(x, y, f);
        x += 60;
        y += 60;
    }
    p.end();
    if (!lienzo.save(argv[3])) {
        std::fprintf(stderr, "no se puede escribir %s\n", argv[3]);
        return 1;
    }
    v.Componentes().DesconectaTodos();
    return 0;
}
