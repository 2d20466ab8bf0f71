// The probes' readers on known kernel texts, the version resource of generated library files,
// and the probes themselves on this machine where their result is known.

#include "ClsErrores/Sondas.h"
#include "ClsErrores/SondasLinux.h"
#include "ClsErrores/TextosDrives.h"
#include "ClsErrores/TextosSistema.h"
#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <unistd.h>
#include <vector>

using namespace infosistema;
namespace fs = std::filesystem;

namespace {

void Pon16(std::string& b, std::size_t pos, std::uint32_t v) {
    b[pos] = static_cast<char>(v & 0xFF);
    b[pos + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void Pon32(std::string& b, std::size_t pos, std::uint32_t v) {
    Pon16(b, pos, v & 0xFFFF);
    Pon16(b, pos + 2, v >> 16);
}

// A minimal Portable Executable with one ".rsrc" section holding a version resource whose file
// version is ms.ls; `pe64` writes the PE32+ optional header.
std::string PEConVersion(std::uint32_t ms, std::uint32_t ls, bool pe64) {
    const std::size_t pe = 0x40, coff = pe + 4, opcional = coff + 20;
    const std::size_t tamOpcional = pe64 ? 240 : 224;
    const std::size_t secciones = opcional + tamOpcional, crudo = 0x200, rva = 0x1000;
    std::string b(crudo + 0x200, 0);
    b[0] = 'M';
    b[1] = 'Z';
    Pon32(b, 0x3C, pe);
    b[pe] = 'P';
    b[pe + 1] = 'E';
    Pon16(b, coff, pe64 ? 0x8664 : 0x14C);
    Pon16(b, coff + 2, 1);
    Pon16(b, coff + 16, static_cast<std::uint32_t>(tamOpcional));
    Pon16(b, opcional, pe64 ? 0x20B : 0x10B);
    const std::size_t directorios = opcional + (pe64 ? 112 : 96);
    Pon32(b, directorios - 4, 16);
    Pon32(b, directorios + 16, rva);
    Pon32(b, directorios + 20, 0x200);
    std::copy_n(".rsrc", 5, b.begin() + static_cast<long>(secciones));
    Pon32(b, secciones + 8, 0x200);
    Pon32(b, secciones + 12, rva);
    Pon32(b, secciones + 16, 0x200);
    Pon32(b, secciones + 20, crudo);
    // Type directory (RT_VERSION), name directory, language directory, data entry.
    Pon16(b, crudo + 14, 1);
    Pon32(b, crudo + 16, 16);
    Pon32(b, crudo + 20, 0x80000000u | 0x18);
    Pon16(b, crudo + 0x18 + 14, 1);
    Pon32(b, crudo + 0x18 + 16, 1);
    Pon32(b, crudo + 0x18 + 20, 0x80000000u | 0x30);
    Pon16(b, crudo + 0x30 + 14, 1);
    Pon32(b, crudo + 0x30 + 16, 0x0C0A);
    Pon32(b, crudo + 0x30 + 20, 0x48);
    Pon32(b, crudo + 0x48, rva + 0x58);
    Pon32(b, crudo + 0x4C, 92);
    // VS_VERSIONINFO: header, key in UTF-16, padding, VS_FIXEDFILEINFO.
    const std::size_t v = crudo + 0x58;
    Pon16(b, v, 92);
    Pon16(b, v + 2, 52);
    const std::string clave = "VS_VERSION_INFO";
    for (std::size_t i = 0; i < clave.size(); ++i) {
        Pon16(b, v + 6 + 2 * i, static_cast<unsigned char>(clave[i]));
    }
    Pon32(b, v + 40, 0xFEEF04BD);
    Pon32(b, v + 44, 0x00010000);
    Pon32(b, v + 48, ms);
    Pon32(b, v + 52, ls);
    Pon32(b, v + 56, ms);
    Pon32(b, v + 60, ls);
    return b;
}

} // namespace

TEST(Sondas, VersionDeFicherosPE) {
    soporte::Carpeta c;
    const auto pe = PEConVersion(0x00020050, 0x03FE0000, false);
    auto sinVersion = pe, sinFirma = pe, fuera = pe;
    Pon32(sinVersion, 0x200 + 16, 3);       // an icon where the version was
    Pon32(sinFirma, 0x200 + 0x58 + 40, 0);  // no signature in the fixed information
    Pon32(fuera, 0x200 + 0x48, 0x7FFFFFF0); // data entry pointing past every section
    for (auto [nombre, bytes, version] :
         {std::tuple{"msado15.dll", pe, "2.80.1022.0"},
          {"msjet40.dll", PEConVersion(0x00040000, 0x21AA0000, true), "4.0.8618.0"},
          {"alto.dll", PEConVersion(0xFFFF8000, 0x00010002, false), "65535.32768.1.2"},
          {"cortado.dll", pe.substr(0, 0x220), ""},
          {"icono.dll", sinVersion, ""},
          {"sinfirma.dll", sinFirma, ""},
          {"fuera.dll", fuera, ""},
          {"texto.txt", std::string("MZ no es un ejecutable\r\n"), ""}}) {
        soporte::Escribe(c / nombre, bytes);
        EXPECT_EQ(VersionFichero(c / nombre), version) << nombre;
    }
    EXPECT_EQ(VersionFichero(c / "no-existe.dll"), "");
    EXPECT_EQ(VersionFichero(c.Ruta() / ""), "");
}

TEST(Sondas, ProcesadoresDeCpuinfo) {
    const auto p3 = LeeCpuinfo("processor\t: 0\nvendor_id\t: GenuineIntel\ncpu family\t: 6\n"
                               "model\t\t: 8\nmodel name\t: Pentium III (Coppermine)\n"
                               "stepping\t: 10\n\nprocessor\t: 1\ncpu family\t: 15\n");
    ASSERT_TRUE(p3);
    EXPECT_EQ(TextoProcesador(p3->tipo, p3->nivel, p3->revision),
              "Intel Pentium III or Pentium III Xeon Model, 08 Stepping 0A");
    const auto zen = LeeCpuinfo("vendor_id\t: AuthenticAMD\ncpu family\t: 26\nmodel\t\t: 2\n"
                                "stepping\t: 1\n");
    ASSERT_TRUE(zen);
    EXPECT_EQ(zen->nivel, 26);
    EXPECT_EQ(zen->revision, 0x0201);
    EXPECT_EQ(TextoProcesador(zen->tipo, zen->nivel, zen->revision), "Pentium");
    const auto arm = LeeCpuinfo("processor\t: 0\nBogoMIPS\t: 48.00\nCPU implementer\t: 0x41\n");
    ASSERT_TRUE(arm);
    EXPECT_EQ(TextoProcesador(arm->tipo, arm->nivel, arm->revision), "Unknown");
    EXPECT_FALSE(LeeCpuinfo(""));
}

TEST(Sondas, MemoriaEnKB) {
    const std::string meminfo = "MemTotal:       24683748 kB\nMemFree:         1000 kB\n"
                                "MemAvailable:   20000000 kB\n";
    EXPECT_EQ(ValorKB(meminfo, "MemTotal"), 24683748ull * 1024);
    EXPECT_EQ(ValorKB(meminfo, "MemAvailable"), 20000000ull * 1024);
    EXPECT_EQ(ValorKB(meminfo, "Mem"), std::nullopt);
    EXPECT_EQ(ValorKB("VmSize:\t  abc kB\n", "VmSize"), std::nullopt);
    const auto figuras = InfoMemoria();
    for (const auto& f : figuras) {
        EXPECT_TRUE(f.ends_with("K")) << f;
    }
}

TEST(Sondas, MontajesYTipos) {
    const auto m = LeeMontajes("/dev/sda1 / ext4 rw 0 0\n"
                               "/dev/sdb1 /media/mi\\040disco vfat rw 0 0\n"
                               "proc /proc proc rw 0 0\n"
                               "srv:/export /mnt/red nfs4 rw 0 0\n"
                               "/dev/sr0 /media/cd iso9660 ro 0 0\n"
                               "/dev/fd0 /media/floppy vfat rw 0 0\n");
    ASSERT_EQ(m.size(), 6u);
    EXPECT_EQ(m[1].punto, "/media/mi disco");
    const std::optional<int> tipos[] = {DriveFijo,   DriveExtraible, std::nullopt,
                                        DriveRemoto, DriveCD,        DriveExtraible};
    for (std::size_t i = 0; i < m.size(); ++i) {
        EXPECT_EQ(TipoMontaje(m[i], i == 1), tipos[i]) << m[i].punto;
    }
}

TEST(Sondas, DrivesDeEstaMaquina) {
    std::string texto = "previo\r\n";
    InfoDrives(texto);
    ASSERT_TRUE(texto.starts_with("previo\r\n   Floppies............"));
    EXPECT_NE(texto.find("\r\n   Disks..............."), std::string::npos);
    EXPECT_TRUE(texto.ends_with("\r\n"));
    // Every drive line has its type word padded to ten characters.
    const std::regex linea(R"(   Drive .*\.{11}(Fixed     |Floppy    |Network   |CD        ).*)");
    std::size_t lineas = 0;
    for (std::size_t pos = 0; (pos = texto.find("   Drive ", pos)) != std::string::npos; ++lineas) {
        const auto fin = texto.find("\r\n", pos);
        EXPECT_TRUE(std::regex_match(texto.substr(pos, fin - pos), linea)) << texto.substr(pos);
        pos = fin;
    }
    const auto disks = texto.find("Disks...............") + 20;
    EXPECT_EQ(texto.substr(disks, texto.find("\r\n", disks) - disks), std::to_string(lineas));
}

TEST(Sondas, LocaleCDelUsuario) {
    const char* antes = std::getenv("LC_ALL");
    const std::string guardado = antes ? antes : "";
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(SeparadorFecha(), "/");
    EXPECT_EQ(SeparadorTiempo(), ":");
    EXPECT_EQ(FormatoFechaCorta(), "MM/dd/yy");
    EXPECT_EQ(FormatoTiempo(), "HH:mm:ss");
    EXPECT_EQ(SeparadorDecimal(), ".");
    EXPECT_EQ(HayDBCS(), "No");
    EXPECT_EQ(HayMidEast(), "No");
    EXPECT_EQ(FechaGeneral(0).size(), std::string("01/01/70 00:00:00").size());
    // A locale the system does not have: no locale, so no locale facts.
    setenv("LC_ALL", "xx_NOEXISTE.UTF-8", 1);
    EXPECT_EQ(SeparadorFecha(), "");
    EXPECT_EQ(FormatoFechaCorta(), "");
    EXPECT_EQ(HayDBCS(), "");
    EXPECT_EQ(FechaCorta(), "");
    if (antes) {
        setenv("LC_ALL", guardado.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
}

TEST(Sondas, DatosDeEstaMaquina) {
    char nombre[256] = {};
    gethostname(nombre, sizeof nombre - 1);
    EXPECT_EQ(NombreOrdenador(), nombre);
    EXPECT_EQ(NumeroCPUs(), std::to_string(sysconf(_SC_NPROCESSORS_ONLN)));
    EXPECT_EQ(VersionWindows(), "");
    EXPECT_EQ(DirectorioWindows(), "");
    EXPECT_FALSE(TipoProcesador().empty());
    // No windows: the window system's facts are not available.
    EXPECT_EQ(NumeroColores(), "");
    EXPECT_EQ(ResolucionPantalla(), "");
    EXPECT_EQ(NumeroMonitores(), "");
    EXPECT_EQ(HayRaton(), "");
}
