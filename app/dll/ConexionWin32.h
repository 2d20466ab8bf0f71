#pragma once
// The connection inside the VB6 environment: the main window is the Win32 one, owned by the
// environment's main window; the setting lives in VB's settings store in the registry.

#include "app/addin/Conexion.h"
#include "app/dll/VentanaAddIn.h"

namespace dll {

class ConexionWin32 : public addin::Conexion {
public:
    explicit ConexionWin32(std::string carpetaAddIn) : carpeta_(std::move(carpetaAddIn)) {}
    ~ConexionWin32() override;

    // The window that owns the add-in's windows, taken at connection.
    HWND propietario = nullptr;
    // Whether the main window is loaded now.
    bool Cargada() const { return ventana_ && !descargada_; }
    void Avisa(const std::string& texto) override;

protected:
    void CargaVentana() override;
    void MuestraVentana() override;
    void OcultaVentana() override;
    void DescargaVentana() override;
    std::string LeeAjuste(const std::string& clave, const std::string& omision) override;
    void GuardaAjuste(const std::string& clave, const std::string& valor) override;

private:
    std::string carpeta_;
    std::unique_ptr<VentanaAddIn> ventana_;
    // Set by the window when it unloads itself: it is destroyed later, outside its own call.
    bool descargada_ = false;
};

} // namespace dll
