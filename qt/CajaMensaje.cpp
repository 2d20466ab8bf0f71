#include "qt/CajaMensaje.h"

#include "ClsErrores/MsgBox.h"

#include <QMessageBox>

namespace qt {
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

} // namespace qt
