#include "ClsErrores/Direccion.h"

namespace correo {

bool DireccionValida(std::string_view d) {
    if (d.empty()) {
        return false;
    }
    for (unsigned char c : d) {
        if (c <= 0x20 || c == 0x7F || c == '<' || c == '>' || c == ',' || c == ';') {
            return false;
        }
    }
    return true;
}

} // namespace correo
