// The probes on this machine, in the form the report expects (Windows under wine: its calls;
// Linux: /proc, the locale data, no window system), the version of small PE files, and the Linux
// probes' readers on known kernel texts.

#include "Ayudas.h"

#include "ClsErrores/Sondas.h"
#include "ClsErrores/TextosDrives.h"
#include "ClsErrores/TextosSistema.h"
#include "tests/support/Tabla.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>

#ifndef _WIN32
#include "ClsErrores/SondasLinux.h"

#include <unistd.h>
#endif

using namespace infosistema;
namespace fs = std::filesystem;

namespace {

TEST(Sondas, EachProbeGivesTheSystemsValue) {
    const struct {
        const char* sonda;
        std::string valor, patron;
    } casos[] = {
        {"NombreOrdenador", NombreOrdenador(), R"(\S+)"},
        {"HayDBCS", HayDBCS(), "Yes|No"},
        {"HayMidEast", HayMidEast(), "Yes|No"},
#ifdef _WIN32
        {"NumeroCPUs", NumeroCPUs(), R"([1-9]\d*)"},
        {"VersionWindows", VersionWindows(), R"(Windows.* \(2\.\d+\.\d+ Build: \d+\) -.*)"},
        {"DirectorioWindows", DirectorioWindows(), R"([A-Z]:\\windows)"},
        {"DirectorioSystem", DirectorioSystem(), R"([A-Z]:\\windows\\system32)"},
        {"DirectorioProgramFiles", DirectorioProgramFiles(), R"([A-Z]:\\Program Files)"},
        {"DirectorioCommonFiles", DirectorioCommonFiles(),
         R"([A-Z]:\\Program Files\\Common Files)"},
        {"NombreLenguaje", NombreLenguaje(), R"(\S.*)"},
        {"NombrePais", NombrePais(), R"(\S.*)"},
        {"SeparadorFecha", SeparadorFecha(), R"([^dMy]+)"},
        {"SeparadorTiempo", SeparadorTiempo(), R"([^hHms]+)"},
        {"FormatoFechaLarga", FormatoFechaLarga(), R"(.*d.*M.*|.*M.*d.*)"},
        {"FormatoFechaCorta", FormatoFechaCorta(), R"(.*(d|M|y).*)"},
        {"FormatoTiempo", FormatoTiempo(), R"(.*[hH].*m.*)"},
        {"SeparadorDecimal", SeparadorDecimal(), R"([.,])"},
        {"HayRaton", HayRaton(), "Yes|No"},
        {"HayRueda", HayRueda(), "Yes|No"},
        {"BotonesRaton", BotonesRaton(), R"(\d+)"},
        {"NumeroMonitores", NumeroMonitores(), R"([1-9]\d*)"},
        {"NumeroColores", NumeroColores(), R"(True Color|\d+)"},
        {"ResolucionPantalla", ResolucionPantalla(), R"([1-9]\d* x [1-9]\d*)"},
        // A 64-bit program is told of an x64 processor (8664), which the table does not name.
        {"TipoProcesador", TipoProcesador(), "Unknown"},
        {"FechaGeneral", FechaGeneral(31536000 + 12 * 3600), R"(.*1971.* .*\d.*)"},
#else
        {"NumeroCPUs", NumeroCPUs(), std::to_string(sysconf(_SC_NPROCESSORS_ONLN))},
        {"VersionWindows", VersionWindows(), ""},
        {"NumeroColores", NumeroColores(), ""}, // no windows: no window system facts
#endif
    };
    for (const auto& c : casos) {
        EXPECT_TRUE(std::regex_match(c.valor, std::regex(c.patron, std::regex::icase)))
            << c.sonda << ": \"" << c.valor << "\"";
    }
    for (const std::string& m : InfoMemoria()) {
        EXPECT_TRUE(std::regex_match(m, std::regex(R"([1-9][0-9.,' ]*K)"))) << m;
    }
}

// The drive lines: the type word padded to ten characters, the disks counted.
TEST(Sondas, DrivesOfThisMachine) {
    std::string texto = "antes\r\n";
    InfoDrives(texto);
    std::smatch m;
    ASSERT_TRUE(
        std::regex_match(texto, m,
                         std::regex("antes\r\n   Floppies\\.{12}(\\d+)\r\n   Disks\\.{15}(\\d+)"
                                    "\r\n((   Drive [^\r\n]*\\.{11}(Fixed     |Floppy    |"
                                    "Network   |CD        )[^\r\n]*\r\n)*)")))
        << texto;
#ifndef _WIN32 // every drive is an entry of the list
    EXPECT_EQ(std::stoi(m[1]) + std::stoi(m[2]), std::count(texto.begin(), texto.end(), '\n') - 3);
#else
    EXPECT_TRUE(std::regex_search(texto, std::regex("   Drive C:\\.{11}Fixed     [0-9.,' ]* "
                                                    "KB Free\r\n")))
        << texto;
#endif
}

// PE32 and PE32+ files, the highest numbers, and files where no version can be read (cut short,
// an icon where the version was, no signature in the fixed information, a data entry past
// every section); on Windows, through the version library, also a name in the code page.
TEST(Sondas, VersionOfPeFiles) {
    const fs::path datos = soporte::Datos("clserrores/pe");
    soporte::Carpeta carpeta{"lintrap-versión"};
    fs::copy_file(datos / "msjet40.dll", carpeta / "año.dll");
    for (const auto& caso : soporte::Tabla("clserrores/pe_versiones.txt")) {
        EXPECT_EQ(VersionFichero((datos / caso.at(0)).string()), caso.at(1)) << caso[0];
    }
    EXPECT_EQ(VersionFichero((carpeta / "año.dll").string()), "4.0.8618.0");
    EXPECT_EQ(VersionFichero(""), "");
#ifndef _WIN32 // wine's version library reads the block without its signature
    EXPECT_EQ(VersionFichero((datos / "sinfirma.dll").string()), "");
#else
    EXPECT_TRUE(std::regex_match(VersionFichero(DirectorioSystem() + "\\kernel32.dll"),
                                 std::regex(R"(\d+\.\d+\.\d+\.\d+)")));
#endif
}

#ifndef _WIN32
TEST(Sondas, LocaleCDelUsuario) {
    const char* antes = std::getenv("LC_ALL");
    const std::string guardado = antes ? antes : "";
    soporte::PonVariable("LC_ALL", "C");
    for (auto [valor, esperado] : {std::pair{SeparadorFecha(), "/"},
                                   {SeparadorTiempo(), ":"},
                                   {FormatoFechaCorta(), "MM/dd/yy"},
                                   {FormatoTiempo(), "HH:mm:ss"},
                                   {SeparadorDecimal(), "."},
                                   {HayDBCS(), "No"},
                                   {HayMidEast(), "No"}}) {
        EXPECT_EQ(valor, esperado);
    }
    EXPECT_EQ(FechaGeneral(0).size(), std::string("01/01/70 00:00:00").size());
    // A locale the system does not have: no locale, so no locale facts.
    soporte::PonVariable("LC_ALL", "xx_NOEXISTE.UTF-8");
    EXPECT_EQ(SeparadorFecha() + FormatoFechaCorta() + HayDBCS() + FechaCorta(), "");
    antes ? void(soporte::PonVariable("LC_ALL", guardado)) : soporte::QuitaVariable("LC_ALL");
}
#endif

} // namespace
