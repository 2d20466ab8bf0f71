#include "ClsErrores/MandaEMAIL.h"

#include "ClsErrores/App.h"
#include "ClsErrores/Correo.h"
#include "ClsErrores/InfoSistema.h"
#include "ClsErrores/MsgBox.h"
#include "ClsErrores/clsErrores.h"

#include <iostream>

namespace {

constexpr const char* CRLF = "\r\n";

template <class F> void Intenta(F&& paso) {
    try {
        paso();
    } catch (...) {
        // the step is skipped; the mail still goes with what was built
    }
}

void Envia(const clsErrores& errores, correo::Mensaje mensaje) {
    std::string detalle;
    int resultado = -1;
    Intenta([&] { resultado = correo::Envia(mensaje, correo::LeeAjustes(), &detalle); });
    if (resultado == 0) {
        return;
    }
    if (!detalle.empty()) {
        std::cerr << "lintrap: no se envió el informe de errores: " << detalle << '\n';
    }
    Intenta([&] {
        vb::MsgBox(std::string("No ha podido enviarse el email con el informe de errores. ") +
                       CRLF + "Para enviar el informe puede ponerse en contacto con " +
                       errores.EmailDir(),
                   vb::vbOKOnly, app::Title());
    });
}

// The file name the receiver sees: what follows the log path's last separator.
std::string NombreFichero(const std::string& ruta) {
    const auto corte = ruta.find_last_of("\\/");
    return corte == std::string::npos ? ruta : ruta.substr(corte + 1);
}

} // namespace

void MandaEMAIL(clsErrores& errores) noexcept {
    try {
        if (errores.EmailDir().empty()) {
            return;
        }
        std::string titulo;
        Intenta([&] { titulo = app::Title(); });
        correo::Mensaje m;
        m.destinatario = errores.EmailDir();
        m.asunto = "Informe de Error Remoto en " + titulo;
        m.cuerpo = "Informe de error en " + titulo + CRLF;
        m.cuerpo += std::string("===========================") + CRLF;
        m.cuerpo += "Error nº: " + std::to_string(errores.ErrNumber()) + CRLF;
        m.cuerpo += "Procedimiento:   '" + errores.ProcedimientoActual() + "'" + CRLF;
        m.cuerpo += "Línea: " +
                    (errores.ErrLine() == 0 ? std::string("<desconocida>")
                                            : std::to_string(errores.ErrLine())) +
                    CRLF;
        m.cuerpo += "Descripción: " + errores.ErrDescription();
        m.cuerpo += std::string(CRLF) + CRLF + CRLF;
        Intenta([&] { m.cuerpo += InformeSistemaCorto(); });
        Envia(errores, std::move(m));
    } catch (...) {
        // never passes an error to the error handler that called it
    }
}

void MandaEMAILCompleto(clsErrores& errores) noexcept {
    try {
        if (errores.EmailDir().empty()) {
            return;
        }
        std::string titulo;
        Intenta([&] { titulo = app::Title(); });
        correo::Mensaje m;
        m.destinatario = errores.EmailDir();
        m.asunto = "Informe de Errores Remotos en " + titulo;
        m.cuerpo = "Informe de errores en " + titulo + CRLF + CRLF;
        Intenta([&] { m.cuerpo += InformeSistema(); });
        m.rutaAdjunto = errores.Destination();
        m.nombreAdjunto = NombreFichero(m.rutaAdjunto);
        Envia(errores, std::move(m));
    } catch (...) {
    }
}

void InstalaCorreo() {
    FijaEnvioCorreo([](clsErrores& errores, bool completo) {
        if (completo) {
            MandaEMAILCompleto(errores);
        } else {
            MandaEMAIL(errores);
        }
    });
}
