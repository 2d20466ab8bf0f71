#pragma once
// The Win32 skin of the about box (ui::frmAbout): the add-in's title with its version and what
// the add-in does. The main window opens it modally.

#include "ui/main/frmAbout.h"
#include "win32/VistaWin32.h"

namespace win32 {

class frmAbout : public VistaWin32 {
public:
    explicit frmAbout(HWND dueno = nullptr);

private:
    void Evento(const std::string& control, int codigo) override;

    ui::frmAbout comportamiento_{*this};
};

} // namespace win32
