#include "tests/support/RespondeCaja.h"

#include <QAbstractButton>
#include <QApplication>
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
