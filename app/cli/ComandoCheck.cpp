#include "app/cli/Codigos.h"
#include "app/cli/Comandos.h"
#include "app/cli/ErroresCli.h"
#include "app/cli/Limites.h"
#include "app/cli/Paralelo.h"
#include "app/cli/Proyecto.h"
#include "app/cli/Salida.h"
#include "base/CodePage.h"
#include "engine/Analisis.h"
#include "engine/Procedimientos.h"

#include <nlohmann/json.hpp>

namespace cli {
namespace {

struct Hallazgo {
    long linea;
    // noErrorHandling, lineNumber, lineLength; what the rules cannot do safely: oneLine,
    // endSharesLine, noEndLine, ownLabel, labelCollision, exitInLine
    std::string tipo;
    std::string procedimiento;
    long long valor = 0;
    std::string texto;
};

std::string Tipo(engine::Motivo m) {
    switch (m) {
    case engine::Motivo::UnaLinea:
        return "oneLine";
    case engine::Motivo::FinEnLinea:
        return "endSharesLine";
    case engine::Motivo::SinFin:
        return "noEndLine";
    case engine::Motivo::EtiquetaPropia:
        return "ownLabel";
    case engine::Motivo::NumeroOcupado:
        return "labelCollision";
    case engine::Motivo::SalidaEnMedio:
        return "exitInLine";
    case engine::Motivo::ModuloNoValido:
        return "badModuleName";
    case engine::Motivo::NombreNoValido:
        return "badProcedureName";
    case engine::Motivo::LineaLarga:
        return "pushLineTooLong";
    case engine::Motivo::MarcaSinFin:
        return "blockWithoutEnd";
    }
    return {};
}

std::vector<Hallazgo> RevisaModulo(files::Project& p, const std::string& nombre, const Salida& s) {
    std::vector<Hallazgo> r;
    files::Component* c = p.Find(nombre);
    vbide::CodeModule& m = c->CodeModule();

    // The runtime modules are the add-in's own code, which the user does not give handlers.
    if (!EsModuloDelComplemento(p, nombre)) {
        engine::EstadoSeleccion estado;
        estado.paginaCodigos = p.CodePage();
        estado.modulo = nombre;
        engine::SinProgreso sinProgreso;
        engine::SeleccionaModulo(p, estado, sinProgreso);
        for (const auto& fila : estado.procedimientos) {
            const std::string proc = s.Texto(fila.nombre);
            for (const engine::Aviso& a : engine::Revisa(m, fila.nombre, p.CodePage()))
                r.push_back(
                    {a.linea, Tipo(a.motivo), proc, 0, engine::Texto(a, p.CodePage(), true)});
            if (fila.manejo != engine::Manejo::Sin)
                continue;
            const long linea = m.ProcBodyLine(fila.nombre, vbide::ProcKind::Proc);
            r.push_back({linea, "noErrorHandling", proc, 0,
                         "el procedimiento " + proc + " no tiene manejo de errores"});
        }
    }
    for (const Exceso& e : BuscaExcesos(m)) {
        if (e.tipo == Exceso::Numero)
            r.push_back({e.linea,
                         "lineNumber",
                         {},
                         e.valor,
                         "el número de línea " + std::to_string(e.valor) + " pasa de " +
                             std::to_string(kMayorNumeroErl) + ", el mayor que Erl puede dar"});
        else
            r.push_back({e.linea,
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
        porModulo[i] = RevisaModulo(p, nombres[i], s);
        p.Stage(*p.Find(nombres[i])); // unchanged: nothing is written, the code is freed
    });

    std::size_t total = 0;
    std::string texto;
    nlohmann::json lista = nlohmann::json::array();
    for (std::size_t i = 0; i < nombres.size(); ++i) {
        const std::string archivo = RutaVisible(p, p.Find(nombres[i])->File());
        for (const Hallazgo& h : porModulo[i]) {
            ++total;
            if (o.json) {
                nlohmann::json j = {{"module", s.Texto(nombres[i])},
                                    {"file", archivo},
                                    {"line", h.linea},
                                    {"kind", h.tipo},
                                    {"message", h.texto}};
                if (!h.procedimiento.empty())
                    j["procedure"] = h.procedimiento;
                else
                    j["value"] = h.valor;
                lista.push_back(std::move(j));
            } else {
                texto += archivo + ", línea " + std::to_string(h.linea) +
                         " del código: " + h.texto + "\n";
            }
        }
    }
    if (o.json)
        texto = nlohmann::json{{"findings", lista}}.dump(2, ' ', false,
                                                         nlohmann::json::error_handler_t::replace) +
                "\n";
    Salida::Out(o.json ? texto : Salida::Visible(texto));
    return total ? Hallazgos : Hecho;
}

} // namespace cli
