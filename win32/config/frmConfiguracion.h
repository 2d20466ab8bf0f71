#pragma once
// The Win32 skin of the error-handler configuration dialog (ui::frmConfiguracion) and of the
// custom message dialog it opens (ui::MsgPersonal). The main window's configuration menu opens
// the first modally (Modal()).

#include "ui/config/frmConfiguracion.h"
#include "win32/VistaWin32.h"

namespace win32 {

class frmConfiguracion : public VistaWin32 {
public:
    frmConfiguracion(engine::AjustesPendientes& ajustes, vbide::VBProject* proyecto,
                     int paginaCodigos, HWND dueno = nullptr);
    void Abre(std::string_view ventana) override;

private:
    void Evento(const std::string& control, int codigo) override;

    ui::frmConfiguracion comportamiento_;
};

class MsgPersonal : public VistaWin32 {
public:
    MsgPersonal(install::Configuracion& configuracion, HWND dueno = nullptr);

private:
    void Evento(const std::string& control, int codigo) override;

    ui::MsgPersonal comportamiento_;
};

} // namespace win32
