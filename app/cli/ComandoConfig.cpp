// lintrap config: the configuration dialog accepted over the clsErrores installed in a project.
#include "app/cli/Codigos.h"
#include "app/cli/Comandos.h"
#include "app/cli/Proyecto.h"
#include "app/cli/Salida.h"
#include "base/CodePage.h"
#include "install/Configuracion.h"
#include "install/Modulos.h"

namespace cli {

int ComandoConfig(const Opciones& o) {
    auto grupo = AbreProyecto(o);
    files::Project& p = grupo->Active();
    if (!install::YaExisteCls(p))
        throw ErrorVB(vberr::SubscriptOutOfRange, "lintrap",
                      o.proyecto +
                          ": el proyecto no tiene la clase clsErrores; se instala con su "
                          "configuración al insertar el manejo de errores (insert --mode handler "
                          "con --email, --msg o --no-log)");

    // The dialog opened right after the main window loaded, then set as the options say.
    engine::AjustesPendientes ajustes;
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
        else if (dialogo.EligeMensaje(install::MensajePersonalizar))
            dialogo.AceptaMsgPersonal(*o.mensaje);
    }
    if (o.sinLog)
        dialogo.MarcaCheck3(false);

    if (dialogo.Acepta(&p, p.CodePage()) == install::Aceptacion::DireccionVacia)
        throw ErrorVB(vberr::InvalidProcedureCall, "lintrap",
                      o.proyecto + ": " + std::string(install::DireccionVacia) +
                          " (--email); no se ha cambiado nada");
    grupo->Save();
    return Hecho;
}

} // namespace cli
