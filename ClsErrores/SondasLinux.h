#pragma once
// Readers of the kernel's text files behind the probes, separate from the files themselves so
// that any machine's contents can be checked.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace infosistema {

// The first processor of /proc/cpuinfo as GetSystemInfo would describe it: x86 processors are
// type 586 with the family as level and model and stepping as the revision's two bytes; any
// other processor is of an unknown type.
struct DatosCpu {
    long tipo = 0;
    int nivel = 0;
    std::uint16_t revision = 0;
};
std::optional<DatosCpu> LeeCpuinfo(std::string_view cpuinfo);

// A "Name:   123 kB" value of /proc/meminfo or /proc/self/status, in bytes.
std::optional<std::uint64_t> ValorKB(std::string_view texto, std::string_view nombre);

// One line of /proc/self/mounts, with the octal escapes (\040 for a space) decoded.
struct Montaje {
    std::string dispositivo, punto, tipo;
};
std::vector<Montaje> LeeMontajes(std::string_view mounts);

// Drive type of a mount: network file systems are remote, CD file systems and /dev/sr* are CDs,
// /dev/fd* and removable block devices are removable, other block devices are fixed. Nothing
// for the kernel's own file systems, which are no drives.
std::optional<int> TipoMontaje(const Montaje& m, bool extraible);

// Runs a probe: whatever fails in it gives the empty text, as no probe passes an error on.
template <class F> std::string Sonda(F&& f) noexcept {
    try {
        return f();
    } catch (...) {
        return {};
    }
}

// Reads a whole file; nothing when it cannot be read.
std::optional<std::string> LeeFichero(const std::string& ruta);

} // namespace infosistema
