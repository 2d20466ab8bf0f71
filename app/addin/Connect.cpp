#include "app/addin/Connect.h"

#include "ClsErrores/App.h"
#include "ClsErrores/Convencion.h"
#include "base/ErrorVB.h"
#include "qt/Lugar.h"
#include "qt/main/frmAddIn.h"

#include <QMessageBox>
#include <QSettings>

namespace addin {

namespace {

// VB's settings live under one organisation, one application per program.
QSettings Almacen(const std::string& appName) {
    return QSettings(QSettings::UserScope, "VB and VBA Program Settings",
                     QString::fromStdString(appName));
}

QString Clave(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + "/" + QString::fromStdString(key);
}

} // namespace

std::string GetSetting(const std::string& appName, const std::string& section,
                       const std::string& key, const std::string& def) {
    QSettings s = Almacen(appName);
    return s.value(Clave(section, key), QString::fromStdString(def)).toString().toStdString();
}

void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                 const std::string& value) {
    QSettings s = Almacen(appName);
    s.setValue(Clave(section, key), QString::fromStdString(value));
    s.sync();
    if (s.status() != QSettings::NoError) {
        throw ErrorVB(vberr::PathFileAccessError, "SaveSetting",
                      "No se puede guardar el ajuste " + key + " en " + s.fileName().toStdString());
    }
}

Connect::Connect(std::string carpetaAddIn) : carpeta_(std::move(carpetaAddIn)) {}

Connect::~Connect() {
    delete frm_.data();
}

void Connect::AddinInstance_OnConnection(vbide::VBE& Application, int ConnectMode, void*) {
    try {
        VBInstance = &Application;
        if (ConnectMode == vbide::ext_cm_External) {
            Show();
        } else {
            MenuEntry = AddToAddInCommandBar(kMenuCaption);
            MenuHandler = VBInstance->Events();
            if (MenuEntry && MenuHandler) {
                MenuHandler->CommandBarEvents(*MenuEntry, [this] { MenuHandler_Click(); });
            }
            if (ConnectMode == vbide::ext_cm_AfterStartup &&
                GetSetting(app::Title(), "Settings", "DisplayOnConnect", "0") == "1") {
                Show();
            }
        }
    } catch (const ErrorVB& e) {
        QMessageBox(QMessageBox::NoIcon, QString::fromStdString(app::Title()),
                    QString::fromStdString(e.Description), QMessageBox::Ok)
            .exec();
    } catch (const std::exception&) {
        QMessageBox(QMessageBox::NoIcon, QString::fromStdString(app::Title()),
                    "Error interno al conectar el complemento", QMessageBox::Ok)
            .exec();
    }
}

vbide::CommandBarControl* Connect::AddToAddInCommandBar(const std::string& sCaption) {
    try {
        vbide::CommandBars* bars = VBInstance ? VBInstance->CommandBars() : nullptr;
        vbide::CommandBar* menu = bars ? bars->Item("Add-Ins") : nullptr;
        if (!menu) {
            return nullptr;
        }
        vbide::CommandBarControl& entry = menu->AddControl(1);
        entry.SetCaption(sCaption);
        return &entry;
    } catch (...) {
        return nullptr;
    }
}

void Connect::Show() {
    PasoSinError([&] {
        if (!frm_) {
            // Owned by the environment's window: a click on it does not bury this one.
            frm_ = new qt::frmAddIn(*VBInstance, carpeta_, codepage::Predeterminada,
                                    qt::VentanaDelEntorno());
            // Closing the window unloads it: the next Show loads it afresh.
            QObject::connect(frm_.data(), &qt::frmAddIn::descargado, frm_.data(),
                             &QObject::deleteLater);
        }
    });
    FormDisplayed = true;
    PasoSinError([&] {
        if (frm_) {
            frm_->showNormal(); // minimised, it comes back
            frm_->raise();
            frm_->activateWindow();
        }
    });
}

void Connect::Hide() {
    FormDisplayed = false;
    PasoSinError([&] {
        if (frm_) {
            frm_->hide();
        }
    });
}

void Connect::MenuHandler_Click() {
    PasoSinError([&] { Show(); });
}

void Connect::AddinInstance_OnDisconnection(int, void*) {
    PasoSinError([&] {
        if (MenuEntry) {
            vbide::CommandBarControl* entry = std::exchange(MenuEntry, nullptr);
            entry->Delete();
        }
    });
    PasoSinError([&] {
        if (FormDisplayed) {
            SaveSetting(app::Title(), "Settings", "DisplayOnConnect", "1");
            FormDisplayed = false;
        } else {
            SaveSetting(app::Title(), "Settings", "DisplayOnConnect", "0");
        }
    });
    PasoSinError([&] {
        if (frm_) {
            frm_->close();
            delete frm_.data();
        }
    });
}

} // namespace addin
