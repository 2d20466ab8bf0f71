#pragma once
// The Win32 skin of the add-in's working window (ui::frmAddIn): the lists, the options, the
// buttons, the menus and the progress bar, each notification forwarded to its handler. It owns
// the other windows it opens modeless (the code viewer, the references, the controls
// inspector): unloading it unloads them. While it exists the keyboard hook gives its windows
// Tab, Enter, Escape and their keys, which the host's message loop does not.

#include "ui/main/frmAddIn.h"
#include "win32/Teclado.h"
#include "win32/VistaWin32.h"
#include "win32/inspectors/frmControles.h"
#include "win32/inspectors/frmRefs.h"
#include "win32/viewer/FrmCodigo.h"

#include <functional>
#include <memory>
#include <string>

namespace win32 {

class frmAddIn : public VistaWin32 {
public:
    // `vbe`: the host's root object; `carpetaAddIn`: the folder of the add-in's component (its
    // help file, its "ClsErrores" folder); `dueno`: the host's main window, which owns this one
    // (null for none); `descargado`: called from the message loop once the window has
    // unloaded (hidden, the windows it opened gone), so that its keeper may destroy it then and
    // create a new one for the next opening. The window loads at once, hidden: Muestra shows it.
    frmAddIn(vbide::VBE& vbe, std::string carpetaAddIn, HWND dueno = nullptr,
             std::function<void()> descargado = {}, int paginaCodigos = int(::GetACP()));
    ~frmAddIn() override;

    // Shows the window, restored if it was minimised, in front and active.
    void Muestra();
    using VistaWin32::Muestra;
    ui::frmAddIn& Comportamiento() { return comportamiento_; }
    // The code viewer while it is loaded (shown or hidden), else null.
    FrmCodigo* Visor() const { return visor_.get(); }

    void Muestra(std::string_view control, bool visible) override;
    void Rellena(std::string_view control, const std::vector<std::string>& filas) override;
    void Selecciona(std::string_view control, int fila) override;
    void PonArriba(std::string_view control, int fila) override;
    void Abre(std::string_view ventana) override;
    void Cierra(bool aceptada) override;
    void MuestraVentana(std::string_view ventana, bool visible) override;
    void MuestraCodigo(const ui::VistaCodigo& codigo) override;
    // The compiled help beside the page when there is one (HTML Help), else the page itself.
    void MuestraAyuda(const std::string& ruta) override;

private:
    void CreaControles();
    void CreaMenus();
    void Evento(const std::string& control, int codigo) override;
    void CierreVentana() override { comportamiento_.CancelButton_Click(); }
    bool Tecla(int tecla) override;
    void Diferido() override;

    // List2 and List3 are subclassed: a press that changes nothing and a scroll are events
    // the list box does not notify.
    static LRESULT CALLBACK ProcedimientoLista(HWND lista, UINT mensaje, WPARAM w, LPARAM l);
    LRESULT AtiendeLista(HWND lista, UINT mensaje, WPARAM w, LPARAM l);
    void Clic(HWND lista);
    void Subclasifica(HWND lista, WNDPROC& original);

    Teclado teclado_;
    ui::frmAddIn comportamiento_;
    std::function<void()> descargado_;
    std::unique_ptr<FrmCodigo> visor_;
    std::unique_ptr<frmRefs> refs_;
    std::unique_ptr<frmControles> controles_;
    HWND List2 = nullptr, List3 = nullptr;
    WNDPROC original2_ = nullptr, original3_ = nullptr;
    int primitiva_ = 0;      // >0 while a list primitive runs: its scrolls are not reported
    HWND pulsada_ = nullptr; // the list the mouse button is down on
};

} // namespace win32
