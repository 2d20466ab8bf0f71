#include "app/cli/Codigos.h"
#include "app/cli/Comandos.h"
#include "app/cli/DialogosCli.h"
#include "app/cli/Diferencia.h"
#include "app/cli/ErroresCli.h"
#include "app/cli/Limites.h"
#include "app/cli/LineaProgreso.h"
#include "app/cli/Paralelo.h"
#include "app/cli/Proyecto.h"
#include "app/cli/Salida.h"
#include "app/cli/Seleccion.h"
#include "base/CodePage.h"
#include "base/Programa.h"
#include "engine/Comandos.h"
#include "engine/Procedimientos.h"
#include "host/files/ProjectFileIo.h"
#include "install/Modulos.h"

#include <nlohmann/json.hpp>

#include <filesystem>

namespace cli {
namespace {

// The command line has no viewer to refresh, and reads the module list again itself. Its
// procedure list is seen only in the JSON output.
class VentanaCli : public engine::Ventana {
public:
    explicit VentanaCli(bool json) : json_(json) {}
    void Recarga(const std::string&) override {}
    bool MuestraLista() const override { return json_; }

private:
    bool json_;
};

// Each file's diff is independent of the others (and of the error handler): both cores.
std::string Diferencias(files::Project& p, const Salida& s, unsigned hilos) {
    files::SavePlan plan = p.PlanSave(false, false);
    std::vector<std::string> partes(plan.files.size());
    EnParalelo(plan.files.size(), hilos, [&](std::size_t i) {
        const auto& f = plan.files[i];
        std::error_code ec;
        const bool existe = std::filesystem::exists(f.target, ec);
        const std::string antes = existe ? files::ReadWhole(f.target) : std::string();
        partes[i] =
            s.Texto(DiferenciaUnificada(antes, f.Bytes(), RutaVisible(p, f.target), !existe));
    });
    std::string texto;
    for (const auto& parte : partes)
        texto += parte;
    return texto;
}

std::string TextoExceso(const Exceso& e) {
    if (e.tipo == Exceso::Numero)
        return "el número de línea " + std::to_string(e.valor) + " pasa de " +
               std::to_string(kMayorNumeroErl) + ", el mayor que Erl puede dar";
    return "la línea tiene " + std::to_string(e.valor) + " caracteres, más de los " +
           std::to_string(kLineaMasLarga) + " que admite el editor";
}

// The box's text without its carriage returns, as the terminal takes line breaks.
std::string SinCR(std::string texto) {
    std::erase(texto, '\r');
    return texto;
}

// What stopped a module's command, as the window's box says it.
std::string TextoParada(engine::Parada parada, const std::string& modulo) {
    switch (parada) {
    case engine::Parada::ModuloDelComplemento:
        return SinCR(engine::Texto(engine::Mensaje::ModuloDelComplemento, modulo));
    case engine::Parada::NingunoSeleccionado:
        return SinCR(engine::Texto(engine::Mensaje::NingunoSeleccionado));
    case engine::Parada::Cancelada:
        return "se ha contestado que no a tratar todos sus procedimientos";
    case engine::Parada::Ninguna:
        break;
    }
    return {};
}

// The command left the module as it was for a reason the user must hear of.
bool Falla(const Trabajo& t) {
    return t.hecho.error || t.hecho.parada != engine::Parada::Ninguna || !t.mensajes.empty();
}

// The temporaries of modules staged for a save that will not happen go when the command fails.
struct DescartaSiFalla {
    files::Project& p;
    bool hecho = false;
    ~DescartaSiFalla() {
        if (!hecho)
            p.DiscardStaged();
    }
};

} // namespace

// insert and remove: the main window's two buttons over the chosen modules, then one save.
int ComandoCambio(const Opciones& o) {
    // Each module's code is read when its turn comes, so that a large project is never whole
    // in memory.
    auto grupo = AbreProyecto(o, files::CodeLoading::WhenUsed);
    files::Project& p = grupo->Active();
    const Salida s(p.CodePage());
    const bool inserta = o.comando == Comando::Insert;

    std::vector<Trabajo> trabajos = PreparaTrabajos(p, o, s);

    PreparaErrores();
    // The add-in's folder is the program's own: the build puts the shipped runtime sources in
    // a "ClsErrores" folder beside it.
    const std::string carpetaAddIn = programa::Carpeta();
    const unsigned hilos = o.hilos ? o.hilos : HilosPorDefecto();
    LineaProgreso progreso(trabajos.size());
    // A diff or a copy elsewhere needs every module's new bytes at the end; saving in place
    // does not.
    const bool enSuSitio = !o.simulacro && o.destino.empty();
    DescartaSiFalla descarta{p};

    auto ejecuta = [&](std::size_t i) {
        PreparaErrores();
        // The boxes of this module's selection and command, errors shown by glbErr included.
        DialogosInstalados dialogos;
        Trabajo& t = trabajos[i];
        files::Component* c = p.Find(t.estado.modulo);
        // Read here, where a failure stops the command: the window's selection would take a
        // module it cannot read for one without procedures, and pass it by.
        c->CodeModule();
        if (!Selecciona(p, o, t)) {
            if (enSuSitio)
                p.Stage(*c);
            progreso.Hecho(s.Texto(t.estado.modulo));
            return;
        }
        engine::SinProgreso sinProgreso;
        VentanaCli ventana(o.json);
        engine::Entorno entorno{*dialogos, sinProgreso, ventana};
        if (inserta) {
            install::InstalacionProyecto instalacion(p, t.estado, carpetaAddIn, *dialogos);
            entorno.instalacion = &instalacion;
            t.hecho = engine::ComandoInsertar(p, t.estado, entorno);
        } else
            t.hecho = engine::ComandoQuitar(p, t.estado, entorno);
        t.mensajes = dialogos->Toma();
        // Looked for here, while the module's lines are fresh and the other core is busy too.
        if (inserta && o.modo == engine::Modo::Option1 && t.hecho.cambiado)
            t.excesos = BuscaExcesos(c->CodeModule());
        // Written beside its file now and freed, so that memory holds the modules in hand
        // rather than the whole project; the save at the end puts every file in place at once.
        // A module whose command failed is kept: nothing will be written.
        if (enSuSitio && !Falla(t))
            p.Stage(*c);
        progreso.Hecho(s.Texto(t.estado.modulo));
    };

    // The runtime modules are added by the first module that gets a block: until then one
    // module at a time, so that only one of them adds them.
    std::size_t i = 0;
    if (inserta && o.modo == engine::Modo::Option2)
        for (; i < trabajos.size() && !install::YaExisteCls(p); ++i)
            ejecuta(i);
    const std::size_t hechos = i;
    EnParalelo(trabajos.size() - hechos, hilos, [&](std::size_t k) { ejecuta(hechos + k); });
    progreso.Termina();
    CompruebaPedidos(trabajos, o);
    std::erase_if(trabajos, [](const Trabajo& t) { return t.omitido; });

    // What each command did: the runtime modules added are news; a refusal, a cancellation or
    // an error is a failure that leaves the files as they were.
    bool fallos = false;
    for (const Trabajo& t : trabajos) {
        if (t.hecho.modulosAnadidos)
            Salida::Err("lintrap: " + SinCR(engine::Texto(engine::Mensaje::ModulosAnadidos)) +
                        "\n");
        const std::string modulo = s.Texto(t.estado.modulo);
        if (t.hecho.parada != engine::Parada::Ninguna)
            Salida::Err("lintrap: " + modulo + ": " + TextoParada(t.hecho.parada, modulo) + "\n");
        for (const Mensaje& m : t.mensajes)
            Salida::Err("lintrap: " + modulo + ": " + m.texto + "\n");
        fallos = fallos || Falla(t);
    }
    if (fallos)
        throw ErrorVB(vberr::InvalidProcedureCall, "lintrap",
                      o.proyecto + ": no se ha escrito nada");

    nlohmann::json avisos = nlohmann::json::array();
    if (inserta && o.modo == engine::Modo::Option1)
        for (const Trabajo& t : trabajos) {
            if (t.excesos.empty())
                continue;
            const std::string archivo = RutaVisible(p, p.Find(t.estado.modulo)->File());
            for (const Exceso& e : t.excesos) {
                const std::string texto = archivo + ", línea " + std::to_string(e.linea) +
                                          " del código: " + TextoExceso(e);
                if (o.json)
                    avisos.push_back(texto);
                else
                    Salida::Err("lintrap: aviso: " + texto + "\n");
            }
        }

    // What the rules left alone, and why: the user's code stays compiling.
    for (const Trabajo& t : trabajos) {
        const std::string archivo = RutaVisible(p, p.Find(t.estado.modulo)->File());
        for (const engine::Aviso& a : t.hecho.avisos) {
            const std::string texto = archivo + ", línea " + std::to_string(a.linea) +
                                      " del código: " + engine::Texto(a, p.CodePage());
            if (o.json)
                avisos.push_back(texto);
            else
                Salida::Err("lintrap: aviso: " + texto + "\n");
        }
    }

    nlohmann::json modulos = nlohmann::json::array();
    if (o.json)
        for (Trabajo& t : trabajos) {
            files::Component* c = p.Find(t.estado.modulo);
            nlohmann::json procs = nlohmann::json::array();
            for (const auto& fila : t.estado.procedimientos)
                procs.push_back({{"name", s.Texto(fila.nombre)},
                                 {"status", engine::TextoEstado(fila)},
                                 {"errorHandling", fila.manejo != engine::Manejo::Sin}});
            modulos.push_back({{"name", s.Texto(t.estado.modulo)},
                               {"file", RutaVisible(p, c->File())},
                               {"changed", t.hecho.cambiado},
                               {"procedures", procs}});
        }

    std::string diferencias;
    if (o.simulacro)
        diferencias = Diferencias(p, s, o.hilos ? o.hilos : HilosPorDefecto());
    else if (!o.destino.empty()) {
        CierraDestino(grupo, o, p.Path());
        p.SaveAs(o.destino, o.sobrescribe);
    } else
        grupo->Save();
    descarta.hecho = true;

    if (o.json) {
        nlohmann::json resumen = {{"modules", modulos}, {"warnings", avisos}};
        resumen["written"] = !o.simulacro;
        if (o.simulacro)
            resumen["diff"] = diferencias;
        Salida::Out(resumen.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n");
    } else {
        Salida::Out(diferencias);
    }
    return Hecho;
}

} // namespace cli
