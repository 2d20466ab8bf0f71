#pragma once
#include "host/vbide/Types.h"

namespace cli {

// The kind of a listed module as the user reads it.
inline const char* NombreTipo(vbide::ComponentType t) {
    switch (t) {
    case vbide::ComponentType::StdModule:
        return "Módulo";
    case vbide::ComponentType::ClassModule:
        return "Clase";
    case vbide::ComponentType::MSForm:
        return "Formulario MS";
    case vbide::ComponentType::VBForm:
        return "Formulario";
    case vbide::ComponentType::VBMDIForm:
        return "Formulario MDI";
    default:
        return "Otro";
    }
}

} // namespace cli
