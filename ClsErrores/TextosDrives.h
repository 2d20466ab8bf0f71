#pragma once
// The drive lines of the system report: floppy and disk counts and one line per drive with its
// type and, for fixed drives, the free space in units of 1000 bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace infosistema {

// Drive types as GetDriveType numbers them.
enum TipoDrive : int {
    DriveDesconocido = 0,
    DriveSinRaiz = 1,
    DriveExtraible = 2,
    DriveFijo = 3,
    DriveRemoto = 4,
    DriveCD = 5,
    DriveRAM = 6
};

struct Drive {
    std::string texto; // "C:" on Windows, the mount point here
    int tipo = DriveDesconocido;
    std::uint64_t bytesLibres = 0; // available to the caller
};

// Floppies in a GetLogicalDriveStrings list ("A:\␀C:\␀..."): "A:\" as its first entry, and
// "B:\" as its second.
int ContarDisqueteras(std::string_view lista);

// One drive's line with its line break, or nothing for the types that get none (1, 6, others).
std::optional<std::string> LineaDrive(const Drive& drive, std::string_view separadorMiles);

// The floppy line, the disk line (entries minus floppies) and the drives' lines in order.
std::string LineasDrives(int disqueteras, double entradas, const std::vector<Drive>& drives,
                         std::string_view separadorMiles, std::string_view separadorDecimal);

} // namespace infosistema
