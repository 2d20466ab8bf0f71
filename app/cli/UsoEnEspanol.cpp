#include "app/cli/UsoEnEspanol.h"

#include <memory>
#include <regex>
#include <utility>
#include <vector>

namespace cli {

void AyudaEnEspanol(CLI::App& app) {
    auto formato = std::make_shared<CLI::Formatter>();
    for (const auto& [clave, texto] : std::vector<std::pair<const char*, const char*>>{
             {"Usage", "Uso"},
             {"OPTIONS", "OPCIONES"},
             {"SUBCOMMAND", "ORDEN"},
             {"SUBCOMMANDS", "ÓRDENES"},
             {"Positionals", "Argumentos"},
             {"REQUIRED", "OBLIGATORIO"},
             {"Excludes", "Excluye"},
             {"Needs", "Necesita"},
             {"Env", "Entorno"},
             {"TEXT", "TEXTO"},
             {"UINT", "N"},
             {"INT", "N"},
             {"FLOAT", "NÚMERO"},
         })
        formato->label(clave, texto);
    app.formatter(formato);
    app.option_defaults()->group("Opciones");
    app.set_help_flag("-h,--help", "Muestra esta ayuda y termina");
}

void OrdenesEnEspanol(CLI::App& app) {
    for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; })) {
        sub->group("Órdenes");
        if (CLI::Option* ayuda = sub->get_help_ptr())
            ayuda->group("Opciones"); // made with the subcommand, before the defaults
    }
}

namespace {

// The library's messages, as its version words them, and theirs in Spanish.
struct Traduccion {
    std::regex ingles;
    const char* espanol;
};

const std::vector<Traduccion>& Traducciones() {
    static const std::vector<Traduccion> t = [] {
        std::vector<std::pair<const char*, const char*>> pares = {
            {R"(A subcommand is required)",
             "falta la orden: list, insert, remove, save, check o report"},
            {R"(Requires at least \d+ subcommands?)",
             "falta la orden: list, insert, remove, save, check o report"},
            {R"((.+) is required)", "falta $1"},
            {R"(The following arguments? (?:was|were) not expected: (.*))", "no se esperaba: $1"},
            {R"((.+): \d+ required (.+) missing)", "$1 necesita un valor ($2)"},
            {R"(Expected at least \d+ arguments? to (.+), got \d+)", "$1 necesita un valor"},
            {R"(Expected exactly \d+ arguments? to (.+), got \d+)",
             "$1: número de valores equivocado"},
            {R"(Expected at most \d+ arguments? to (.+), got \d+)", "$1 admite un solo valor"},
            {R"(Could not convert: (.+) = (.*))", "$1 no admite \"$2\""},
            {R"(The value (.+) is not an allowed value for (.+))", "$2 no admite \"$1\""},
            {R"((.+) excludes (.+))", "$1 y $2 no van juntos"},
            {R"((.+) requires (.+))", "$1 necesita $2"},
            {R"((.+): Value (.+) not in range .*)", "$1 no admite $2: fuera de los límites"},
            {R"((.+): .*non-negative.*)", "$1 no admite un número negativo"},
            {R"((.+): .*)", "$1: valor no válido"},
        };
        std::vector<Traduccion> r;
        for (const auto& [ingles, espanol] : pares)
            r.push_back({std::regex(ingles), espanol});
        return r;
    }();
    return t;
}

} // namespace

std::string MensajeDeUso(const CLI::App*, const CLI::Error& e) {
    std::string texto = e.what();
    if (!dynamic_cast<const ErrorUso*>(&e)) {
        std::string traducido = "argumentos no válidos";
        for (const auto& [ingles, espanol] : Traducciones())
            if (std::regex_match(texto, ingles)) {
                traducido = std::regex_replace(texto, ingles, espanol);
                break;
            }
        texto = traducido;
    }
    return "lintrap: " + texto + "\nUse --help para ver las órdenes y sus opciones.\n";
}

} // namespace cli
