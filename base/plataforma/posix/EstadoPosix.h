#pragma once
// Within the POSIX implementation: a stat(2) result as the platform layer describes a file.

#include "base/plataforma/Estado.h"

#include <sys/stat.h>

namespace plataforma {

Estado DeStat(const struct stat& st);

} // namespace plataforma
