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

void Salida::Out(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

void Salida::Err(std::string_view utf8) {
    CedeSiInterrumpido();
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
}

} // namespace cli
