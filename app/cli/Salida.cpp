#include "app/cli/Salida.h"

#include "app/cli/Senales.h"

#include "base/CodePage.h"
#include "base/ErrorVB.h"

#include <cstdio>

namespace cli {

std::string Salida::Texto(std::string_view bytes) const {
    // Plain ASCII needs no conversion, and most names and lines are plain ASCII.
    for (unsigned char c : bytes)
        if (c >= 0x80)
            return codepage::AUtf8(bytes, cp_);
    return std::string(bytes);
}

std::string Salida::Bytes(std::string_view utf8, const std::string& opcion) const {
    auto bytes = codepage::DesdeUtf8(utf8, cp_);
    if (!bytes)
        throw ErrorVB(vberr::InvalidProcedureCall, "lintrap",
                      opcion + " \"" + std::string(utf8) + "\": la página de códigos " +
                          std::to_string(cp_) + " no puede escribir ese texto");
    return *bytes;
}

std::string Salida::Visible(std::string_view utf8) {
    std::string r;
    r.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const bool finDeLinea =
            c == '\n' || (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n');
        // A C1 character is two bytes in UTF-8: C2 80 to C2 9F.
        const bool c1 = c == 0xC2 && i + 1 < utf8.size() &&
                        static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
        if ((c >= 0x20 && c != 0x7F && !c1) || c == '\t' || finDeLinea) {
            r += static_cast<char>(c);
            continue;
        }
        const unsigned codigo = c1 ? static_cast<unsigned char>(utf8[++i]) : c;
        r += "\\x";
        r += "0123456789abcdef"[codigo >> 4];
        r += "0123456789abcdef"[codigo & 0xF];
    }
    return r;
}

void Salida::Out(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

void Salida::Err(std::string_view utf8) {
    CedeSiInterrumpido();
    const std::string visible = Visible(utf8);
    std::fwrite(visible.data(), 1, visible.size(), stderr);
}

} // namespace cli
