#include "qt/Dialogo.h"

#include "qt/CajaMensaje.h"
#include "qt/TextoQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace qt {

// The control of that name, or null: a primitive on a control the skin lacks shows nothing.
QWidget* Dialogo::Control(std::string_view nombre) {
    if (nombre.empty()) {
        return this;
    }
    return findChild<QWidget*>(QString::fromUtf8(nombre.data(), qsizetype(nombre.size())));
}

void Dialogo::Rellena(std::string_view control, const std::vector<std::string>& filas) {
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

void Dialogo::Selecciona(std::string_view control, int fila) {
    QWidget* c = Control(control);
    const QSignalBlocker bloqueo(c);
    if (auto* lista = qobject_cast<QListWidget*>(c)) {
        lista->setCurrentRow(fila);
    } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
        combo->setCurrentIndex(fila);
    }
}

void Dialogo::PonTexto(std::string_view control, std::string_view texto) {
    QWidget* c = Control(control);
    const QSignalBlocker bloqueo(c);
    const QString t = TextoQt(texto);
    if (c == this) {
        setWindowTitle(t);
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

void Dialogo::Marca(std::string_view control, bool marcado) {
    if (auto* boton = qobject_cast<QAbstractButton*>(Control(control))) {
        const QSignalBlocker bloqueo(boton);
        boton->setChecked(marcado);
    }
}

void Dialogo::Muestra(std::string_view control, bool visible) {
    if (QWidget* c = Control(control)) {
        c->setVisible(visible);
    }
}

void Dialogo::PonFondo(std::string_view control, ui::Color color) {
    if (QWidget* c = Control(control)) {
        QPalette p = c->palette();
        p.setColor(QPalette::Base, QColor(color.rojo, color.verde, color.azul));
        c->setPalette(p);
    }
}

int Dialogo::Mensaje(const std::string& texto, int botones, const std::string& titulo) {
    return CajaMensaje(this, texto, botones, titulo);
}

void Dialogo::Portapapeles(const std::string& texto) {
    QClipboard* portapapeles = QApplication::clipboard();
    portapapeles->clear();
    portapapeles->setText(QString::fromStdString(texto));
}

void Dialogo::Abre(std::string_view) {}

void Dialogo::Cierra(bool aceptada) {
    done(aceptada ? QDialog::Accepted : QDialog::Rejected);
}

void Dialogo::Reloj(bool espera) {
    if (espera) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

} // namespace qt
