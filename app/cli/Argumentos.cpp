#include "app/cli/Argumentos.h"

#include "app/cli/ArgumentosVistas.h"
#include "app/cli/UsoEnEspanol.h"
#include "base/CodePage.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <iostream>
#include <map>

namespace cli {
namespace {

const char* const kDescripcion =
    "Lintrap en la línea de órdenes: números de línea y manejo de errores en proyectos de "
    "Visual Basic 6 en disco.";

// Usage errors found after parsing, in the same shape as the parser's own.
[[noreturn]] void Uso(const std::string& mensaje) {
    throw ErrorUso(mensaje);
}

template <class T>
T Elige(const std::map<std::string, T>& valores, const std::string& texto, const char* opcion) {
    auto it = valores.find(texto);
    if (it != valores.end())
        return it->second;
    std::string lista;
    for (const auto& [nombre, valor] : valores)
        lista += (lista.empty() ? "" : ", ") + nombre;
    Uso(std::string(opcion) + " no admite \"" + texto + "\": use " + lista);
}

void Proyecto(CLI::App* sub, Opciones& o) {
    sub->add_option("PROJECT", o.proyecto, "Proyecto (.vbp) o grupo (.vbg)")->required();
    sub->add_flag("--skip-missing", o.saltaFaltantes,
                  "Sigue sin los ficheros de código que el proyecto nombra y faltan (sus líneas "
                  "del proyecto se quedan como están)");
}

void Json(CLI::App* sub, Opciones& o) {
    sub->add_flag("--json", o.json, "Salida en JSON, para otras herramientas");
}

CLI::Option* Modulos(CLI::App* sub, Opciones& o, const char* ayuda) {
    return sub->add_option("--module", o.modulos, ayuda)->allow_extra_args(false)->type_name("M");
}

} // namespace

std::optional<Opciones> LeeArgumentos(int argc, const char* const* argv, int& codigo) {
    Opciones o;
    std::string modo = "numbers";
    std::string variante = "exit";

    CLI::App app{kDescripcion, "lintrap"};
    AyudaEnEspanol(app);
    app.failure_message(MensajeDeUso);
    app.set_version_flag("--version", std::string("lintrap ") + LINTRAP_VERSION,
                         "Muestra la versión y termina");
    app.require_subcommand(1);
    app.fallthrough();
    app.add_option("--codepage", o.codepage,
                   "Página de códigos de los ficheros del proyecto (por omisión 1252)")
        ->type_name("N");
    app.add_option("--wait", o.espera,
                   "Si otra ejecución tiene abierto el proyecto, espera hasta SEGUNDOS a que "
                   "termine (por omisión no espera)")
        ->type_name("SEGUNDOS");
    app.add_flag("--discard-journal", o.descartaDiario,
                 "Descarta el diario de un guardado interrumpido que no se puede completar "
                 "(copiado de otra carpeta) y deja los archivos como están");
    app.add_option("--jobs", o.hilos, "Hilos de trabajo (por omisión, todos los núcleos)")
        ->group("");

    auto* list = app.add_subcommand("list", "Módulos del proyecto o, con --module, "
                                            "sus procedimientos y si tienen manejo de errores");
    Proyecto(list, o);
    Modulos(list, o, "Módulo cuyos procedimientos se listan");
    list->add_flag("--names", o.nombres, "Sólo los nombres, uno por línea");
    Json(list, o);

    std::vector<CLI::Option*> destinos; // --out of each command: given empty, a usage error
    CLI::App* cambios[2] = {app.add_subcommand("insert",
                                               "Inserta números de línea, manejo de errores o "
                                               "On Error Resume Next"),
                            app.add_subcommand("remove", "Quita lo insertado")};
    for (CLI::App* sub : cambios) {
        Proyecto(sub, o);
        sub->add_option("--mode", modo, "numbers, handler o resume-next (por omisión numbers)")
            ->type_name("MODE");
        sub->add_option("--variant", variante,
                        "Variante del manejo de errores: exit, resume o raise (por omisión exit)")
            ->type_name("VARIANT");
        Modulos(sub, o, "Módulo a tratar (se puede repetir)");
        sub->add_flag("--all-modules", o.todosModulos, "Todos los módulos del proyecto");
        sub->add_option("--proc", o.procs, "Procedimiento a tratar (se puede repetir)")
            ->allow_extra_args(false)
            ->type_name("P");
        sub->add_flag("--all", o.todos, "Todos los procedimientos de cada módulo");
        sub->add_flag("--dry-run", o.simulacro,
                      "Muestra los cambios como diff unificado y no escribe nada");
        destinos.push_back(
            sub->add_option("--out", o.destino,
                            "Escribe el proyecto entero en DIR y deja los fuentes como están")
                ->type_name("DIR"));
        sub->add_flag("--force", o.sobrescribe,
                      "Con --out, sustituye los ficheros que ya haya en DIR");
        Json(sub, o);
    }
    auto* insert = cambios[0];
    insert
        ->add_option("--email", o.email,
                     "Dirección a la que clsErrores ofrecerá mandar los errores")
        ->type_name("ADDR");
    insert
        ->add_option("--msg", o.mensaje,
                     "Mensaje de clsErrores ante un error: normal o un texto propio")
        ->type_name("TEXT");
    insert->add_flag("--no-log", o.sinLog, "clsErrores no anota los errores en Errores.log");

    auto* save = app.add_subcommand("save", "Guarda el proyecto entero en otra carpeta");
    Proyecto(save, o);
    destinos.push_back(
        save->add_option("--out", o.destino, "Carpeta de destino")->required()->type_name("DIR"));
    save->add_flag("--force", o.sobrescribe, "Sustituye los ficheros que ya haya en DIR");

    auto* check = app.add_subcommand(
        "check", "Procedimientos sin manejo de errores, números de línea que Erl no puede dar "
                 "y líneas demasiado largas (código de salida 1 si hay alguno)");
    Proyecto(check, o);
    Modulos(check, o, "Revisa sólo este módulo (se puede repetir)");
    Json(check, o);
    std::string formato;
    check
        ->add_option("--format", formato,
                     "Formato de la salida: text, json, sarif (SARIF 2.1.0, para herramientas de "
                     "análisis de código) o msbuild (archivo(línea): warning LT0001: mensaje)")
        ->type_name("F");
    check->add_flag("--no-numbers", o.sinNumeros,
                    "Sólo los procedimientos que llevan números de línea (para un gancho de "
                    "pre-commit que los deja fuera del control de versiones)");

    auto* view = app.add_subcommand("view", "El código de un módulo o de un procedimiento con los "
                                            "colores del visor (en un terminal) o en JSON");
    Proyecto(view, o);
    Modulos(view, o, "Módulo que se muestra")->required();
    view->add_option("--proc", o.procs, "Sólo este procedimiento del módulo")
        ->allow_extra_args(false)
        ->type_name("P");
    Json(view, o);

    auto* report = app.add_subcommand("report", "Informe del sistema que acompaña a los "
                                                "correos de error");
    report->add_option("PROJECT", o.proyecto, "Proyecto cuyo título lleva el informe");
    report->add_flag("--short", o.corto, "El informe breve");

    const SubcomandosVistas vistas = AnadeVistas(app, o);
    OrdenesEnEspanol(app);

    try {
        app.parse(argc, argv);
        for (const CLI::Option* destino : destinos)
            if (destino->count() > 0 && o.destino.empty())
                Uso("--out está vacío: indique la carpeta de destino (para cambiar los fuentes "
                    "en su sitio, no ponga --out)");
        // As typed: "-1", not "-1.000000". More than a day is waited as a day.
        const auto espera = [&] { return "--wait " + app.get_option("--wait")->results().front(); };
        if (std::isnan(o.espera))
            Uso(espera() + ": no es un número de segundos");
        if (o.espera < 0)
            Uso(espera() + ": los segundos no pueden ser negativos");
        if (!codepage::Existe(o.codepage))
            Uso("--codepage " + std::to_string(o.codepage) +
                " no es una página de códigos de un byte conocida");
        if (list->parsed()) {
            o.comando = Comando::List;
            if (o.modulos.size() > 1)
                Uso("list admite un solo --module");
        } else if (view->parsed()) {
            o.comando = Comando::View;
            if (o.modulos.size() > 1 || o.procs.size() > 1)
                Uso("view admite un solo --module y un solo --proc");
        } else if (EligeVista(vistas, o)) {
            // callers, refs, controls or config: its command is set
        } else if (save->parsed()) {
            o.comando = Comando::Save;
        } else if (check->parsed()) {
            o.comando = Comando::Check;
            if (!formato.empty()) {
                o.formato = Elige<FormatoCheck>({{"text", FormatoCheck::Texto},
                                                 {"json", FormatoCheck::Json},
                                                 {"sarif", FormatoCheck::Sarif},
                                                 {"msbuild", FormatoCheck::Msbuild}},
                                                formato, "--format");
                if (o.json && o.formato != FormatoCheck::Json)
                    Uso("--json y --format " + formato + " no van juntos");
            } else if (o.json) {
                o.formato = FormatoCheck::Json;
            }
        } else if (report->parsed()) {
            o.comando = Comando::Report;
        } else {
            o.comando = insert->parsed() ? Comando::Insert : Comando::Remove;
            o.modo = Elige<engine::Modo>({{"numbers", engine::Modo::Option1},
                                          {"handler", engine::Modo::Option2},
                                          {"resume-next", engine::Modo::Option3}},
                                         modo, "--mode");
            o.variante = Elige<engine::Variante>({{"exit", engine::Variante::OptExit},
                                                  {"resume", engine::Variante::OptResume},
                                                  {"raise", engine::Variante::OptRaise}},
                                                 variante, "--variant");
            if (o.todosModulos == !o.modulos.empty())
                Uso("indique --module M (una o más veces) o --all-modules");
            if (o.todos && !o.procs.empty())
                Uso("--proc y --all no van juntos");
            if (o.simulacro && !o.destino.empty())
                Uso("--dry-run y --out no van juntos");
            if (o.sobrescribe && o.destino.empty())
                Uso("--force sólo vale con --out");
        }
    } catch (const CLI::ParseError& e) {
        codigo = app.exit(e, std::cout, std::cerr);
        if (codigo != 0)
            codigo = 2;
        return std::nullopt;
    }
    return o;
}

} // namespace cli
