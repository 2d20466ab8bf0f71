#pragma once
// What a folder's file system allows, and flushing the folder itself: after renames in it, its
// entries must reach the disk too for the renames to survive a crash.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

namespace plataforma {

// Whether this process may create, rename and remove files in the folder.
bool PuedeEscribirEnCarpeta(const std::filesystem::path& carpeta);

// The longest file name the folder's file system takes.
std::size_t NombreMasLargo(const std::filesystem::path& carpeta);

// The name of the existing entry `ruta` as its folder lists it: Windows finds a name written
// in any case, and this is the one on the disk. `ruta`'s own name where the system matches
// names exactly, or when it cannot be told.
std::filesystem::path NombreEnCarpeta(const std::filesystem::path& ruta);

// Where a Windows path that names its own root starts: `raiz` is a drive ("C:"), a share
// ("\\servidor\recurso") or empty for the root of `carpeta`'s drive ("\Comun\util.bas").
// Nothing where the system has no drives nor shares: such a path leads nowhere here.
std::optional<std::filesystem::path> RaizWindows(std::string_view raiz,
                                                 const std::filesystem::path& carpeta);

// Waits until the folder's entries are on the disk itself. 0, or the errno; EINVAL where its
// file system keeps no folder to flush.
int VaciaCarpeta(const std::filesystem::path& carpeta);

} // namespace plataforma
