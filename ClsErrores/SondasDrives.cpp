#include "ClsErrores/Sondas.h"
#include "ClsErrores/SondasLinux.h"
#include "ClsErrores/TextosDrives.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace infosistema {

namespace {

// A partition's removable flag is its disk's: /sys/class/block/sdb1/../removable.
bool Extraible(const std::string& dispositivo) {
    std::error_code ec;
    const auto real = std::filesystem::canonical(dispositivo, ec);
    if (ec) {
        return false;
    }
    const auto bloque = std::filesystem::path("/sys/class/block") / real.filename();
    for (const auto& f : {bloque / "removable", bloque / ".." / "removable"}) {
        if (const auto v = LeeFichero(f.string())) {
            return !v->empty() && (*v)[0] == '1';
        }
    }
    return false;
}

} // namespace

void InfoDrives(std::string& informe) {
    std::vector<Drive> drives;
    int disqueteras = 0;
    try {
        const auto mounts = LeeFichero("/proc/self/mounts");
        // One drive per device: a device mounted in several places (bind mounts) is shown at
        // its shortest mount point.
        std::map<dev_t, std::pair<Montaje, int>> porDispositivo;
        for (const Montaje& m : LeeMontajes(mounts.value_or(""))) {
            const auto tipo =
                TipoMontaje(m, m.dispositivo.starts_with("/dev/") && Extraible(m.dispositivo));
            struct stat st {};
            if (!tipo || stat(m.punto.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
                continue;
            }
            auto [it, nuevo] = porDispositivo.try_emplace(st.st_dev, m, *tipo);
            if (!nuevo && m.punto.size() < it->second.first.punto.size()) {
                it->second = {m, *tipo};
            }
        }
        for (const auto& [dev, par] : porDispositivo) {
            const auto& [m, tipo] = par;
            Drive d{m.punto, tipo, 0};
            if (tipo == DriveFijo) {
                struct statvfs vfs {};
                if (statvfs(m.punto.c_str(), &vfs) != 0) {
                    continue; // its line cannot be built
                }
                d.bytesLibres = static_cast<std::uint64_t>(vfs.f_bavail) * vfs.f_frsize;
            }
            if (m.dispositivo.starts_with("/dev/fd")) {
                ++disqueteras;
            }
            drives.push_back(std::move(d));
        }
        std::sort(drives.begin(), drives.end(),
                  [](const Drive& a, const Drive& b) { return a.texto < b.texto; });
    } catch (...) {
        // Whatever was gathered is still listed.
    }
    informe += LineasDrives(disqueteras, static_cast<double>(drives.size()), drives,
                            SeparadorMiles(), SeparadorDecimal());
}

} // namespace infosistema
