#include "app/cli/Seleccion.h"

#include "app/cli/ErroresCli.h"
#include "app/cli/Proyecto.h"
#include "base/CodePage.h"
#include "engine/Procedimientos.h"
#include "install/ValorAjuste.h"

namespace cli {
namespace {

engine::AjustesPendientes Ajustes(const Opciones& o) {
    engine::AjustesPendientes a;
    if (o.email) {
        a.glbMandaEmail = "True";
        a.glbEmailDir = *o.email;
    }
    if (o.mensaje) {
        a.glbMsgOnError = *o.mensaje;
        // Anything but the standard message is a message of the user's own.
        if (!codepage::IgualesSinCaso(*o.mensaje, "normal"))
            a.glbMsgPersonal = *o.mensaje;
    }
    if (o.sinLog)
        a.glbLogOnError = "False";
    return a;
}

std::vector<std::string> Modulos(files::Project& p, const Opciones& o, const Salida& s) {
    std::vector<std::string> nombres;
    if (o.todosModulos) {
        // A whole-project run passes the runtime modules by rather than stopping at the refusal
        // the window shows for the class (and blocks inside the report module that the error
        // handler itself calls could only recurse).
        for (std::string& n : engine::ListaModulos(p, p.CodePage()))
            if (!EsModuloDelComplemento(p, n))
                nombres.push_back(std::move(n));
        return nombres;
    }
    for (const std::string& pedido : o.modulos) {
        files::Component* c = &ModuloPedido(p, o, s, pedido);
        std::string nombre = c->Name();
        bool repetido = false;
        for (const auto& n : nombres)
            repetido = repetido || n == nombre;
        if (!repetido)
            nombres.push_back(std::move(nombre));
    }
    return nombres;
}

} // namespace

void CompruebaAjustes(const Opciones& o) {
    auto comprueba = [](const char* opcion, const std::string& motivo) {
        if (!motivo.empty())
            throw ErrorVB(vberr::InvalidProcedureCall, "lintrap",
                          std::string(opcion) + ": " + motivo + "; no se ha cambiado nada");
    };
    if (o.email)
        comprueba("--email", install::RechazoDireccion(*o.email));
    if (o.mensaje)
        comprueba("--msg", install::RechazoMensaje(*o.mensaje));
}

std::vector<Trabajo> PreparaTrabajos(files::Project& p, const Opciones& o, const Salida& s) {
    CompruebaAjustes(o);
    if (!o.todos && o.procs.empty())
        throw ErrorVB(vberr::InvalidProcedureCall, "lintrap",
                      "No hay ningún procedimiento seleccionado.\nSeleccione antes algún "
                      "procedimiento (use --proc P o --all)");
    std::vector<std::string> procs;
    for (const auto& pedido : o.procs)
        procs.push_back(s.Bytes(pedido, "--proc"));
    std::vector<Trabajo> trabajos;
    for (std::string& nombre : Modulos(p, o, s)) {
        Trabajo& t = trabajos.emplace_back();
        t.estado.modulo = std::move(nombre);
        t.pedidos = procs;
    }
    return trabajos;
}

bool Selecciona(files::Project& p, const Opciones& o, Trabajo& t) {
    const int cp = p.CodePage();
    engine::EstadoSeleccion& e = t.estado;
    e.paginaCodigos = cp;
    engine::SinProgreso sinProgreso;
    // The statuses before the command are seen only in the JSON output, and only for a module
    // the command passes by (the others are looked up again after it).
    engine::SeleccionaModulo(p, e, sinProgreso,
                             o.json ? engine::Estados::Buscados : engine::Estados::Omitidos);
    e.Check1 = o.todos;
    e.modo = o.modo;
    e.variante = o.variante;
    e.ajustes = Ajustes(o);
    t.hallados.assign(t.pedidos.size(), false);
    for (auto& fila : e.procedimientos)
        for (std::size_t k = 0; k < t.pedidos.size(); ++k)
            if (codepage::IgualesSinCaso(fila.nombre, t.pedidos[k], cp)) {
                fila.seleccionado = true;
                t.hallados[k] = true;
            }
    t.omitido = !t.pedidos.empty() && e.SelCount() == 0;
    return !t.omitido;
}

void CompruebaPedidos(const std::vector<Trabajo>& trabajos, const Opciones& o) {
    for (std::size_t k = 0; k < o.procs.size(); ++k) {
        bool hallado = false;
        for (const Trabajo& t : trabajos)
            hallado = hallado || (k < t.hallados.size() && t.hallados[k]);
        if (!hallado)
            throw ErrorVB(vberr::ProcedureNotFound, "lintrap",
                          o.proyecto + ": ningún módulo elegido tiene el procedimiento \"" +
                              o.procs[k] + "\"");
    }
}

} // namespace cli
