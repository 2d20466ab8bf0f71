// The probes' readers on known kernel texts, the version resource of small library files,
// and the probes themselves on this machine where their result is known.

#include "ClsErrores/Sondas.h"
#include "ClsErrores/SondasLinux.h"
#include "ClsErrores/TextosDrives.h"
#include "ClsErrores/TextosSistema.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <unistd.h>

using namespace infosistema;
namespace fs = std::filesystem;

// Small Portable Executables with a version resource whose file version is known: PE32 and
// PE32+, the highest numbers, and files where no version can be read (cut short, an icon where
// the version was, no signature in the fixed information, a data entry past every section).
TEST(Sondas, VersionDeFicherosPE) {
    const fs::path datos = fs::path(LINTRAP_DATOS_INFORME) / "pe";
    for (auto [nombre, version] : {std::pair{"msado15.dll", "2.80.1022.0"},
                                   {"msjet40.dll", "4.0.8618.0"},
                                   {"alto.dll", "65535.32768.1.2"},
                                   {"cortado.dll", ""},
                                   {"icono.dll", ""},
                                   {"sinfirma.dll", ""},
                                   {"fuera.dll", ""},
                                   {"texto.txt", ""},
                                   {"no-existe.dll", ""},
                                   {"", ""}}) {
        EXPECT_EQ(VersionFichero(datos / nombre), version) << nombre;
    }
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

TEST(Sondas, DrivesYProcesadoresDeEstaMaquina) {
    EXPECT_EQ(NumeroCPUs(), std::to_string(sysconf(_SC_NPROCESSORS_ONLN)));
    EXPECT_EQ(NumeroColores(), ""); // no windows: the window system's facts are not available
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
