#include "app/cli/Codigos.h"
#include "app/cli/Comandos.h"
#include "app/cli/ErroresCli.h"
#include "app/cli/InformeCheck.h"
#include "app/cli/Limites.h"
#include "app/cli/Paralelo.h"
#include "app/cli/Proyecto.h"
#include "app/cli/Salida.h"
#include "base/CodePage.h"
#include "engine/Analisis.h"
#include "engine/Procedimientos.h"

namespace cli {
namespace {

// The module's procedures as the main window lists them, each with its error handling.
std::vector<engine::EntradaProcedimiento> Procedimientos(files::Project& p,
                                                         const std::string& nombre) {
    engine::EstadoSeleccion estado;
    estado.paginaCodigos = p.CodePage();
    estado.modulo = nombre;
    engine::SinProgreso sinProgreso;
    engine::SeleccionaModulo(p, estado, sinProgreso);
    return std::move(estado.procedimientos);
}

// The procedures that carry line numbers: a build numbers its own copy, the sources keep none.
std::vector<Hallazgo> Numerados(files::Project& p, const std::string& nombre, const Salida& s) {
    std::vector<Hallazgo> r;
    vbide::CodeModule& m = p.Find(nombre)->CodeModule();
    if (EsModuloDelComplemento(p, nombre))
        return r; // the add-in's own code
    for (const auto& fila : Procedimientos(p, nombre)) {
        const std::vector<long> lineas = engine::LineasNumeradas(m, fila.nombre, p.CodePage());
        if (lineas.empty())
            continue;
        const std::string proc = s.Texto(fila.nombre);
        r.push_back({lineas.front(), 0, "lineNumbers", proc, static_cast<long long>(lineas.size()),
                     "el procedimiento " + proc + " lleva números de línea en " +
                         std::to_string(lineas.size()) +
                         (lineas.size() == 1 ? " línea" : " líneas")});
    }
    return r;
}

std::vector<Hallazgo> RevisaModulo(files::Project& p, const std::string& nombre, const Salida& s) {
    std::vector<Hallazgo> r;
    files::Component* c = p.Find(nombre);
    vbide::CodeModule& m = c->CodeModule();

    // The runtime modules are the add-in's own code, which the user does not give handlers.
    if (!EsModuloDelComplemento(p, nombre)) {
        for (const auto& fila : Procedimientos(p, nombre)) {
            const std::string proc = s.Texto(fila.nombre);
            for (const engine::Aviso& a : engine::Revisa(m, fila.nombre, p.CodePage()))
                r.push_back(
                    {a.linea, 0, TipoDe(a.motivo), proc, 0, engine::Texto(a, p.CodePage(), true)});
            if (fila.manejo != engine::Manejo::Sin)
                continue;
            const long linea = m.ProcBodyLine(fila.nombre, vbide::ProcKind::Proc);
            r.push_back({linea, 0, "noErrorHandling", proc, 0,
                         "el procedimiento " + proc + " no tiene manejo de errores"});
        }
    }
    for (const Exceso& e : BuscaExcesos(m)) {
        if (e.tipo == Exceso::Numero)
            r.push_back({e.linea,
                         0,
                         "lineNumber",
                         {},
                         e.valor,
                         "el número de línea " + std::to_string(e.valor) + " pasa de " +
                             std::to_string(kMayorNumeroErl) + ", el mayor que Erl puede dar"});
        else
            r.push_back({e.linea,
                         0,
                         "lineLength",
                         {},
                         e.valor,
                         "la línea tiene " + std::to_string(e.valor) + " caracteres, más de " +
                             "los " + std::to_string(kLineaMasLarga) + " que admite el editor"});
    }
    std::stable_sort(r.begin(), r.end(),
                     [](const Hallazgo& a, const Hallazgo& b) { return a.linea < b.linea; });
    return r;
}

std::string DesdeAqui(const std::filesystem::path& archivo) {
    std::error_code ec;
    const auto relativa = std::filesystem::relative(archivo, std::filesystem::current_path(ec), ec);
    if (ec || relativa.empty() || *relativa.begin() == "..")
        return std::filesystem::absolute(archivo, ec).make_preferred().string();
    return std::filesystem::path(relativa).make_preferred().string();
}

} // namespace

// What a build should not ship: procedures without error handling, line numbers Erl cannot
// report, lines the editor cannot hold. Exit 1 when any is found.
int ComandoCheck(const Opciones& o) {
    // One module's code at a time: read when its turn comes, freed once checked.
    auto grupo = AbreProyecto(o, files::CodeLoading::WhenUsed);
    files::Project& p = grupo->Active();
    const Salida s(p.CodePage());

    std::vector<std::string> nombres;
    if (o.modulos.empty()) {
        nombres = engine::ListaModulos(p, p.CodePage());
    } else {
        for (const std::string& pedido : o.modulos) {
            files::Component* c = &ModuloPedido(p, o, s, pedido);
            nombres.push_back(c->Name());
        }
    }

    PreparaErrores();
    std::vector<std::vector<Hallazgo>> porModulo(nombres.size());
    const unsigned hilos = o.hilos ? o.hilos : HilosPorDefecto();
    EnParalelo(nombres.size(), hilos, [&](std::size_t i) {
        PreparaErrores();
        files::Component& c = *p.Find(nombres[i]);
        porModulo[i] = o.sinNumeros ? Numerados(p, nombres[i], s) : RevisaModulo(p, nombres[i], s);
        for (Hallazgo& h : porModulo[i])
            h.lineaArchivo = c.Module()->FileLine(h.linea);
        p.Stage(c); // unchanged: nothing is written, the code is freed
    });

    std::size_t total = 0;
    std::vector<HallazgosModulo> informe;
    for (std::size_t i = 0; i < nombres.size(); ++i) {
        files::Component* c = p.Find(nombres[i]);
        total += porModulo[i].size();
        informe.push_back({s.Texto(nombres[i]), RutaVisible(p, c->File()), DesdeAqui(c->File()),
                           std::move(porModulo[i])});
    }
    Salida::Out(InformeCheck(informe, o.formato));
    return total ? Hallazgos : Hecho;
}

} // namespace cli
