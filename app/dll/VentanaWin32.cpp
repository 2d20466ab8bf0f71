// The Win32 skin's main window behind the connection's factory.

#include "app/dll/VentanaAddIn.h"
#include "win32/main/frmAddIn.h"

namespace dll {

namespace {

class VentanaWin32 final : public VentanaAddIn {
public:
    explicit VentanaWin32(const DatosVentana& d)
        : frm_(d.vbe, d.carpetaAddIn, d.propietario, d.alDescargar) {}
    void Muestra() override { frm_.Muestra(); }
    void Oculta() override { ::ShowWindow(frm_.Ventana(), SW_HIDE); }

private:
    win32::frmAddIn frm_;
};

} // namespace

FabricaVentana& FabricaVentanaPrincipal() {
    static FabricaVentana fabrica = [](const DatosVentana& d) -> std::unique_ptr<VentanaAddIn> {
        return std::make_unique<VentanaWin32>(d);
    };
    return fabrica;
}

} // namespace dll
