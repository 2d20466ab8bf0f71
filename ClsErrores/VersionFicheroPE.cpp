// The version resource of a file read from the file itself (Portable Executable format), on
// systems without the version library.

#include "ClsErrores/Sondas.h"
#include "ClsErrores/SondasLinux.h"
#include "ClsErrores/Textos.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <optional>

namespace infosistema {

namespace {

// Little-endian reads at any offset of a file; nothing past its end.
class Lector {
public:
    explicit Lector(const std::string& ruta) : m_f(ruta, std::ios::binary) {}
    explicit operator bool() const { return static_cast<bool>(m_f); }

    std::optional<std::uint32_t> Lee(std::uint64_t pos, int bytes) {
        unsigned char b[4] = {};
        m_f.clear();
        m_f.seekg(static_cast<std::streamoff>(pos));
        if (!m_f.read(reinterpret_cast<char*>(b), bytes)) {
            return std::nullopt;
        }
        std::uint32_t v = 0;
        for (int i = bytes - 1; i >= 0; --i) {
            v = (v << 8) | b[i];
        }
        return v;
    }
    std::optional<std::uint32_t> U16(std::uint64_t pos) { return Lee(pos, 2); }
    std::optional<std::uint32_t> U32(std::uint64_t pos) { return Lee(pos, 4); }

private:
    std::ifstream m_f;
};

constexpr std::uint32_t RT_VERSION = 16;
constexpr std::uint32_t FirmaFixedFileInfo = 0xFEEF04BD;

struct Secciones {
    std::uint64_t tabla = 0;
    unsigned cuenta = 0;
};

// File offset of a relative virtual address, through the section table.
std::optional<std::uint64_t> Desplazamiento(Lector& f, const Secciones& s, std::uint32_t rva) {
    for (unsigned i = 0; i < s.cuenta; ++i) {
        const std::uint64_t sec = s.tabla + 40ull * i;
        const auto tamVirtual = f.U32(sec + 8), va = f.U32(sec + 12), tamCrudo = f.U32(sec + 16),
                   crudo = f.U32(sec + 20);
        if (!tamVirtual || !va || !tamCrudo || !crudo) {
            return std::nullopt;
        }
        const std::uint64_t tam = std::max(*tamVirtual, *tamCrudo);
        if (rva >= *va && rva < *va + tam) {
            return std::uint64_t{*crudo} + (rva - *va);
        }
    }
    return std::nullopt;
}

// The entry of a resource directory with the given id, or its first entry when `id` is empty;
// the value is the entry's OffsetToData word.
std::optional<std::uint32_t> Entrada(Lector& f, std::uint64_t dir,
                                     std::optional<std::uint32_t> id) {
    const auto conNombre = f.U16(dir + 12), conId = f.U16(dir + 14);
    if (!conNombre || !conId) {
        return std::nullopt;
    }
    const unsigned total = *conNombre + *conId;
    for (unsigned i = 0; i < total; ++i) {
        const std::uint64_t e = dir + 16 + 8ull * i;
        const auto nombre = f.U32(e);
        if (!nombre) {
            return std::nullopt;
        }
        if (!id || (!(*nombre & 0x80000000u) && *nombre == *id)) {
            return f.U32(e + 4);
        }
    }
    return std::nullopt;
}

std::optional<std::pair<std::uint32_t, std::uint32_t>> VersionPE(const std::string& ruta) {
    Lector f(ruta);
    if (!f || f.U16(0) != 0x5A4D) { // "MZ"
        return std::nullopt;
    }
    const auto pe = f.U32(0x3C);
    if (!pe || f.U32(*pe) != 0x00004550) { // "PE\0\0"
        return std::nullopt;
    }
    const std::uint64_t coff = *pe + 4ull, opcional = coff + 20;
    const auto nSecciones = f.U16(coff + 2), tamOpcional = f.U16(coff + 16),
               magia = f.U16(opcional);
    if (!nSecciones || !tamOpcional || !magia || (*magia != 0x10b && *magia != 0x20b)) {
        return std::nullopt;
    }
    const std::uint64_t directorios = opcional + (*magia == 0x10b ? 96 : 112);
    const auto nDirectorios = f.U32(directorios - 4);
    if (!nDirectorios || *nDirectorios < 3) {
        return std::nullopt;
    }
    const auto rvaRecursos = f.U32(directorios + 2 * 8);
    if (!rvaRecursos || *rvaRecursos == 0) {
        return std::nullopt;
    }
    const Secciones secciones{opcional + *tamOpcional, *nSecciones};
    const auto raiz = Desplazamiento(f, secciones, *rvaRecursos);
    if (!raiz) {
        return std::nullopt;
    }
    // Three levels: type (RT_VERSION), name, language; the first name and language will do.
    std::optional<std::uint32_t> entrada = Entrada(f, *raiz, RT_VERSION);
    for (int nivel = 0; nivel < 2; ++nivel) {
        if (!entrada || !(*entrada & 0x80000000u)) {
            return std::nullopt;
        }
        entrada = Entrada(f, *raiz + (*entrada & 0x7FFFFFFFu), std::nullopt);
    }
    if (!entrada || (*entrada & 0x80000000u)) {
        return std::nullopt;
    }
    const std::uint64_t datos = *raiz + *entrada;
    const auto rvaVersion = f.U32(datos), tamVersion = f.U32(datos + 4);
    if (!rvaVersion || !tamVersion) {
        return std::nullopt;
    }
    const auto inicio = Desplazamiento(f, secciones, *rvaVersion);
    if (!inicio) {
        return std::nullopt;
    }
    // VS_VERSIONINFO: a header, the key "VS_VERSION_INFO" in UTF-16, padding to 32 bits and
    // then VS_FIXEDFILEINFO; look for its signature rather than trust the padding.
    const std::uint32_t limite = std::min<std::uint32_t>(*tamVersion, 256);
    for (std::uint32_t off = 4; off + 16 <= limite; off += 4) {
        if (f.U32(*inicio + off) == FirmaFixedFileInfo) {
            const auto ms = f.U32(*inicio + off + 8), ls = f.U32(*inicio + off + 12);
            if (!ms || !ls) {
                return std::nullopt;
            }
            return std::pair{*ms, *ls};
        }
    }
    return std::nullopt;
}

} // namespace

std::string VersionFichero(const std::string& ruta) {
    return Sonda([&] {
        const auto v = VersionPE(ruta);
        if (!v) {
            return std::string();
        }
        return std::to_string(HiWord(v->first)) + "." + std::to_string(LoWord(v->first)) + "." +
               std::to_string(HiWord(v->second)) + "." + std::to_string(LoWord(v->second));
    });
}

} // namespace infosistema
