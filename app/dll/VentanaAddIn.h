#pragma once
// The add-in's main window as the connection sees it, and the factory that makes it: the
// component is built with the Win32 skin's window; a test or another skin may hand its own.

#include "host/vbide/VBE.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace dll {

class VentanaAddIn {
public:
    // Destroying it unloads the window, and with it every other window of the add-in.
    virtual ~VentanaAddIn() = default;
    // Shows it modeless, restored and in front.
    virtual void Muestra() = 0;
    virtual void Oculta() = 0;
};

struct DatosVentana {
    vbide::VBE& vbe;
    std::string carpetaAddIn;          // help file and ClsErrores\ inside
    HWND propietario;                  // the environment's main window, or null
    std::function<void()> alDescargar; // the window unloaded itself (its "Salir")
};

using FabricaVentana = std::function<std::unique_ptr<VentanaAddIn>(const DatosVentana&)>;

// The factory that opens the main window; the Win32 skin's unless replaced.
FabricaVentana& FabricaVentanaPrincipal();

} // namespace dll
