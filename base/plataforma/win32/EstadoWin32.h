#pragma once
// Within the Win32 implementation: an open handle as the platform layer describes a file.

#include "base/plataforma/Estado.h"

#include <windows.h>

namespace plataforma {

// 0, or the errno.
int EstadoDeAsa(HANDLE asa, Estado& estado);

} // namespace plataforma
