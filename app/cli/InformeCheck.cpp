#include "app/cli/InformeCheck.h"

#include "app/cli/Salida.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <iterator>

namespace cli {
namespace {

// Each kind of finding as a rule with a stable code: build logs and code-scanning tools group
// and suppress findings by it, so a code never changes meaning; new kinds take new codes.
struct Regla {
    const char* tipo;
    const char* codigo;
    const char* descripcion;
};

constexpr Regla kReglas[] = {
    {"noErrorHandling", "LT0001", "Procedimiento sin manejo de errores"},
    {"lineNumber", "LT0002", "Número de línea mayor que el que Erl puede dar"},
    {"lineLength", "LT0003", "Línea más larga de lo que admite el editor"},
    {"oneLine", "LT0004", "Procedimiento escrito en una sola línea"},
    {"endSharesLine", "LT0005", "Fin del procedimiento tras otras sentencias en su línea"},
    {"noEndLine", "LT0006", "Procedimiento sin línea de fin"},
    {"ownLabel", "LT0007", "Etiqueta propia con el nombre que usaría el bloque de errores"},
    {"labelCollision", "LT0008", "Número de línea que ya es una etiqueta del procedimiento"},
    {"exitInLine", "LT0009", "Salida que no pasa por Salir"},
    {"badModuleName", "LT0010", "Nombre de módulo que el bloque de errores no puede llevar"},
    {"badProcedureName", "LT0011",
     "Nombre de procedimiento que el bloque de errores no puede llevar"},
    {"pushLineTooLong", "LT0012", "Línea Push más larga de lo que admite el editor"},
    {"blockWithoutEnd", "LT0013", "Bloque de errores sin su marca de fin"},
    {"lineNumbers", "LT0014", "Procedimiento con números de línea"},
};

std::size_t IndiceRegla(const std::string& tipo) {
    std::size_t i = 0;
    while (i < std::size(kReglas) && tipo != kReglas[i].tipo)
        ++i;
    return i;
}

std::string Json(const nlohmann::json& j) {
    return j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

// A path as a URI reference: forward slashes, every byte that is not an unreserved character
// or a separator percent-encoded (spaces, accents, '#', '%'); a whole path as a file: URI.
std::string Uri(const std::string& ruta) {
    std::string r;
    if (!ruta.empty() && (ruta[0] == '/' || ruta[0] == '\\'))
        r = "file://";
    else if (ruta.size() > 1 && ruta[1] == ':')
        r = "file:///";
    for (unsigned char c : ruta) {
        if (c == '\\')
            c = '/';
        const bool libre = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
                           c == '/' || c == ':';
        if (libre) {
            r += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            r += hex;
        }
    }
    return r;
}

std::string Sarif(const std::vector<HallazgosModulo>& modulos) {
    nlohmann::json reglas = nlohmann::json::array();
    for (const Regla& r : kReglas)
        reglas.push_back({{"id", r.codigo},
                          {"name", r.tipo},
                          {"shortDescription", {{"text", r.descripcion}}},
                          {"defaultConfiguration", {{"level", "warning"}}}});
    nlohmann::json resultados = nlohmann::json::array();
    for (const HallazgosModulo& m : modulos)
        for (const Hallazgo& h : m.hallazgos) {
            const std::size_t i = IndiceRegla(h.tipo);
            resultados.push_back({{"ruleId", CodigoDe(h.tipo)},
                                  {"ruleIndex", i},
                                  {"level", "warning"},
                                  {"message", {{"text", h.texto}}},
                                  {"locations",
                                   {{{"physicalLocation",
                                      {{"artifactLocation", {{"uri", Uri(m.desdeAqui)}}},
                                       {"region", {{"startLine", h.lineaArchivo}}}}}}}}});
        }
    const nlohmann::json sarif = {
        {"$schema", "https://json.schemastore.org/sarif-2.1.0.json"},
        {"version", "2.1.0"},
        {"runs",
         {{{"tool",
            {{"driver", {{"name", "lintrap"}, {"version", LINTRAP_VERSION}, {"rules", reglas}}}}},
           {"results", resultados}}}}};
    return Json(sarif);
}

} // namespace

std::string TipoDe(engine::Motivo m) {
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

std::string CodigoDe(const std::string& tipo) {
    const std::size_t i = IndiceRegla(tipo);
    return i < std::size(kReglas) ? kReglas[i].codigo : "";
}

std::string InformeCheck(const std::vector<HallazgosModulo>& modulos, FormatoCheck formato) {
    switch (formato) {
    case FormatoCheck::Sarif:
        return Sarif(modulos);
    case FormatoCheck::Json: {
        nlohmann::json lista = nlohmann::json::array();
        for (const HallazgosModulo& m : modulos)
            for (const Hallazgo& h : m.hallazgos) {
                nlohmann::json j = {{"module", m.modulo}, {"file", m.archivo},
                                    {"line", h.linea},    {"fileLine", h.lineaArchivo},
                                    {"kind", h.tipo},     {"message", h.texto}};
                if (!h.procedimiento.empty())
                    j["procedure"] = h.procedimiento;
                else
                    j["value"] = h.valor;
                lista.push_back(std::move(j));
            }
        return Json({{"findings", lista}});
    }
    case FormatoCheck::Msbuild: {
        std::string texto;
        for (const HallazgosModulo& m : modulos)
            for (const Hallazgo& h : m.hallazgos)
                texto += m.desdeAqui + "(" + std::to_string(h.lineaArchivo) + "): warning " +
                         CodigoDe(h.tipo) + ": " + h.texto + "\n";
        return Salida::Visible(texto);
    }
    case FormatoCheck::Texto:
        break;
    }
    std::string texto;
    for (const HallazgosModulo& m : modulos)
        for (const Hallazgo& h : m.hallazgos)
            texto +=
                m.archivo + ", línea " + std::to_string(h.linea) + " del código: " + h.texto + "\n";
    return Salida::Visible(texto);
}

} // namespace cli
