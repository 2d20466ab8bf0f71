#pragma once
// Reading and writing one value of the registry: a value is empty, a text, bytes or a 32-bit
// integer, stored with the type codes 1 (REG_SZ), 3 (REG_BINARY) and 4 (REG_DWORD). On Windows
// this is the system's registry (RegistroWindows.cpp). Elsewhere it is a per-user file (JSON,
// human-readable) with the same value model (Registro.cpp):
// the file is $LINTRAP_REGISTRY when set, else $XDG_CONFIG_HOME/lintrap/registro.json, else
// ~/.config/lintrap/registro.json. Writes take a lock on a side file, read the file again
// inside the lock, change it and replace it atomically, so that two programs writing at once
// lose nothing.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace registro {

using Valor = std::variant<std::monostate, std::string, std::vector<unsigned char>, std::int32_t>;

inline constexpr std::uint32_t HKEY_CLASSES_ROOT = 0x80000000, HKEY_CURRENT_USER = 0x80000001,
                               HKEY_LOCAL_MACHINE = 0x80000002, HKEY_USERS = 0x80000003,
                               HKEY_CURRENT_CONFIG = 0x80000005;
inline constexpr long REG_SZ = 1, REG_BINARY = 3, REG_DWORD = 4;

// The value, or empty when the key or the value is missing, the store cannot be read or the
// stored type is not one of the three. A text of length zero reads as the empty text.
Valor RegistryGetKeyValue(std::uint32_t root, const std::string& keyPath,
                          const std::string& valueName);

// Creates the key when missing, then writes the value converted to `type` (1, 3 or 4; any other
// type writes nothing). A value that cannot be converted or a store that cannot be written is
// reported in a message box titled "RegistrySetKeyValue"; nothing is thrown.
void RegistrySetKeyValue(std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, const Valor& value, long type);

// As RegistrySetKeyValue, for a step nobody asked for (the runtime registering itself when it
// starts): a store that cannot be written (no writable home) is passed by quietly, false.
bool RegistryTrySetKeyValue(std::uint32_t root, const std::string& keyPath,
                            const std::string& valueName, const Valor& value, long type) noexcept;

} // namespace registro
