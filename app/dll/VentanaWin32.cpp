#include "app/dll/VentanaAddIn.h"

namespace dll {

FabricaVentana& FabricaVentanaPrincipal() {
    static FabricaVentana fabrica;
    return fabrica;
}

} // namespace dll
