#pragma once
// The Win32 skin of the callers list (ui::Dependencias). The code view opens it from its menu
// "Dependencias".

#include "ui/viewer/Dependencias.h"
#include "win32/VistaWin32.h"

namespace win32 {

class Dependencias : public VistaWin32 {
public:
    Dependencias(vbide::VBProject* proyecto, const std::string& etiqueta,
                 const engine::EstadoSeleccion& seleccion, HWND dueno = nullptr);

private:
    void Evento(const std::string& control, int codigo) override;

    ui::Dependencias comportamiento_;
};

} // namespace win32
