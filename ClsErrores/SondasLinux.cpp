#include "ClsErrores/SondasLinux.h"

#include "ClsErrores/TextosDrives.h"

#include <array>
#include <charconv>
#include <fstream>
#include <sstream>

namespace infosistema {

namespace {

std::string_view Recorta(std::string_view s) {
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos) {
        return {};
    }
    const auto b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

// The value of "clave<tabs>: valor" in the first block of a /proc text (blocks end at an empty
// line).
std::optional<std::string_view> Campo(std::string_view texto, std::string_view clave) {
    std::size_t pos = 0;
    while (pos < texto.size()) {
        auto fin = texto.find('\n', pos);
        if (fin == std::string_view::npos) {
            fin = texto.size();
        }
        const std::string_view linea = texto.substr(pos, fin - pos);
        pos = fin + 1;
        if (Recorta(linea).empty()) {
            break;
        }
        const auto dos = linea.find(':');
        if (dos != std::string_view::npos && Recorta(linea.substr(0, dos)) == clave) {
            return Recorta(linea.substr(dos + 1));
        }
    }
    return std::nullopt;
}

std::optional<unsigned long long> Numero(std::string_view s) {
    unsigned long long n = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec != std::errc{} || p == s.data()) {
        return std::nullopt;
    }
    return n;
}

std::string Desescapa(std::string_view s) {
    std::string r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() && s[i + 1] >= '0' && s[i + 1] <= '3' &&
            s[i + 2] >= '0' && s[i + 2] <= '7' && s[i + 3] >= '0' && s[i + 3] <= '7') {
            r += static_cast<char>((s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0'));
            i += 3;
        } else {
            r += s[i];
        }
    }
    return r;
}

} // namespace

std::optional<DatosCpu> LeeCpuinfo(std::string_view cpuinfo) {
    if (Recorta(cpuinfo).empty()) {
        return std::nullopt;
    }
    DatosCpu cpu;
    const auto familia = Campo(cpuinfo, "cpu family");
    if (!familia) {
        return cpu; // not an x86: a type the report calls unknown
    }
    cpu.tipo = 586;
    cpu.nivel = static_cast<int>(Numero(*familia).value_or(0));
    const auto modelo = Numero(Campo(cpuinfo, "model").value_or("")).value_or(0);
    const auto paso = Numero(Campo(cpuinfo, "stepping").value_or("")).value_or(0);
    cpu.revision = static_cast<std::uint16_t>(((modelo & 0xFF) << 8) | (paso & 0xFF));
    return cpu;
}

std::optional<std::uint64_t> ValorKB(std::string_view texto, std::string_view nombre) {
    std::size_t pos = 0;
    while (pos < texto.size()) {
        auto fin = texto.find('\n', pos);
        if (fin == std::string_view::npos) {
            fin = texto.size();
        }
        const std::string_view linea = texto.substr(pos, fin - pos);
        pos = fin + 1;
        const auto dos = linea.find(':');
        if (dos == std::string_view::npos || linea.substr(0, dos) != nombre) {
            continue;
        }
        const auto n = Numero(Recorta(linea.substr(dos + 1)));
        if (!n) {
            return std::nullopt;
        }
        return *n * 1024; // the kernel's "kB" are units of 1024 bytes
    }
    return std::nullopt;
}

std::vector<Montaje> LeeMontajes(std::string_view mounts) {
    std::vector<Montaje> lista;
    std::istringstream entrada{std::string(mounts)};
    std::string linea;
    while (std::getline(entrada, linea)) {
        std::istringstream campos(linea);
        std::string dispositivo, punto, tipo;
        if (campos >> dispositivo >> punto >> tipo) {
            lista.push_back({Desescapa(dispositivo), Desescapa(punto), tipo});
        }
    }
    return lista;
}

std::optional<int> TipoMontaje(const Montaje& m, bool extraible) {
    static constexpr std::array<std::string_view, 9> remotos = {
        "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "9p", "fuse.sshfs"};
    for (auto r : remotos) {
        if (m.tipo == r) {
            return DriveRemoto;
        }
    }
    if (m.tipo == "iso9660" || m.tipo == "udf" || m.dispositivo.starts_with("/dev/sr")) {
        return DriveCD;
    }
    if (!m.dispositivo.starts_with("/dev/")) {
        return std::nullopt;
    }
    if (m.dispositivo.starts_with("/dev/fd") || extraible) {
        return DriveExtraible;
    }
    return DriveFijo;
}

std::optional<std::string> LeeFichero(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    if (!f) {
        return std::nullopt;
    }
    std::ostringstream s;
    s << f.rdbuf();
    if (f.bad()) {
        return std::nullopt;
    }
    return s.str();
}

} // namespace infosistema
