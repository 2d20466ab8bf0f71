#include "ClsErrores/App.h"
#include "ClsErrores/InfoSistema.h"
#include "app/cli/Codigos.h"
#include "app/cli/Comandos.h"
#include "app/cli/Proyecto.h"
#include "app/cli/Salida.h"

namespace cli {

// The system report that error mails carry, for a look before shipping. With a project, the
// report names the program as that project's title.
int ComandoReport(const Opciones& o) {
    if (!o.proyecto.empty()) {
        auto grupo = AbreProyecto(o);
        files::Project& p = grupo->Active();
        const std::string titulo = p.Title().empty() ? p.Name() : p.Title();
        app::FijaTitle(Salida(p.CodePage()).Texto(titulo));
    }
    const std::string informe = o.corto ? InformeSistemaCorto() : InformeSistema();
    std::string texto;
    texto.reserve(informe.size());
    for (char c : informe)
        if (c != '\r')
            texto += c;
    if (!texto.empty() && texto.back() != '\n')
        texto += '\n';
    Salida::Out(texto);
    return Hecho;
}

} // namespace cli
