#include "base/plataforma/Proceso.h"

#include <cerrno>
#include <pthread.h>
#include <signal.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace plataforma {

long IdProceso() {
    return long(::getpid());
}

std::filesystem::path Ejecutable() {
    std::error_code ec;
    auto ruta = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path{} : ruta;
}

bool OtraInstancia() {
    const auto propio = Ejecutable();
    if (propio.empty()) {
        return false;
    }
    const std::string yo = std::to_string(IdProceso());
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator("/proc", ec)) {
        const std::string pid = e.path().filename().string();
        if (pid == yo || pid.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        std::error_code ec2;
        if (std::filesystem::read_symlink(e.path() / "exe", ec2) == propio && !ec2) {
            return true;
        }
    }
    return false;
}

bool ProcesoVivo(long id) {
    return id == IdProceso() || ::kill(pid_t(id), 0) == 0 || errno == EPERM;
}

void AlBifurcar(void (*rehace)()) {
    ::pthread_atfork(nullptr, nullptr, rehace);
}

} // namespace plataforma
