#include "install/LineasAjuste.h"

#include "base/CodePage.h"
#include "base/ErrorVB.h"
#include "engine/Etiquetas.h"
#include "engine/Lineas.h"
#include "install/ValorAjuste.h"

#include <optional>

namespace install {
namespace {

std::string ACodigo(const std::string& texto, std::string_view ajuste, int paginaCodigos) {
    auto bytes = codepage::DesdeUtf8(texto, paginaCodigos);
    if (!bytes) {
        throw ErrorVB(vberr::InvalidProcedureCall, "Lintrap",
                      "El valor de " + std::string(ajuste) + " (\"" + texto +
                          "\") tiene caracteres que la página de códigos " +
                          std::to_string(paginaCodigos) + " del proyecto no puede guardar");
    }
    return *bytes;
}

// The text after `clave` on a setting's line, trimmed; nothing when the line does not hold it.
std::optional<std::string_view> TrasClave(std::string_view linea, std::string_view clave,
                                          const engine::Tabla& tabla) {
    const std::size_t donde = engine::Busca(linea, clave, tabla);
    if (donde == std::string_view::npos) {
        return std::nullopt;
    }
    return engine::Recorta(linea.substr(donde + clave.size()));
}

// A flag as the class writes it.
std::optional<std::string> LeeBooleano(std::string_view valor) {
    for (const char* b : {"True", "False"}) {
        if (codepage::IgualesSinCaso(valor, b)) {
            return b;
        }
    }
    return std::nullopt;
}

// One string literal, quotes undoubled; a comment may follow it.
std::optional<std::string> LeeLiteral(std::string_view valor) {
    if (valor.empty() || valor.front() != '"') {
        return std::nullopt;
    }
    std::string texto;
    std::size_t i = 1;
    for (; i < valor.size(); ++i) {
        if (valor[i] == '"') {
            if (i + 1 < valor.size() && valor[i + 1] == '"') {
                ++i;
            } else {
                break;
            }
        }
        texto += valor[i];
    }
    if (i >= valor.size()) {
        return std::nullopt; // never closed
    }
    const std::string_view resto = engine::Recorta(valor.substr(i + 1));
    if (!resto.empty() && !engine::EsComentario(resto)) {
        return std::nullopt;
    }
    return texto;
}

} // namespace

std::string Literal(std::string_view texto) {
    std::string r = "\"";
    for (char c : texto) {
        r += c;
        if (c == '"') {
            r += '"';
        }
    }
    r += '"';
    return r;
}

LineasAjuste NuevasLineas(const engine::AjustesPendientes& a, int cp) {
    CompruebaAjustes(a);
    LineasAjuste l;
    l.mandaEmail = "m_fSendEmailOnError = " + ACodigo(a.glbMandaEmail, "glbMandaEmail", cp);
    l.emailDir = "c_EMailDir = " + Literal(ACodigo(a.glbEmailDir, "glbEmailDir", cp));
    l.msgOnError = "c_MsgOnError = " + Literal(ACodigo(a.glbMsgOnError, "glbMsgOnError", cp));
    l.logOnError = "m_fLogOnError =  " + ACodigo(a.glbLogOnError, "glbLogOnError", cp);
    return l;
}

Tramo LineasIniVal(vbide::CodeModule& cls, int paginaCodigos) {
    const auto& tabla = codepage::TablaMinusculas(paginaCodigos);
    const long primera = cls.Members().Item("IniVal").CodeLocation();
    const long propias = cls.ProcStartLine("IniVal", vbide::ProcKind::Proc) +
                         cls.ProcCountLines("IniVal", vbide::ProcKind::Proc) - 1;
    // A continued line's "End Sub" is data, not the end.
    bool continuada = engine::Continua(engine::Recorta(cls.Line(primera)));
    for (long l = primera + 1; l <= propias; ++l) {
        const std::string_view t = engine::Recorta(cls.Line(l));
        if (!continuada && engine::EsFin(t, tabla)) {
            return {primera, l};
        }
        continuada = engine::Continua(t);
    }
    return {primera, propias};
}

void EscribeAjustes(vbide::CodeModule& cls, const LineasAjuste& lineas, const ClavesAjuste& claves,
                    int paginaCodigos) {
    const auto& tabla = codepage::TablaMinusculas(paginaCodigos);
    const Tramo iniVal = LineasIniVal(cls, paginaCodigos);
    const std::pair<std::string_view, const std::string*> pruebas[] = {
        {claves.mandaEmail, &lineas.mandaEmail},
        {claves.emailDir, &lineas.emailDir},
        {claves.msgOnError, &lineas.msgOnError},
        {claves.logOnError, &lineas.logOnError}};
    for (long l = iniVal.primera; l <= iniVal.ultima; ++l) {
        for (const auto& [clave, nueva] : pruebas) {
            if (engine::Contiene(cls.Lines(l, 1), clave, tabla)) {
                cls.ReplaceLine(l, *nueva);
            }
        }
    }
}

engine::AjustesPendientes LeeAjustes(vbide::CodeModule& cls, int paginaCodigos) {
    const auto& tabla = codepage::TablaMinusculas(paginaCodigos);
    const Tramo iniVal = LineasIniVal(cls, paginaCodigos);
    engine::AjustesPendientes a;
    struct Lectura {
        std::string_view clave;
        bool literal;
        std::string* destino;
        long linea = 0;
    } lecturas[] = {{ClavesDialogo.mandaEmail, false, &a.glbMandaEmail},
                    {ClavesDialogo.emailDir, true, &a.glbEmailDir},
                    {ClavesDialogo.msgOnError, true, &a.glbMsgOnError},
                    {ClavesDialogo.logOnError, false, &a.glbLogOnError}};
    for (long l = iniVal.primera; l <= iniVal.ultima; ++l) {
        const std::string_view linea = cls.Line(l);
        if (engine::EsComentario(engine::Recorta(linea))) {
            continue;
        }
        for (Lectura& lectura : lecturas) {
            const auto valor = TrasClave(linea, lectura.clave, tabla);
            if (!valor) {
                continue;
            }
            const auto leido = lectura.literal ? LeeLiteral(*valor) : LeeBooleano(*valor);
            if (!leido) {
                throw ErrorVB(vberr::InvalidProcedureCall, "Lintrap",
                              "IniVal, línea " + std::to_string(l) + " (\"" +
                                  codepage::AUtf8(engine::Recorta(linea), paginaCodigos) +
                                  "\"): no da a su ajuste un valor que se pueda leer (" +
                                  (lectura.literal ? "un texto entre comillas" : "True o False") +
                                  "); corríjala a mano");
            }
            *lectura.destino = codepage::AUtf8(*leido, paginaCodigos);
            lectura.linea = l;
        }
    }
    for (const Lectura& lectura : lecturas) {
        if (lectura.linea == 0) {
            throw ErrorVB(vberr::InvalidProcedureCall, "Lintrap",
                          "IniVal no tiene la línea de su ajuste " +
                              std::string(lectura.clave.substr(0, lectura.clave.find(' '))));
        }
    }
    // A message of the user's own is also the custom message the dialog keeps.
    if (!codepage::IgualesSinCaso(a.glbMsgOnError, "normal")) {
        a.glbMsgPersonal = a.glbMsgOnError;
    }
    return a;
}

} // namespace install
