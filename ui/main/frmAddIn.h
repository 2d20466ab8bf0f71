#pragma once
// The add-in's working window: the modules of the active project, the procedures of the
// selected module with their error-handling status beside them, the options of the insert and
// remove commands, and the menus. It owns the selection state the engine and the viewer read;
// the lists, the scan and the commands themselves are the engine's.

#include "base/CodePage.h"
#include "engine/Comandos.h"
#include "engine/EstadoSeleccion.h"
#include "host/vbide/VBE.h"
#include "qt/viewer/FrmCodigo.h"
#include "ui/main/DialogosQt.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTextBrowser;

namespace ui {

class frmAddIn : public QMainWindow {
    Q_OBJECT

public:
    // `VBInstance` is the host's root object; `carpetaAddIn` the folder of the add-in's own
    // component, where the help file and the shipped runtime modules are; `paginaCodigos` the
    // code page of the projects' files. The window loads (lists the modules) at once.
    frmAddIn(vbide::VBE& VBInstance, std::string carpetaAddIn,
             int paginaCodigos = codepage::Predeterminada, QWidget* parent = nullptr);
    ~frmAddIn() override;

    vbide::VBE& VBInstance;

    // Windows of the add-in that this window opens from its menus but that are built elsewhere.
    // Each is called with this window; while one is not set, its menu entry does nothing.
    // "&Configuración": shows frmConfiguracion modal (it edits Estado().ajustes).
    std::function<void(frmAddIn&)> abreConfiguracion;
    // "&Referencias": shows frmRefs modeless.
    std::function<void(frmAddIn&)> abreReferencias;
    // "&Controles": shows frmControles modeless.
    std::function<void(frmAddIn&)> abreControles;

    engine::EstadoSeleccion& Estado() { return estado_; }
    const std::string& CarpetaAddIn() const { return carpeta_; }
    // The code viewer while it is loaded (hidden or shown), else null.
    qt::FrmCodigo* Visor() const { return visor_.data(); }

    // Lists the active project's modules again and selects `modulo` (the first module when it
    // is not listed); the options and the pending settings go back to their defaults.
    void Form_Load(const std::string& modulo = {});
    // Rebuilds the status column from the procedures' code ("Si" or "No").
    void ActualizaList3();
    // Shows the selected module or procedure in the viewer, when it is loaded.
    void RefrescarCodigo();
    void MuestraOcultaPicManejo();

signals:
    // The viewer was given the selected code again.
    void codigoRefrescado();
    // The window is being unloaded: whoever keeps it lets it go.
    void descargado();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    class Ventana;

    void CreaControles();
    void CreaMenus();
    vbide::VBProject* Proyecto();
    // The widgets' selection copied into the state the engine reads.
    void LeeSeleccion();
    // The procedure list and the status column drawn again from the state.
    void MuestraProcedimientos();
    void MuestraEstados();
    // The status column follows the procedure list's top row and current row.
    void SincronizaDesdeList2();

    void List1_Click();
    void List2_Click();
    void List3_Click();
    void List1_DblClick();
    void List2_DblClick();
    void Check1_Click();
    void Command1_Click();
    void Command2_Click();
    void mnuCodigo_Click();
    void mnuAyuda2_Click();
    void mnuAbout_Click();

    std::string carpeta_;
    engine::EstadoSeleccion estado_;
    std::vector<std::string> modulos_; // List1's rows, as the project names them
    bool sincronizando_ = false;       // a synchronising assignment is under way
    bool pulsando_ = false;            // a mouse press on List2 or List3 is being handled
    bool cambioEnPulsacion_ = false;   // that press changed the selection (Click already ran)

    QLabel* Label6;
    QLabel* Label5;
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label2;
    QListWidget* List1;
    QListWidget* List2;
    QListWidget* List3;
    QLabel* Label4;
    QCheckBox* Check1;
    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QFrame* PicManejo;
    QRadioButton* OptExit;
    QRadioButton* OptResume;
    QRadioButton* OptRaise;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* CancelButton;
    QProgressBar* ProgressBar1;

    QAction* mnuConfig;
    QMenu* mnuUtils;
    QAction* mnuCodigo;
    QAction* mnuRef;
    QAction* mnuControles;
    QAction* mnuRefrescar;
    QMenu* mnuAyuda;
    QAction* mnuAyuda2;
    QAction* mnuAbout;

    std::unique_ptr<ProgresoQt> progreso_;
    DialogosQt dialogos_{this};
    MsgBoxQt msgBox_{this};
    std::unique_ptr<Ventana> ventana_;
    QPointer<qt::FrmCodigo> visor_;
    QPointer<QTextBrowser> ayuda_;
};

} // namespace ui
