#pragma once
// The Win32 skin of the references viewer (ui::frmRefs). The main window's menu opens it.

#include "ui/inspectors/frmRefs.h"
#include "win32/VistaWin32.h"

namespace win32 {

class frmRefs : public VistaWin32 {
public:
    // `vbe`: the main window's VBInstance; `paginaCodigos`: the project's code page.
    frmRefs(vbide::VBE& vbe, int paginaCodigos, HWND dueno = nullptr);

private:
    void Evento(const std::string& control, int codigo) override;

    ui::frmRefs comportamiento_;
};

} // namespace win32
