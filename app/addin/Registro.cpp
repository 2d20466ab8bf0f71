#include "app/addin/Registro.h"

namespace addin {

vbide::AddInRegistration Registro() {
    vbide::AddInRegistration r;
    r.progId = "Lintrap.Connect";
    r.registryRoot = "HKEY_CURRENT_USER\\Software\\Microsoft\\Visual Basic\\6.0";
    r.displayName = "Lintrap Quovant ";
    r.description = "Lista los procedimientos en el proyecto, añade numeros de lineas y una "
                    "gestion de errores basada \r\n"
                    "en la clase ClsErrores (clase creada también por Quovant)\r\n";
    r.componentDescription = "AddIn para insertar numeros de lineas y gestion de errores y "
                             "visualizar procedimientos y controles.";
    return r;
}

} // namespace addin
