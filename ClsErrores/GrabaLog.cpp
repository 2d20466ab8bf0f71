// The log file: one record appended per handled error, and its reset.

#include "ClsErrores/LogRegistro.h"
#include "ClsErrores/clsErrores.h"
#include "base/ErrorVB.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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

[[noreturn]] void FalloLog(const std::string& ruta, const std::string& tmp, int codigo) {
    if (!tmp.empty()) {
        ::unlink(tmp.c_str());
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
    std::string tmp = ruta + ".XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) {
        FalloLog(ruta, {}, errno);
    }
    // Keep the permissions of the file being replaced; a new one gets the usual 0644.
    struct stat actual {};
    ::fchmod(fd, ::stat(ruta.c_str(), &actual) == 0 ? (actual.st_mode & 07777) : 0644);
    std::size_t hecho = 0;
    while (hecho < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + hecho, bytes.size() - hecho);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int e = errno;
            ::close(fd);
            FalloLog(ruta, tmp, e);
        }
        hecho += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0) {
        FalloLog(ruta, tmp, errno);
    }
    if (std::rename(tmp.c_str(), ruta.c_str()) != 0) {
        FalloLog(ruta, tmp, errno);
    }
    return true;
}
