#include "engine/Mensajes.h"

#include "ClsErrores/MsgBox.h"

namespace engine {

std::string Texto(Mensaje m, std::string_view modulo) {
    switch (m) {
    case Mensaje::ModuloDelComplemento:
        return "Este módulo " + std::string(modulo) +
               " pertenece al Complemento y no se puede modificar";
    case Mensaje::NingunoSeleccionado:
        return "No hay ningún procedimiento seleccionado.\r\n"
               "Seleccione antes algún procedimiento";
    case Mensaje::ConfirmaInsertarTodos:
        return "¿Seguro que quiere insertar en todos los procedimientos en este módulo?";
    case Mensaje::ConfirmaQuitarTodos:
        return "¿Seguro que quiere quitar en todos los procedimientos en este módulo?";
    case Mensaje::ModulosAnadidos:
        return "Se ha añadido una clase para manejo de errores (clsErrores.cls)"
               " y un módulo (InfoSistema.bas)";
    }
    return {};
}

int Botones(Mensaje m) {
    switch (m) {
    case Mensaje::ConfirmaInsertarTodos:
    case Mensaje::ConfirmaQuitarTodos:
        return vb::vbYesNo;
    default:
        return vb::vbOKOnly;
    }
}

} // namespace engine
