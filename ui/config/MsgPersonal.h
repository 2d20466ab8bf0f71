#pragma once
// The custom message dialog, opened modally by frmConfiguracion when "personalizar" is chosen.
// "Aceptar" stores the message typed (two double quotes for none) as the pending custom
// message, or refuses one the class could not hold and stays open; "Cancelar" and the close
// box store nothing.

#include "install/Configuracion.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class MsgPersonal : public QDialog {
    Q_OBJECT
public:
    explicit MsgPersonal(install::Configuracion& configuracion, QWidget* parent = nullptr);

private:
    void OKButton_Click();

    install::Configuracion& configuracion_;
    QLineEdit* Text1;
    QPushButton* CancelButton;
    QPushButton* OKButton;
    QLabel* Label1;
};
