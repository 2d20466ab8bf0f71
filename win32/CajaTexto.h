#pragma once
// The add-in's input box: a prompt, a text box and "Aceptar" / "Cancelar", as VB's InputBox
// with an empty default.

#include "win32/VistaWin32.h"

namespace win32 {

class CajaTexto : public VistaWin32 {
public:
    CajaTexto(const std::string& texto, const std::string& titulo, HWND dueno);
    // What was typed when "Aceptar" closed the box.
    const std::string& Respuesta() const { return respuesta_; }

private:
    void Evento(const std::string& control, int codigo) override;

    std::string respuesta_;
};

} // namespace win32
