#include "app/cli/Codigos.h"
#include "app/cli/Comandos.h"
#include "app/cli/Proyecto.h"

namespace cli {

// "Save as": every file re-written through the model into another folder.
int ComandoSave(const Opciones& o) {
    auto proyecto = AbreProyecto(o);
    proyecto->SaveAs(o.destino);
    return Hecho;
}

} // namespace cli
