#include "ClsErrores/Correo.h"

// Mail on Windows goes through the simple mail interface of the user's mail program, which is
// not wired yet; SMTP through libcurl is the Linux path, and Debian has no libcurl for Windows.
// Until then a message is never handed over, and the caller is told so: nothing is faked.

namespace correo {

Ajustes LeeAjustes() {
    return Ajustes{};
}

int Envia(const Mensaje&, const Ajustes&, std::string* detalle) {
    if (detalle) {
        *detalle = "el envío de correo no está disponible todavía en Windows";
    }
    return -1;
}

} // namespace correo
