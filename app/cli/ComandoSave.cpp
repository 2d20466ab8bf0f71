#include "app/cli/Codigos.h"
#include "app/cli/Comandos.h"
#include "app/cli/Proyecto.h"

namespace cli {

// "Save as": every file re-written through the model into another folder.
int ComandoSave(const Opciones& o) {
    auto proyecto = AbreProyecto(o);
    const auto& archivo = proyecto->Path() ? *proyecto->Path() : proyecto->Active().Path();
    CierraDestino(proyecto, o, archivo);
    proyecto->SaveAs(o.destino, o.sobrescribe);
    return Hecho;
}

} // namespace cli
