#pragma once
// The facts about this machine that the system report shows and only the system knows. Each
// says when it cannot be told, and the report leaves its line out.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace plataforma {

// The machine's name on the network; empty when unknown.
std::string NombreOrdenador();
// The processors at work now; 0 when unknown.
long Procesadores();
// The limit set on this process's address space; nothing when there is none.
std::optional<std::uint64_t> LimiteEspacioDirecciones();
// The bytes a user may still write on the file system that holds `carpeta`.
std::optional<std::uint64_t> EspacioLibre(const std::filesystem::path& carpeta);

} // namespace plataforma
