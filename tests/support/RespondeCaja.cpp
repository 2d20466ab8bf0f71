#include "tests/support/RespondeCaja.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace prueba {
namespace {

QString ultimoMensaje;
QString ultimoTitulo;

constexpr int kPausaMs = 10;
constexpr int kIntentos = 500; // five seconds

void Busca(std::shared_ptr<std::function<void(QWidget*)>> responde, int quedan) {
    QWidget* caja = QApplication::activeModalWidget();
    if (caja != nullptr && caja->isVisible()) {
        (*responde)(caja);
        return;
    }
    if (quedan == 0) {
        ADD_FAILURE() << "no modal box appeared";
        return;
    }
    QTimer::singleShot(kPausaMs, qApp, [responde, quedan] { Busca(responde, quedan - 1); });
}

QAbstractButton* BotonDeCaja(QWidget* caja, QDialogButtonBox::StandardButton cual) {
    for (auto* botones : caja->findChildren<QDialogButtonBox*>())
        if (auto* b = botones->button(cual))
            return b;
    return nullptr;
}

} // namespace

void CuandoAparezca(std::function<void(QWidget*)> responde) {
    auto r = std::make_shared<std::function<void(QWidget*)>>(std::move(responde));
    QTimer::singleShot(kPausaMs, qApp, [r] { Busca(r, kIntentos); });
}

void PulsaBoton(QMessageBox::StandardButton boton) {
    CuandoAparezca([boton](QWidget* caja) {
        auto* mb = qobject_cast<QMessageBox*>(caja);
        if (mb == nullptr) {
            ADD_FAILURE() << "the modal box is not a message box";
            caja->close();
            return;
        }
        ultimoMensaje = mb->text();
        ultimoTitulo = mb->windowTitle();
        QAbstractButton* b = mb->button(boton);
        if (b == nullptr) {
            ADD_FAILURE() << "the message box has no such button";
            mb->reject();
            return;
        }
        b->click();
    });
}

void Escribe(const QString& texto, QString* etiqueta) {
    CuandoAparezca([texto, etiqueta](QWidget* caja) {
        auto* entrada = caja->findChild<QLineEdit*>();
        if (qobject_cast<QInputDialog*>(caja) == nullptr || entrada == nullptr) {
            ADD_FAILURE() << "the modal box is not an input box";
            caja->close();
            return;
        }
        if (etiqueta != nullptr) {
            auto* l = caja->findChild<QLabel*>();
            *etiqueta = l != nullptr ? l->text() : QString();
        }
        entrada->setText(texto);
        if (auto* ok = BotonDeCaja(caja, QDialogButtonBox::Ok))
            ok->click();
        else
            ADD_FAILURE() << "the input box has no OK button";
    });
}

void CancelaEntrada() {
    CuandoAparezca([](QWidget* caja) {
        if (auto* cancelar = BotonDeCaja(caja, QDialogButtonBox::Cancel))
            cancelar->click();
        else
            ADD_FAILURE() << "the box has no Cancel button";
    });
}

QString UltimoMensaje() {
    return ultimoMensaje;
}

QString UltimoTitulo() {
    return ultimoTitulo;
}

CuentaCajas::CuentaCajas() : timer_(new QTimer) {
    QObject::connect(timer_, &QTimer::timeout, [this] {
        if (auto* caja = QApplication::activeModalWidget()) {
            ++cuantas_;
            if (auto* mb = qobject_cast<QMessageBox*>(caja))
                ultima_ = mb->text();
            caja->close();
        }
    });
    timer_->start(20);
}

CuentaCajas::~CuentaCajas() {
    delete timer_;
}

} // namespace prueba
