#include "app/dll/ConexionWin32.h"

#include "ClsErrores/App.h"
#include "app/dll/AjustesVB.h"
#include "base/ErrorVB.h"
#include "base/plataforma/win32/Win32.h"

namespace dll {

ConexionWin32::~ConexionWin32() {
    ventana_.reset();
}

void ConexionWin32::CargaVentana() {
    if (descargada_) {
        ventana_.reset();
        descargada_ = false;
    }
    if (!ventana_) {
        ventana_ = FabricaVentanaPrincipal()(
            DatosVentana{*VBInstance, carpeta_, propietario, [this] { descargada_ = true; }});
        if (!ventana_) {
            throw ErrorVB(vberr::InternalError, "Connect \\ Show",
                          "No se pudo abrir la ventana principal del complemento");
        }
    }
}

void ConexionWin32::MuestraVentana() {
    if (Cargada()) {
        ventana_->Muestra();
    }
}

void ConexionWin32::OcultaVentana() {
    if (Cargada()) {
        ventana_->Oculta();
    }
}

void ConexionWin32::DescargaVentana() {
    ventana_.reset();
    descargada_ = false;
}

void ConexionWin32::Avisa(const std::string& texto) {
    using plataforma::win32::Utf16;
    ::MessageBoxW(propietario, Utf16(texto).c_str(), Utf16(app::Title()).c_str(), MB_OK);
}

std::string ConexionWin32::LeeAjuste(const std::string& clave, const std::string& omision) {
    return GetSetting(app::Title(), "Settings", clave, omision);
}

void ConexionWin32::GuardaAjuste(const std::string& clave, const std::string& valor) {
    SaveSetting(app::Title(), "Settings", clave, valor);
}

} // namespace dll
