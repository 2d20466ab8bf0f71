#include "install/LineasAjuste.h"

#include "base/CodePage.h"
#include "base/ErrorVB.h"
#include "engine/Lineas.h"

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
    LineasAjuste l;
    l.mandaEmail = "m_fSendEmailOnError = " + ACodigo(a.glbMandaEmail, "glbMandaEmail", cp);
    l.emailDir = "c_EMailDir = " + Literal(ACodigo(a.glbEmailDir, "glbEmailDir", cp));
    l.msgOnError = "c_MsgOnError = " + Literal(ACodigo(a.glbMsgOnError, "glbMsgOnError", cp));
    l.logOnError = "m_fLogOnError =  " + ACodigo(a.glbLogOnError, "glbLogOnError", cp);
    return l;
}

void EscribeAjustes(vbide::CodeModule& cls, const LineasAjuste& lineas, const ClavesAjuste& claves,
                    int paginaCodigos) {
    const auto& tabla = codepage::TablaMinusculas(paginaCodigos);
    const long ultima = cls.CountOfLines();
    const long primera = cls.Members().Item("IniVal").CodeLocation();
    const std::pair<std::string_view, const std::string*> pruebas[] = {
        {claves.mandaEmail, &lineas.mandaEmail},
        {claves.emailDir, &lineas.emailDir},
        {claves.msgOnError, &lineas.msgOnError},
        {claves.logOnError, &lineas.logOnError}};
    for (long l = primera; l <= ultima; ++l) {
        for (const auto& [clave, nueva] : pruebas) {
            if (engine::Contiene(cls.Lines(l, 1), clave, tabla)) {
                cls.ReplaceLine(l, *nueva);
            }
        }
    }
}

} // namespace install
