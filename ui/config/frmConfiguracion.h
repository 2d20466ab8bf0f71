#pragma once
// The error-handler configuration dialog over the add-in's pending settings. The main window's
// configuration menu opens it modally (exec()); on "Aceptar" the settings are stored and, when
// the project holds clsErrores, written into its IniVal lines at once. "Cancelar", Escape and
// the close box store nothing.

#include "engine/EstadoSeleccion.h"
#include "host/vbide/Project.h"
#include "install/Configuracion.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// A refusal of the dialogs: the text with only an OK button and no icon.
void AvisoConfiguracion(QWidget* padre, const std::string& texto);

class frmConfiguracion : public QDialog {
    Q_OBJECT
public:
    // `ajustes`: the pending settings the main window owns; `proyecto`: the active project
    // (null when none is open), `paginaCodigos` its code page.
    frmConfiguracion(engine::AjustesPendientes& ajustes, vbide::VBProject* proyecto,
                     int paginaCodigos, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Form_Load();
    void Check1_Click();
    void Combo1_Click(int indice);
    void OKButton_Click();
    // Shows the logic's state of the box, the address and its label.
    void MuestraCorreo();

    install::Configuracion configuracion_;
    vbide::VBProject* proyecto_;
    int cp_;
    QComboBox* Combo1;
    QLineEdit* Text1;
    QCheckBox* Check3;
    QCheckBox* Check1;
    QPushButton* CancelButton;
    QPushButton* OKButton;
    QFrame* Shape1;
    QLabel* Label3;
    QLabel* Label1;
    QLabel* Label2;
};
