#pragma once
// What a setting typed by the user may hold. Each text setting becomes one string literal on
// one line of the user's clsErrores: a value that could break out of that literal or that line
// is refused before anything is written.

#include "engine/EstadoSeleccion.h"

#include <string>
#include <string_view>

namespace install {

// The code editor takes no longer line.
inline constexpr std::size_t LineaMasLarga = 1023;

// Why `valor` cannot be the destination address (c_EMailDir), or empty when it can: a control
// character, a setting line past the editor's limit, or an address the mail path would not send
// to. No address at all is fine here (e-mail off).
std::string RechazoDireccion(std::string_view valor);

// Why `valor` cannot be the message text (c_MsgOnError), or empty when it can.
std::string RechazoMensaje(std::string_view valor);

// Every pending setting as the class will hold it; raises ErrorVB 5 with the first reason
// found. The flags are "True" or "False", as the code writes them.
void CompruebaAjustes(const engine::AjustesPendientes& ajustes);

} // namespace install
