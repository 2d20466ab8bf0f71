#include "app/addin/Connect.h"

#include "ClsErrores/App.h"
#include "base/ErrorVB.h"
#include "qt/Lugar.h"
#include "qt/main/frmAddIn.h"

#include <QMessageBox>
#include <QSettings>

namespace addin {

namespace {

// VB's settings live under one organisation, one application per program.
QSettings Almacen() {
    return QSettings(QSettings::UserScope, "VB and VBA Program Settings",
                     QString::fromStdString(app::Title()));
}

QString Clave(const std::string& key) {
    return "Settings/" + QString::fromStdString(key);
}

} // namespace

Connect::Connect(std::string carpetaAddIn) : carpeta_(std::move(carpetaAddIn)) {}

Connect::~Connect() {
    delete frm_.data();
}

std::string Connect::LeeAjuste(const std::string& clave, const std::string& omision) {
    QSettings s = Almacen();
    return s.value(Clave(clave), QString::fromStdString(omision)).toString().toStdString();
}

void Connect::GuardaAjuste(const std::string& clave, const std::string& valor) {
    QSettings s = Almacen();
    s.setValue(Clave(clave), QString::fromStdString(valor));
    s.sync();
    if (s.status() != QSettings::NoError) {
        throw ErrorVB(vberr::PathFileAccessError, "SaveSetting",
                      "No se puede guardar el ajuste " + clave + " en " +
                          s.fileName().toStdString());
    }
}

void Connect::Avisa(const std::string& texto) {
    QMessageBox(QMessageBox::NoIcon, QString::fromStdString(app::Title()),
                QString::fromStdString(texto), QMessageBox::Ok)
        .exec();
}

void Connect::CargaVentana() {
    if (!frm_) {
        // Owned by the environment's window: a click on it does not bury this one.
        frm_ = new qt::frmAddIn(*VBInstance, carpeta_, codepage::Predeterminada,
                                qt::VentanaDelEntorno());
        // Closing the window unloads it: the next Show loads it afresh.
        QObject::connect(frm_.data(), &qt::frmAddIn::descargado, frm_.data(),
                         &QObject::deleteLater);
    }
}

void Connect::MuestraVentana() {
    if (frm_) {
        frm_->showNormal(); // minimised, it comes back
        frm_->raise();
        frm_->activateWindow();
    }
}

void Connect::OcultaVentana() {
    if (frm_) {
        frm_->hide();
    }
}

void Connect::DescargaVentana() {
    if (frm_) {
        frm_->close();
        delete frm_.data();
    }
}

} // namespace addin
