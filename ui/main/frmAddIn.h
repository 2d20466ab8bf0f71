#pragma once
// The add-in's working window: the modules of the active project, the procedures of the
// selected module with their error-handling status beside them, the options of the insert and
// remove commands, and the menus. It owns the selection state the engine and the viewer read;
// the lists, the scan and the commands themselves are the engine's. It talks to the screen
// only through its view: the skin reports what the user did to each control by calling the
// handler of that control's event.

#include "base/CodePage.h"
#include "engine/EstadoSeleccion.h"
#include "engine/Ventana.h"
#include "host/vbide/VBE.h"
#include "ui/Vista.h"
#include "ui/main/EntornoVista.h"

#include <string>
#include <vector>

namespace ui {

class frmAddIn : private engine::Ventana {
public:
    // `VBInstance` is the host's root object; `carpetaAddIn` the folder of the add-in's own
    // component, where the help file and the shipped runtime modules are; `paginaCodigos` the
    // code page of the projects' files. While it lives, the runtime's messages are its boxes.
    // The skin calls Form_Load once its controls are built.
    frmAddIn(Vista& vista, vbide::VBE& VBInstance, std::string carpetaAddIn,
             int paginaCodigos = codepage::Predeterminada);
    ~frmAddIn() override;
    frmAddIn(const frmAddIn&) = delete;
    frmAddIn& operator=(const frmAddIn&) = delete;

    vbide::VBE& VBInstance;

    engine::EstadoSeleccion& Estado() { return estado_; }
    const std::string& CarpetaAddIn() const { return carpeta_; }
    // The code viewer was loaded (shown once) and not unloaded since; and it is shown now.
    bool VisorCargado() const { return visorCargado_; }
    bool VisorMostrado() const { return visorMostrado_; }

    // Lists the active project's modules again and selects `modulo` (the first module when it
    // is not listed); the options and the pending settings go back to their defaults.
    void Form_Load(const std::string& modulo = {});
    // The main window is closing: every other window of the add-in goes with it.
    void Form_Unload();

    // `fila`: the module row the user chose.
    void List1_Click(int fila);
    // `actual`: List2's current row (-1 for none); `seleccionadas`: its selected rows.
    void List2_Click(int actual, const std::vector<int>& seleccionadas);
    // A status row chooses its procedure.
    void List3_Click(int actual);
    // The user scrolled List2 or List3 so that `arriba` is its top row.
    void List2_Scroll(int arriba);
    void List3_Scroll(int arriba);
    void List1_DblClick();
    void List2_DblClick();
    void Check1_Click(bool marcado);
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void OptExit_Click();
    void OptResume_Click();
    void OptRaise_Click();
    void Command1_Click();
    void Command2_Click();
    void CancelButton_Click();
    void mnuConfig_Click();
    void mnuCodigo_Click();
    void mnuRef_Click();
    void mnuControles_Click();
    void mnuRefrescar_Click();
    void mnuAyuda2_Click();
    void mnuAbout_Click();
    // The user closed the code viewer (it stays loaded, hidden).
    void FrmCodigo_Unload();

    // Rebuilds the status column from the procedures' code ("Si" or "No").
    void ActualizaList3();
    // Shows the selected module or procedure in the viewer, when it is loaded.
    void RefrescarCodigo() override;

private:
    void Recarga(const std::string& modulo) override { Form_Load(modulo); }
    vbide::VBProject* Proyecto() { return VBInstance.ActiveVBProject(); }
    void EligeModo(engine::Modo modo);
    // The module's line count, its code pane shown and the focus back here.
    void MuestraModulo(vbide::VBProject& proyecto, long lineas);
    // The procedure list and the status column drawn again from the state.
    void MuestraProcedimientos();
    void MuestraEstados();

    Vista& vista_;
    std::string carpeta_;
    engine::EstadoSeleccion estado_;
    DialogosVista dialogos_;
    ProgresoVista progreso_;
    std::vector<std::string> modulos_; // List1's rows, as the project names them
    int filaModulo_ = -1;              // List1's current row
    int arriba_ = 0;                   // the top row of List2 and List3
    bool visorCargado_ = false;
    bool visorMostrado_ = false;
};

} // namespace ui
