// Draws lintrap-ide with the example project and the add-in's windows into a PNG, offscreen:
//   lintrap_capturas_ide PROJECT ADDIN OUT.png [WINDOW...]
// WINDOW: visor (the code viewer on frmPrincipal's RellenarLista), dependencias (its callers,
// from the viewer), refs, controles (frmCliente's txtCodigoPostal) or config (modal, drawn
// while it is up). Offscreen, the host is drawn whole and each add-in window over its right
// side, each a little lower than the one before; on an X display, the screen is taken.
#include "app/ide/Aplicacion.h"
#include "app/ide/VentanaIde.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <vector>

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

void Elige(QWidget* ventana, const char* lista, const QString& texto) {
    if (auto* l = ventana->findChild<QListWidget*>(lista)) {
        const auto items = l->findItems(texto, Qt::MatchExactly);
        if (!items.isEmpty()) {
            l->setCurrentItem(items.front());
        }
    }
}

void Dispara(QWidget* ventana, const char* accion) {
    if (auto* a = ventana->findChild<QAction*>(accion)) {
        a->trigger();
        Espera();
    }
}

// On a display, the window manager places and frames the windows shown meanwhile.
void Asienta() {
    if (QGuiApplication::platformName() == "xcb") {
        for (int i = 0; i < 20; ++i) {
            QApplication::processEvents();
            QThread::msleep(25);
        }
    }
}

bool Guarda(const QPixmap& imagen, const char* salida) {
    if (!imagen.save(salida)) {
        std::fprintf(stderr, "no se puede escribir %s\n", salida);
        return false;
    }
    return true;
}

// The host with the windows over it. On a display with a window manager, the screen as the user
// sees it: each window where it opened, in its frame; offscreen, the windows drawn over the
// host's right side.
bool Compone(QWidget& host, const std::vector<QWidget*>& encima, const char* salida) {
    if (QGuiApplication::platformName() == "xcb") {
        Asienta();
        return Guarda(host.screen()->grabWindow(0), salida);
    }
    const QPixmap fondo = host.grab();
    const int x0 = fondo.width() - 300, y0 = 70, paso = 50;
    int ancho = fondo.width(), alto = fondo.height();
    std::vector<QPixmap> fotos;
    for (std::size_t i = 0; i < encima.size(); ++i) {
        fotos.push_back(encima[i]->grab());
        ancho = std::max(ancho, x0 + int(i) * paso + fotos.back().width() + 20);
        alto = std::max(alto, y0 + int(i) * paso + fotos.back().height() + 20);
    }
    QPixmap lienzo(ancho, alto);
    lienzo.fill(QColor(0x4a, 0x5a, 0x6a));
    QPainter p(&lienzo);
    p.drawPixmap(0, 0, fondo);
    for (std::size_t i = 0; i < fotos.size(); ++i) {
        const int x = x0 + int(i) * paso, y = y0 + int(i) * paso;
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.drawRect(x - 1, y - 1, fotos[i].width() + 1, fotos[i].height() + 1);
        p.drawPixmap(x, y, fotos[i]);
    }
    p.end();
    return Guarda(lienzo, salida);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "uso: %s PROYECTO COMPLEMENTO SALIDA.png [VENTANA...]\n", argv[0]);
        return 2;
    }
    ide::Aplicacion app(argc, argv);
    ide::VentanaIde v;
    v.resize(980, 620);
    v.show();
    Asienta(); // the add-in opens over the host where the user sees it
    if (!v.Abre(argv[1])) {
        return 1;
    }
    if (auto* m = v.Modulo("Utilidades")) {
        v.MuestraPanel(*m);
    }
    auto& c = v.Componentes().Carga(argv[2]);
    v.Componentes().Conecta(c, vbide::ext_cm_External);
    Espera();
    QWidget* frm = Ventana("frmAddIn");
    if (frm == nullptr) {
        std::fprintf(stderr, "el complemento no mostró su ventana\n");
        return 1;
    }
    std::vector<QWidget*> encima{frm};
    bool bien = true;
    bool compuesta = false;
    for (int i = 4; i < argc; ++i) {
        const QString pedida = argv[i];
        if (pedida == "visor" || pedida == "dependencias") {
            Elige(frm, "List1", "frmPrincipal");
            if (Ventana("FrmCodigo") == nullptr) {
                Dispara(frm, "mnuCodigo");
            }
            Elige(frm, "List2", "RellenarLista");
            Espera();
            QWidget* visor = Ventana("FrmCodigo");
            if (visor != nullptr && pedida == "visor") {
                if (QGuiApplication::platformName() != "xcb") {
                    visor->resize(640, 380); // on a screen, it keeps the size it opened with
                }
                encima.push_back(visor);
            } else if (visor != nullptr) {
                Dispara(visor, "mnuDep");
            }
            if (pedida == "dependencias" && Ventana("Dependencias") != nullptr) {
                encima.push_back(Ventana("Dependencias"));
            }
        } else if (pedida == "refs") {
            Dispara(frm, "mnuRef");
            if (QWidget* refs = Ventana("frmRefs")) {
                if (auto* l = refs->findChild<QListWidget*>("List1")) {
                    l->setCurrentRow(0);
                }
                encima.push_back(refs);
            }
        } else if (pedida == "controles") {
            Dispara(frm, "mnuControles");
            if (QWidget* controles = Ventana("frmControles")) {
                Elige(controles, "List0", "frmCliente");
                Elige(controles, "List1", "txtCodigoPostal");
                encima.push_back(controles);
            }
        } else if (pedida == "config") {
            // The dialog is modal: it is drawn from the event loop while it is up, then closed.
            QTimer::singleShot(100, [&] {
                QWidget* caja = QApplication::activeModalWidget();
                if (caja == nullptr) {
                    return;
                }
                if (auto* correo = caja->findChild<QCheckBox*>("Check1")) {
                    correo->click();
                }
                if (auto* dir = caja->findChild<QLineEdit*>("Text1")) {
                    dir->setText("errores@quovant.example");
                }
                Espera();
                encima.push_back(caja);
                bien = Compone(v, encima, argv[3]);
                compuesta = true;
                caja->close();
            });
            Dispara(frm, "mnuConfig");
        }
        Espera();
    }
    if (!compuesta) {
        bien = Compone(v, encima, argv[3]);
    }
    v.Componentes().DesconectaTodos();
    return bien ? 0 : 1;
}
