#include "ClsErrores/Sondas.h"
#include "ClsErrores/SondasLinux.h"
#include "ClsErrores/TextosDrives.h"
#include "base/plataforma/Estado.h"
#include "base/plataforma/Sistema.h"

#include <algorithm>
#include <filesystem>
#include <map>

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
        std::map<std::uint64_t, std::pair<Montaje, int>> porDispositivo;
        for (const Montaje& m : LeeMontajes(mounts.value_or(""))) {
            const auto tipo =
                TipoMontaje(m, m.dispositivo.starts_with("/dev/") && Extraible(m.dispositivo));
            plataforma::Estado st;
            if (!tipo || plataforma::LeeEstado(m.punto, st) != 0 ||
                st.tipo != plataforma::Tipo::Carpeta) {
                continue;
            }
            auto [it, nuevo] = porDispositivo.try_emplace(st.dispositivo, m, *tipo);
            if (!nuevo && m.punto.size() < it->second.first.punto.size()) {
                it->second = {m, *tipo};
            }
        }
        for (const auto& [dev, par] : porDispositivo) {
            const auto& [m, tipo] = par;
            Drive d{m.punto, tipo, 0};
            if (tipo == DriveFijo) {
                const auto libres = plataforma::EspacioLibre(m.punto);
                if (!libres) {
                    continue; // its line cannot be built
                }
                d.bytesLibres = *libres;
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
