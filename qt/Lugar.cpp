#include "qt/Lugar.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace qt {
namespace {

constexpr int kAnchoMinimo = 320; // narrower, a code window shows too little of a line

QRect Pantalla(const QWidget& w) {
    const QScreen* s = w.screen();
    return s ? s->availableGeometry() : QRect();
}

// The window's frame as it will be: before it is first shown it has none yet, so it gets the
// owner's border.
QSize Marco(const QWidget& ventana, const QWidget& dueno) {
    if (ventana.isVisible()) {
        return ventana.frameGeometry().size();
    }
    const QRect g = dueno.geometry(), f = dueno.frameGeometry();
    return ventana.size().grownBy(
        {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()});
}

// The frame's top-left corner that keeps `r` inside the screen (its top-left part, when larger).
QPoint Dentro(QRect r, const QRect& pantalla) {
    if (pantalla.isValid()) {
        r.moveRight(std::min(r.right(), pantalla.right()));
        r.moveBottom(std::min(r.bottom(), pantalla.bottom()));
        r.moveLeft(std::max(r.left(), pantalla.left()));
        r.moveTop(std::max(r.top(), pantalla.top()));
    }
    return r.topLeft();
}

} // namespace

QWidget* VentanaDelEntorno() {
    QWidget* w = QApplication::activeWindow();
    while (w && w->parentWidget()) {
        w = w->parentWidget()->window();
    }
    if (w) {
        return w;
    }
    for (QWidget* t : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(t) && t->isVisible() && !t->parentWidget()) {
            return t;
        }
    }
    return nullptr;
}

void CentraEn(QWidget& ventana, const QWidget& dueno) {
    if (!ventana.testAttribute(Qt::WA_Resized)) {
        ventana.adjustSize(); // the size it will open with, which showing it would give it
    }
    const QWidget& d = *dueno.window();
    QRect r({}, Marco(ventana, d));
    r.moveCenter(d.frameGeometry().center());
    ventana.move(Dentro(r, Pantalla(d)));
}

void AlLadoDe(QWidget& ventana, const QWidget& dueno) {
    const QWidget& d = *dueno.window();
    const QRect o = d.frameGeometry(), pantalla = Pantalla(d);
    QSize marco = Marco(ventana, d);
    const int derecha = pantalla.isValid() ? pantalla.right() - o.right() : marco.width();
    const int izquierda = pantalla.isValid() ? o.left() - pantalla.left() : 0;
    const bool aLaDerecha = derecha >= marco.width() || derecha >= izquierda;
    const int sitio = aLaDerecha ? derecha : izquierda;
    if (sitio < marco.width()) {
        const int ancho = std::max(sitio, kAnchoMinimo);
        ventana.resize(ventana.width() - (marco.width() - ancho), ventana.height());
        marco.setWidth(ancho);
    }
    const QRect r(QPoint(aLaDerecha ? o.right() + 1 : o.left() - marco.width(), o.top()), marco);
    ventana.move(Dentro(r, pantalla));
}

} // namespace qt
