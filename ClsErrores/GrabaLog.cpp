// The log file: one record appended per handled error, and its reset.

#include "ClsErrores/LogRegistro.h"
#include "ClsErrores/clsErrores.h"
#include "base/ErrorVB.h"
#include "base/plataforma/Archivo.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

void clsErrores::GrabaLog() noexcept {
    // A record that cannot be written is lost without a word: the error handling goes on.
    try {
        std::string bytes = logerrores::ACodigoPagina(
            logerrores::TextoRegistro(*this, logerrores::FechaHora()), m_PaginaCodigos);
        bytes += "\r\n";
        // Opened for this record only and closed at once.
        std::ofstream f(m_Destination, std::ios::binary | std::ios::app);
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    } catch (...) {
    }
}

namespace {

[[noreturn]] void FalloLog(const std::string& ruta, const std::filesystem::path& tmp, int codigo) {
    if (!tmp.empty()) {
        plataforma::Borra(tmp);
    }
    const bool sinCarpeta = codigo == ENOENT || codigo == ENOTDIR;
    throw ErrorVB(sinCarpeta ? 76 : 75, "clsErrores",
                  std::string(sinCarpeta ? "No se ha encontrado la ruta de acceso: "
                                         : "Error de acceso a la ruta o el archivo: ") +
                      ruta);
}

} // namespace

bool clsErrores::ClearLog() {
    const std::string ruta = m_Destination;
    const std::string bytes =
        logerrores::ACodigoPagina("Log Borrado el " + logerrores::FechaHora(), m_PaginaCodigos) +
        "\r\n";
    // The new content goes to a temporary file beside the log, which then replaces it whole.
    std::filesystem::path tmp = ruta + ".XXXXXX";
    int error = 0;
    plataforma::Archivo archivo = plataforma::Archivo::Unico(tmp, error);
    if (error != 0) {
        FalloLog(ruta, {}, error);
    }
    // Keep the permissions of the file being replaced; a new one gets the usual 0644.
    plataforma::Estado actual;
    archivo.CambiaPermisos(plataforma::LeeEstado(ruta, actual) == 0 ? actual.permisos : 0644);
    error = archivo.EscribeTodo(bytes);
    if (error != 0) {
        archivo.Cierra();
        FalloLog(ruta, tmp, error);
    }
    error = archivo.Cierra();
    if (error == 0) {
        error = plataforma::Sustituye(tmp, ruta);
    }
    if (error != 0) {
        FalloLog(ruta, tmp, error);
    }
    return true;
}
