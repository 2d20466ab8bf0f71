#include "app/cli/ArgumentosVistas.h"

#include <CLI/CLI.hpp>

namespace cli {

SubcomandosVistas AnadeVistas(CLI::App& app, Opciones& o) {
    SubcomandosVistas v;
    auto proyecto = [&](CLI::App* sub) {
        sub->add_option("PROJECT", o.proyecto, "Proyecto (.vbp) o grupo (.vbg)")->required();
    };

    v.callers = app.add_subcommand(
        "callers", "Procedimientos que llaman a uno dado, como la ventana Dependencias: "
                   "\"Módulo / Procedimiento\", uno por línea");
    proyecto(v.callers);
    v.callers->add_option("--module", o.modulos, "Módulo del procedimiento")
        ->required()
        ->allow_extra_args(false)
        ->type_name("M");
    v.callers->add_option("--proc", o.procs, "Procedimiento cuyos llamadores se buscan")
        ->required()
        ->allow_extra_args(false)
        ->type_name("P");

    v.refs = app.add_subcommand("refs", "Referencias del proyecto, como la ventana Referencias");
    proyecto(v.refs);
    v.refs->add_flag("--json", o.json, "Salida en JSON, para otras herramientas");

    v.controls = app.add_subcommand(
        "controls", "Formularios y diseñadores del proyecto, los controles de uno (--form) o el "
                    "informe de un control (--control) que se copia al portapapeles");
    proyecto(v.controls);
    auto* form =
        v.controls->add_option("--form", o.formulario, "Formulario o diseñador")->type_name("F");
    v.controls
        ->add_option("--control", o.control,
                     "Control del formulario (NOMBRE, o NOMBRE(INDICE) en una matriz)")
        ->type_name("C")
        ->needs(form);

    v.config = app.add_subcommand(
        "config", "Configura el clsErrores ya instalado en el proyecto, como el diálogo "
                  "Configuracion: reescribe sus líneas de IniVal");
    proyecto(v.config);
    v.config
        ->add_option("--email", o.email,
                     "Dirección a la que clsErrores ofrecerá mandar los "
                     "errores (sin ella, la que tenga la clase)")
        ->type_name("ADDR");
    v.config
        ->add_option(
            "--msg", o.mensaje,
            "Mensaje ante un error: no (ninguno), normal o un texto propio (sin él, el que "
            "tenga la clase)")
        ->type_name("no|normal|TEXT");
    auto* email = v.config->add_flag("--no-email", o.sinEmail,
                                     "clsErrores deja de ofrecer mandar los errores por correo");
    email->excludes("--email");
    auto* sinLog =
        v.config->add_flag("--no-log", o.sinLog, "clsErrores no anota los errores en Errores.log");
    v.config->add_flag("--log", o.conLog, "clsErrores vuelve a anotar los errores en Errores.log")
        ->excludes(sinLog);
    return v;
}

bool EligeVista(const SubcomandosVistas& v, Opciones& o) {
    if (v.callers->parsed()) {
        if (o.modulos.size() != 1 || o.procs.size() != 1)
            throw CLI::ValidationError("callers admite un solo --module y un solo --proc");
        o.comando = Comando::Callers;
    } else if (v.refs->parsed()) {
        o.comando = Comando::Refs;
    } else if (v.controls->parsed()) {
        o.comando = Comando::Controls;
    } else if (v.config->parsed()) {
        o.comando = Comando::Config;
    } else {
        return false;
    }
    return true;
}

} // namespace cli
