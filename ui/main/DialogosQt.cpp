#include "ui/main/DialogosQt.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressBar>

namespace ui {
namespace {

QString Texto(const std::string& utf8) {
    // Messages break their lines with CR LF; Qt draws a CR of its own.
    return QString::fromStdString(utf8).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QMessageBox::Icon Icono(int botones) {
    switch (botones & 0x70) {
    case vb::vbCritical:
        return QMessageBox::Critical;
    case vb::vbQuestion:
        return QMessageBox::Question;
    case vb::vbExclamation:
        return QMessageBox::Warning;
    case vb::vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int CajaMensaje(QWidget* padre, const std::string& texto, int botones, const std::string& titulo) {
    QMessageBox caja(Icono(botones), Texto(titulo), Texto(texto), QMessageBox::NoButton, padre);
    caja.setObjectName("MsgBox");
    const int conjunto = botones & 0x7;
    switch (conjunto) {
    case vb::vbOKCancel:
        caja.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case vb::vbYesNoCancel:
        caja.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case vb::vbYesNo:
        caja.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        caja.setStandardButtons(QMessageBox::Ok);
        break;
    }
    // The close box gives the safe answer.
    if (conjunto == vb::vbYesNo) {
        caja.setEscapeButton(QMessageBox::No);
    }
    switch (caja.exec()) {
    case QMessageBox::Yes:
        return vb::vbYes;
    case QMessageBox::No:
        return vb::vbNo;
    case QMessageBox::Cancel:
        return vb::vbCancel;
    case QMessageBox::Ok:
        return vb::vbOK;
    default:
        return conjunto == vb::vbYesNo    ? vb::vbNo
               : conjunto == vb::vbOKOnly ? vb::vbOK
                                          : vb::vbCancel;
    }
}

std::optional<QString> CajaEntrada(QWidget* padre, const QString& pregunta, const QString& titulo,
                                   const QString& inicial) {
    QInputDialog caja(padre);
    caja.setObjectName("InputBox");
    caja.setWindowTitle(titulo);
    caja.setLabelText(pregunta);
    caja.setTextValue(inicial);
    caja.setOkButtonText("Aceptar");
    caja.setCancelButtonText("Cancelar");
    if (caja.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return caja.textValue();
}

int DialogosQt::Muestra(engine::Mensaje, const std::string& texto, int botones) {
    return CajaMensaje(padre_, texto, botones, std::string(engine::TituloDialogos));
}

int MsgBoxQt::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    return CajaMensaje(padre_, prompt, buttons, title.empty() ? std::string("Lintrap") : title);
}

void ProgresoQt::Muestra(bool visible) {
    barra_.setVisible(visible);
}

void ProgresoQt::Valor(double porcentaje) {
    // Called for every line of a module: the bar is touched only when its value moves.
    const int valor = static_cast<int>(porcentaje);
    if (valor != barra_.value()) {
        barra_.setValue(valor);
    }
}

void ProgresoQt::RelojArena(bool activo) {
    // One override at most: Qt stacks them, and a command's end restores the pointer once.
    if (activo && !reloj_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (!activo && reloj_) {
        QApplication::restoreOverrideCursor();
    }
    reloj_ = activo;
}

} // namespace ui
