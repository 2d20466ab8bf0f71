#pragma once
// The Win32 skin of the code viewer (ui::FrmCodigo): a resizable window whose rich-text box
// fills it, with the menu commands "Dependencias" and "Resaltar". The main window shows it
// modeless, puts each selection into it with Muestra() and hears when the user closes it.

#include "engine/EstadoSeleccion.h"
#include "host/vbide/VBE.h"
#include "ui/viewer/FrmCodigo.h"
#include "win32/VistaWin32.h"
#include "win32/viewer/Dependencias.h"

#include <functional>
#include <memory>

namespace win32 {

class FrmCodigo : public VistaWin32 {
public:
    // `vbe` and `seleccion`: what the callers list opened from here reads.
    FrmCodigo(vbide::VBE& vbe, const engine::EstadoSeleccion& seleccion, HWND dueno = nullptr);

    void Muestra(const ui::VistaCodigo& vista) { comportamiento_.Muestra(vista); }
    using VistaWin32::Muestra;
    void MuestraVentana(std::string_view ventana, bool visible) override;
    // The callers list opened last, while it is open (null otherwise).
    Dependencias* Llamadores() const { return dependencias_.get(); }
    // Who hears that the user closed the viewer (it stays loaded, hidden).
    void AlCerrar(std::function<void()> aviso) { alCerrar_ = std::move(aviso); }

private:
    void Evento(const std::string& control, int codigo) override;
    void Redimensiona(int ancho, int alto) override;
    void CierreVentana() override;

    vbide::VBE& vbe_;
    const engine::EstadoSeleccion& seleccion_;
    ui::FrmCodigo comportamiento_;
    std::unique_ptr<Dependencias> dependencias_;
    std::function<void()> alCerrar_;
};

} // namespace win32
