#include "base/plataforma/Proceso.h"

#include <cerrno>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

namespace plataforma {

long IdProceso() {
    return long(::getpid());
}

bool ProcesoVivo(long id) {
    return id == IdProceso() || ::kill(pid_t(id), 0) == 0 || errno == EPERM;
}

void AlBifurcar(void (*rehace)()) {
    ::pthread_atfork(nullptr, nullptr, rehace);
}

} // namespace plataforma
