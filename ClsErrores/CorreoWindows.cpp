#include "ClsErrores/Correo.h"

// Mail on Windows goes to the user's mail program through the simple mail interface: one
// MAPISendMail call, with no compose window. MAPI32.DLL is loaded when a report is sent, so
// that a machine without it runs all the same and only says that the mail was not sent.

#include "base/plataforma/Biblioteca.h"
#include "base/plataforma/win32/Win32.h"

#include <mapi.h>

namespace correo {

namespace {

// The simple mail interface takes text in the system's ANSI code page.
std::string Ansi(const std::string& utf8) {
    const std::wstring w = plataforma::win32::Utf16(utf8);
    if (w.empty()) {
        return {};
    }
    const int n =
        ::WideCharToMultiByte(CP_ACP, 0, w.data(), int(w.size()), nullptr, 0, nullptr, nullptr);
    std::string r(std::size_t(n > 0 ? n : 0), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, w.data(), int(w.size()), r.data(), n, nullptr, nullptr);
    return r;
}

} // namespace

// The server settings are those of SMTP: the mail program here has its own.
Ajustes LeeAjustes() {
    return Ajustes{};
}

int Envia(const Mensaje& mensaje, const Ajustes&, std::string* detalle) {
    const auto di = [&](std::string texto) {
        if (detalle) {
            *detalle = std::move(texto);
        }
    };
    std::string error;
    const auto mapi = plataforma::Biblioteca::Carga("MAPI32.DLL", error);
    if (!mapi) {
        di(error);
        return MAPI_E_FAILURE;
    }
    const auto enviar = reinterpret_cast<LPMAPISENDMAIL>(mapi->Busca("MAPISendMail"));
    if (!enviar) {
        di("MAPI32.DLL no tiene MAPISendMail");
        return MAPI_E_FAILURE;
    }

    std::string asunto = Ansi(mensaje.asunto), cuerpo = Ansi(mensaje.cuerpo),
                nombre = Ansi(mensaje.destinatario), ruta = Ansi(mensaje.rutaAdjunto),
                archivo = Ansi(mensaje.nombreAdjunto);
    char tipo[] = "IPM.";

    MapiRecipDesc destinatario{};
    destinatario.ulRecipClass = MAPI_TO;
    destinatario.lpszName = nombre.data();

    // The attachment sits at the body's last character.
    MapiFileDesc adjunto{};
    adjunto.nPosition = ULONG(cuerpo.size() - 1);
    adjunto.lpszPathName = ruta.data();
    adjunto.lpszFileName = archivo.data();

    MapiMessage m{};
    m.lpszSubject = asunto.data();
    m.lpszNoteText = cuerpo.data();
    m.lpszMessageType = tipo;
    m.nRecipCount = 1;
    m.lpRecips = &destinatario;
    m.nFileCount = mensaje.rutaAdjunto.empty() ? 0 : 1;
    m.lpFiles = &adjunto;

    const ULONG r = enviar(0, 0, &m, MAPI_LOGON_UI, 0);
    if (r != SUCCESS_SUCCESS) {
        di("MAPISendMail devolvió " + std::to_string(r));
    }
    return int(r);
}

} // namespace correo
