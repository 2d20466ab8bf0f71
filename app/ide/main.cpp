// lintrap-ide: the desktop host. Opens a project, loads the registered add-ins (the Lintrap
// add-in built or installed beside it is registered on first run) and connects them.

#include "app/ide/Aplicacion.h"
#include "app/ide/Arranque.h"

int main(int argc, char** argv) {
    ide::AyudaSinPantalla(argc, argv);
    auto app = ide::CreaAplicacion(argc, argv);
    return ide::Arranca(*app);
}
