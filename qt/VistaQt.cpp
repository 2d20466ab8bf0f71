#include "qt/VistaQt.h"

#include "qt/CajaMensaje.h"
#include "qt/TextoQt.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalBlocker>

namespace qt {
namespace {

QString Nombre(std::string_view nombre) {
    return QString::fromUtf8(nombre.data(), qsizetype(nombre.size()));
}

} // namespace

VistaQt::~VistaQt() {
    RelojArena(false);
}

// The control of that name, or null: a primitive on a control the skin lacks shows nothing.
QWidget* VistaQt::Control(std::string_view nombre) {
    if (nombre.empty()) {
        return &ventana_;
    }
    return ventana_.findChild<QWidget*>(Nombre(nombre));
}

void VistaQt::Rellena(std::string_view control, const std::vector<std::string>& filas) {
    QWidget* c = Control(control);
    const QSignalBlocker bloqueo(c);
    QStringList textos;
    for (const std::string& f : filas) {
        textos << TextoQt(f);
    }
    if (auto* lista = qobject_cast<QListWidget*>(c)) {
        lista->clear();
        lista->addItems(textos);
        lista->setCurrentRow(-1);
    } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
        combo->clear();
        combo->addItems(textos);
        combo->setCurrentIndex(-1);
    }
}

void VistaQt::Selecciona(std::string_view control, int fila) {
    QWidget* c = Control(control);
    const QSignalBlocker bloqueo(c);
    if (auto* lista = qobject_cast<QListWidget*>(c)) {
        if (fila < 0) {
            lista->clearSelection();
        }
        lista->setCurrentRow(fila);
    } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
        combo->setCurrentIndex(fila);
    }
}

void VistaQt::PonTexto(std::string_view control, std::string_view texto) {
    const QString t = TextoQt(texto);
    if (!control.empty()) {
        if (auto* entrada = ventana_.findChild<QAction*>(Nombre(control))) {
            entrada->setText(t);
            return;
        }
    }
    QWidget* c = Control(control);
    const QSignalBlocker bloqueo(c);
    if (c == &ventana_) {
        ventana_.setWindowTitle(t);
    } else if (auto* etiqueta = qobject_cast<QLabel*>(c)) {
        etiqueta->setText(t);
    } else if (auto* caja = qobject_cast<QLineEdit*>(c)) {
        caja->setText(t);
    } else if (auto* boton = qobject_cast<QAbstractButton*>(c)) {
        boton->setText(t);
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(c)) {
        area->setPlainText(t);
    }
}

void VistaQt::Marca(std::string_view control, bool marcado) {
    if (auto* boton = qobject_cast<QAbstractButton*>(Control(control))) {
        const QSignalBlocker bloqueo(boton);
        boton->setChecked(marcado);
    }
}

void VistaQt::Muestra(std::string_view control, bool visible) {
    if (QWidget* c = Control(control)) {
        c->setVisible(visible);
    }
}

void VistaQt::PonFondo(std::string_view control, ui::Color color) {
    if (QWidget* c = Control(control)) {
        QPalette p = c->palette();
        p.setColor(QPalette::Base, QColor(color.rojo, color.verde, color.azul));
        c->setPalette(p);
    }
}

int VistaQt::Mensaje(const std::string& texto, int botones, const std::string& titulo) {
    return CajaMensaje(&ventana_, texto, botones, titulo);
}

void VistaQt::Portapapeles(const std::string& texto) {
    QClipboard* portapapeles = QGuiApplication::clipboard();
    portapapeles->clear();
    portapapeles->setText(QString::fromStdString(texto));
}

void VistaQt::PonArriba(std::string_view control, int fila) {
    // The lists scroll by whole rows, so a scroll bar's value is the top row.
    if (auto* lista = qobject_cast<QListWidget*>(Control(control))) {
        lista->verticalScrollBar()->setValue(fila);
    }
}

void VistaQt::PonValor(std::string_view control, int valor) {
    if (auto* barra = qobject_cast<QProgressBar*>(Control(control))) {
        barra->setValue(valor);
    }
}

void VistaQt::RelojArena(bool activo) {
    // One override at most: Qt stacks them.
    if (activo && !reloj_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (!activo && reloj_) {
        QApplication::restoreOverrideCursor();
    }
    reloj_ = activo;
}

} // namespace qt
