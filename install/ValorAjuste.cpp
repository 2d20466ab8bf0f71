#include "install/ValorAjuste.h"

#include "ClsErrores/Direccion.h"
#include "base/CodePage.h"
#include "base/ErrorVB.h"

namespace install {
namespace {

// Characters, not bytes: a UTF-8 continuation byte starts none.
std::size_t Caracteres(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s) {
        n += (c & 0xC0) != 0x80;
    }
    return n;
}

std::string NombreControl(unsigned char c) {
    switch (c) {
    case '\n':
        return "un salto de línea (LF)";
    case '\r':
        return "un retorno de carro (CR)";
    case '\t':
        return "un tabulador (TAB)";
    case '\0':
        return "un carácter nulo (NUL)";
    case 0x7F:
        return "un carácter de borrado (DEL)";
    default:
        static const char* hex = "0123456789ABCDEF";
        return std::string("un carácter de control (0x") + hex[c >> 4] + hex[c & 15] + ")";
    }
}

// The rules every text setting shares: `prefijo` is its line up to the opening quote.
std::string RechazoTexto(std::string_view ajuste, std::string_view prefijo,
                         std::string_view valor) {
    std::size_t posicion = 0;
    for (unsigned char c : valor) {
        posicion += (c & 0xC0) != 0x80;
        if (c < 0x20 || c == 0x7F) {
            return std::string(ajuste) + " no admite " + NombreControl(c) + " (en el carácter " +
                   std::to_string(posicion) +
                   "): su valor se escribe entre comillas en una sola línea de IniVal";
        }
    }
    // The literal doubles every quote inside it.
    std::size_t largo = Caracteres(prefijo) + Caracteres(valor) + 2;
    for (char c : valor) {
        largo += c == '"';
    }
    if (largo > LineaMasLarga) {
        return std::string(ajuste) + " es demasiado largo: su línea de IniVal tendría " +
               std::to_string(largo) + " caracteres y el editor no admite más de " +
               std::to_string(LineaMasLarga);
    }
    return {};
}

bool Booleano(std::string_view v) {
    return codepage::IgualesSinCaso(v, "True") || codepage::IgualesSinCaso(v, "False");
}

} // namespace

std::string RechazoDireccion(std::string_view valor) {
    std::string motivo = RechazoTexto("c_EMailDir", "c_EMailDir = ", valor);
    if (motivo.empty() && !valor.empty() && !correo::DireccionValida(valor)) {
        motivo = "c_EMailDir: \"" + std::string(valor) +
                 "\" no es una dirección de correo a la que se pueda mandar el informe (sin "
                 "espacios, <, >, comas ni puntos y comas)";
    }
    return motivo;
}

std::string RechazoMensaje(std::string_view valor) {
    return RechazoTexto("c_MsgOnError", "c_MsgOnError = ", valor);
}

void CompruebaAjustes(const engine::AjustesPendientes& a) {
    std::string motivo = RechazoDireccion(a.glbEmailDir);
    if (motivo.empty()) {
        motivo = RechazoMensaje(a.glbMsgOnError);
    }
    if (motivo.empty() && !Booleano(a.glbMandaEmail)) {
        motivo = "m_fSendEmailOnError sólo admite True o False, no \"" + a.glbMandaEmail + "\"";
    }
    if (motivo.empty() && !Booleano(a.glbLogOnError)) {
        motivo = "m_fLogOnError sólo admite True o False, no \"" + a.glbLogOnError + "\"";
    }
    if (!motivo.empty()) {
        throw ErrorVB(vberr::InvalidProcedureCall, "Lintrap", motivo);
    }
}

} // namespace install
