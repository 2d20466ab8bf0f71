#include "ClsErrores/LogRegistro.h"

#include "ClsErrores/clsErrores.h"
#include "base/CodePage.h"

#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>

namespace logerrores {
namespace {

// Length of the UTF-8 sequence that starts with `b`, or 0 when `b` cannot start one.
std::size_t LargoSecuencia(unsigned char b) {
    if (b < 0x80) {
        return 1;
    }
    if (b >= 0xC2 && b <= 0xDF) {
        return 2;
    }
    if (b >= 0xE0 && b <= 0xEF) {
        return 3;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        return 4;
    }
    return 0;
}

std::string_view PrimerosCaracteres(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (; i < s.size() && n > 0; --n) {
        const std::size_t l = LargoSecuencia(static_cast<unsigned char>(s[i]));
        i += l == 0 ? 1 : l;
    }
    return s.substr(0, std::min(i, s.size()));
}

// A field value as it goes into the record. A line break inside it continues on the next line
// indented by two spaces, so that no value can start a line of its own that reads as a
// separator or a label of the next record; other control characters would make the file
// unreadable as text and are written as '?'.
std::string Campo(std::string_view valor) {
    std::string r;
    r.reserve(valor.size());
    for (std::size_t i = 0; i < valor.size(); ++i) {
        const char c = valor[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < valor.size() && valor[i + 1] == '\n') {
                ++i;
            }
            r += "\r\n  ";
        } else if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) {
            r += '?';
        } else {
            r += c;
        }
    }
    return r;
}

const std::locale& LocaleUsuario() {
    static const std::locale loc = [] {
        try {
            return std::locale("");
        } catch (...) {
            return std::locale::classic();
        }
    }();
    return loc;
}

} // namespace

std::size_t Caracteres(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char b : utf8) {
        // Continuation bytes do not start a character.
        if ((b & 0xC0) != 0x80) {
            ++n;
        }
    }
    return n;
}

std::string RutaLog(std::string carpeta) {
    if (!carpeta.empty() && (carpeta.back() == '/' || carpeta.back() == '\\')) {
        carpeta.pop_back();
    }
    return carpeta + "/Errores.log";
}

std::string FechaHora() {
    const std::time_t ahora = std::time(nullptr);
    std::tm tm{};
    localtime_r(&ahora, &tm);
    std::ostringstream o;
    o.imbue(LocaleUsuario());
    o << std::put_time(&tm, "%x %X");
    return o.str();
}

std::string TextoRegistro(const clsErrores& e, std::string_view fecha) {
    std::string t;
    t.reserve(512);
    t += "====================";
    t += "\r\nFecha = ";
    t += fecha;
    t += "\r\nErrorNumber = ";
    t += std::to_string(e.ErrNumber());
    t += "\r\nErrorDescription = ";
    t += Campo(PrimerosCaracteres(e.ErrDescription(), 255));
    t += "\r\nErrorSource = ";
    t += Campo(e.ErrSource());
    t += "\r\nErrorLine = ";
    t += std::to_string(e.ErrLine());
    t += "\r\nProcedimiento = ";
    t += Campo(e.ProcedimientoActual());
    t += "\r\nPilaLlamadas = ";
    // Outermost first, each level indented two spaces more than the one before.
    for (int n = 0; n < e.Ranuras(); ++n) {
        const std::string& entrada = e.Entrada(n);
        if (entrada.empty()) {
            continue;
        }
        if (n < 10) {
            t += '0';
        }
        t += std::to_string(n);
        t.append(static_cast<std::size_t>(2 * n), ' ');
        t += Campo(entrada);
        t += "\r\n";
    }
    t += "\r\nEmail = ";
    t += e.MandaEmailOnError() ? "True" : "False";
    t += "\r\nMsgBox = ";
    t += Campo(e.MsgOnError());
    return t;
}

std::string ACodigoPagina(std::string_view utf8, int cp) {
    if (auto todo = codepage::DesdeUtf8(utf8, cp)) {
        return *todo;
    }
    std::string r;
    r.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t l = LargoSecuencia(static_cast<unsigned char>(utf8[i]));
        if (l == 0 || i + l > utf8.size()) {
            r += '?';
            ++i;
            continue;
        }
        const auto uno = codepage::DesdeUtf8(utf8.substr(i, l), cp);
        if (uno && !uno->empty()) {
            r += *uno;
        } else {
            r += '?';
        }
        i += l;
    }
    return r;
}

} // namespace logerrores
