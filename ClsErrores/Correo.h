#pragma once
// Sending one mail: a text body in UTF-8 and at most one attached file. On Windows the user's
// mail program sends it (simple MAPI, CorreoWindows.cpp) with its own settings; elsewhere it
// goes over SMTP (libcurl, Correo.cpp).
//
// The SMTP server and the account come from the registry store, key HKEY_CURRENT_USER
// "Software\Lintrap\Correo", values "Servidor" (an smtp:// or smtps:// URL), "Remitente",
// "Usuario" and "Clave"; the environment variables LINTRAP_SMTP_URL, LINTRAP_SMTP_FROM,
// LINTRAP_SMTP_USER and LINTRAP_SMTP_PASSWORD take precedence, and LINTRAP_SMTP_TIMEOUT (seconds)
// replaces the total time allowed.

#include <string>

namespace correo {

struct Ajustes {
    std::string url = "smtp://localhost:25";
    std::string remitente; // empty: "lintrap@" + the computer's name
    std::string usuario, clave;
    long conexionMs = 5000; // a dead server never holds the program longer than this...
    long totalMs = 15000;   // ...and a slow or silent one no longer than this
};

// The settings in force: store, then environment.
Ajustes LeeAjustes();

struct Mensaje {
    std::string destinatario, asunto, cuerpo;
    std::string rutaAdjunto;   // empty: no attachment
    std::string nombreAdjunto; // the file name the receiver sees
};

// 0 when the message was handed over (accepted by the server, or by the mail program);
// otherwise non-zero, and `detalle` (when given) says what failed.
int Envia(const Mensaje& mensaje, const Ajustes& ajustes, std::string* detalle = nullptr);

} // namespace correo
