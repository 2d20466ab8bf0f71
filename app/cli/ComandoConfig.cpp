// lintrap config: the configuration dialog accepted over the clsErrores installed in a project,
// opened over the settings the class holds now, so that only what the options name changes.
#include "app/cli/Codigos.h"
#include "app/cli/Comandos.h"
#include "app/cli/Proyecto.h"
#include "app/cli/Salida.h"
#include "app/cli/Seleccion.h"
#include "base/CodePage.h"
#include "install/Configuracion.h"
#include "install/LineasAjuste.h"
#include "install/Modulos.h"

namespace cli {
namespace {

// The dialog opened over the class's settings, set as the options say and accepted: the
// rewritten lines are in memory only. Returns why it refused, or nothing.
std::string Acepta(files::Project& p, const Opciones& o) {
    engine::AjustesPendientes ajustes;
    try {
        ajustes =
            install::LeeAjustes(p.VBComponents().Item("clsErrores").CodeModule(), p.CodePage());
    } catch (const ErrorVB& e) {
        return RutaVisible(p, p.Find("clsErrores")->File()) + ": " + e.Description;
    }
    install::Configuracion dialogo(ajustes);
    dialogo.Carga();
    if (o.email) {
        dialogo.MarcaCheck1(true);
        dialogo.EscribeText1(*o.email);
    }
    if (o.mensaje) {
        if (codepage::IgualesSinCaso(*o.mensaje, "no"))
            dialogo.EligeMensaje(install::MensajeNo);
        else if (codepage::IgualesSinCaso(*o.mensaje, "normal"))
            dialogo.EligeMensaje(install::MensajeNormal);
        else if (dialogo.EligeMensaje(install::MensajePersonalizar) &&
                 !dialogo.AceptaMsgPersonal(*o.mensaje))
            return "--msg: " + dialogo.Motivo();
    }
    if (o.sinEmail)
        dialogo.MarcaCheck1(false);
    if (o.sinLog || o.conLog)
        dialogo.MarcaCheck3(o.conLog);
    switch (dialogo.Acepta(&p, p.CodePage())) {
    case install::Aceptacion::DireccionVacia:
        return std::string(install::DireccionVacia) + " (--email)";
    case install::Aceptacion::ValorNoValido:
        return dialogo.Motivo();
    case install::Aceptacion::Cerrar:
        break;
    }
    return {};
}

} // namespace

int ComandoConfig(const Opciones& o) {
    CompruebaAjustes(o);
    auto grupo = AbreProyecto(o);
    files::Project& p = grupo->Active();
    if (!install::YaExisteCls(p))
        throw ErrorVB(vberr::SubscriptOutOfRange, "lintrap",
                      o.proyecto +
                          ": el proyecto no tiene la clase clsErrores; se instala con su "
                          "configuración al insertar el manejo de errores (insert --mode handler "
                          "con --email, --msg o --no-log)");
    // A line of IniVal that cannot be read back, or a value the class could not hold, stops the
    // command before anything is saved.
    std::string motivo;
    try {
        motivo = Acepta(p, o);
    } catch (const ErrorVB& e) {
        motivo = e.Description;
    }
    if (!motivo.empty())
        throw ErrorVB(vberr::InvalidProcedureCall, "lintrap",
                      o.proyecto + ": " + motivo + "; no se ha cambiado nada");
    grupo->Save();
    return Hecho;
}

} // namespace cli
