#pragma once
// The Win32 skin of the controls inspector (ui::frmControles). The main window's menu opens it
// with the environment the connection class handed over.

#include "ui/inspectors/frmControles.h"
#include "win32/VistaWin32.h"

namespace win32 {

class frmControles : public VistaWin32 {
public:
    // `vbe`: the environment (VBInstance); `paginaCodigos`: the projects' code page.
    frmControles(vbide::VBE& vbe, int paginaCodigos, HWND dueno = nullptr);

private:
    void Evento(const std::string& control, int codigo) override;

    ui::frmControles comportamiento_;
};

} // namespace win32
