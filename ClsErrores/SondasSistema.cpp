#include "ClsErrores/Sondas.h"
#include "ClsErrores/SondasEscritorio.h"
#include "ClsErrores/SondasLinux.h"
#include "ClsErrores/TextosSistema.h"
#include "base/plataforma/Sistema.h"

#include <filesystem>

namespace infosistema {

namespace {

std::string SiExiste(const char* carpeta) {
    return Sonda([&] {
        std::error_code ec;
        return std::filesystem::is_directory(carpeta, ec) ? std::string(carpeta) : std::string();
    });
}

// The user part of the address space: 47 bits on the 64-bit machines Linux runs on, 3 GiB on
// 32-bit ones; a limit set on the process narrows it.
std::uint64_t EspacioDirecciones() {
    std::uint64_t total = sizeof(void*) == 8 ? (std::uint64_t{1} << 47) : (std::uint64_t{3} << 30);
    const auto limite = plataforma::LimiteEspacioDirecciones();
    if (limite && *limite < total) {
        total = *limite;
    }
    return total;
}

} // namespace

// Only the windows that are up know the screen and the mouse here.
FuenteEscritorio* EscritorioDelSistema() {
    return nullptr;
}

std::string NombreOrdenador() {
    return Sonda([] { return plataforma::NombreOrdenador(); });
}

std::string VersionWindows() {
    return {};
}

std::string DirectorioWindows() {
    return {};
}
std::string DirectorioSystem() {
    return SiExiste("/usr/lib");
}
std::string DirectorioProgramFiles() {
    return SiExiste("/opt");
}
std::string DirectorioCommonFiles() {
    return SiExiste("/usr/share");
}

std::string NumeroCPUs() {
    return Sonda([] {
        const long n = plataforma::Procesadores();
        return n > 0 ? std::to_string(n) : std::string();
    });
}

std::string TipoProcesador() {
    return Sonda([] {
        const auto texto = LeeFichero("/proc/cpuinfo");
        const auto cpu = texto ? LeeCpuinfo(*texto) : std::nullopt;
        return cpu ? TextoProcesador(cpu->tipo, cpu->nivel, cpu->revision) : std::string();
    });
}

std::array<std::string, 4> InfoMemoria() {
    try {
        const auto meminfo = LeeFichero("/proc/meminfo");
        const auto estado = LeeFichero("/proc/self/status");
        if (!meminfo || !estado) {
            return {};
        }
        const auto total = ValorKB(*meminfo, "MemTotal");
        auto libre = ValorKB(*meminfo, "MemAvailable");
        if (!libre) {
            libre = ValorKB(*meminfo, "MemFree"); // kernels before 3.14
        }
        const auto usada = ValorKB(*estado, "VmSize");
        if (!total || !libre || !usada) {
            return {};
        }
        const std::uint64_t espacio = EspacioDirecciones();
        return TextosMemoria(*total, *libre, espacio, espacio > *usada ? espacio - *usada : 0,
                             SeparadorMiles());
    } catch (...) {
        return {};
    }
}

} // namespace infosistema
