#pragma once
// The one rule for a destination address of the error reports: the mail path refuses to send to
// an address that breaks it, and the configuration refuses to store one, so that a bad address
// fails when it is typed rather than when the developer's program first fails.

#include <string_view>

namespace correo {

// An address goes into SMTP commands as it is: not empty, and without spaces, control
// characters, angle brackets, commas or semicolons.
bool DireccionValida(std::string_view direccion);

} // namespace correo
