#include "ui/config/MsgPersonal.h"

#include "ClsErrores/Convencion.h"
#include "ui/config/frmConfiguracion.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

MsgPersonal::MsgPersonal(install::Configuracion& configuracion, QWidget* parent)
    : QDialog(parent), configuracion_(configuracion) {
    setObjectName("MsgPersonal");
    setWindowTitle("Personalizar Mensaje Error - Quovant");
    Label1 = new QLabel("Introduzca el mensaje que quiere que aparezca en el MsgBox", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(12, 12, 396, 20);
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->setGeometry(12, 40, 396, 24);
    OKButton = new QPushButton("Aceptar", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(228, 76, 88, 26);
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancelar", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setGeometry(320, 76, 88, 26);
    setFixedSize(420, 114);
    connect(OKButton, &QPushButton::clicked, this,
            [this] { Procedimiento("MsgPersonal \\ OKButton_Click", [&] { OKButton_Click(); }); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void MsgPersonal::OKButton_Click() {
    if (Text1->text().isEmpty()) {
        Text1->setText("\"\"");
    }
    // A message the class could not hold is refused here, where it was typed.
    if (!configuracion_.AceptaMsgPersonal(Text1->text().toStdString())) {
        AvisoConfiguracion(this, "No se puede guardar el mensaje: " + configuracion_.Motivo());
        return;
    }
    accept();
}
