// The probes on Windows, under wine: each gives a value in the form the report expects where
// wine has the fact, and the version probe reads the same small PE files as the Linux reader.

#include "ClsErrores/Sondas.h"
#include "tests/support/Carpeta.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace {

using namespace infosistema;
namespace fs = std::filesystem;

TEST(SondasWindows, EachProbeGivesTheSystemsValue) {
    const struct {
        const char* sonda;
        std::string valor;
        const char* patron;
    } casos[] = {
        {"NombreOrdenador", NombreOrdenador(), R"(\S+)"},
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
        {"HayDBCS", HayDBCS(), "Yes|No"},
        {"HayMidEast", HayMidEast(), "Yes|No"},
        {"HayRaton", HayRaton(), "Yes|No"},
        {"HayRueda", HayRueda(), "Yes|No"},
        {"BotonesRaton", BotonesRaton(), R"(\d+)"},
        {"NumeroMonitores", NumeroMonitores(), R"([1-9]\d*)"},
        {"NumeroColores", NumeroColores(), R"(True Color|\d+)"},
        {"ResolucionPantalla", ResolucionPantalla(), R"([1-9]\d* x [1-9]\d*)"},
        {"NumeroCPUs", NumeroCPUs(), R"([1-9]\d*)"},
        // A 64-bit program is told of an x64 processor (type 8664), which the table does not
        // name.
        {"TipoProcesador", TipoProcesador(), "Unknown"},
        {"FechaGeneral", FechaGeneral(31536000 + 12 * 3600), R"(.*1971.* .*\d.*)"},
    };
    for (const auto& c : casos) {
        EXPECT_TRUE(std::regex_match(c.valor, std::regex(c.patron, std::regex::icase)))
            << c.sonda << ": \"" << c.valor << "\"";
    }
    for (const std::string& m : InfoMemoria()) {
        EXPECT_TRUE(std::regex_match(m, std::regex(R"([1-9][0-9.,' ]*K)"))) << m;
    }
}

TEST(SondasWindows, DrivesFromTheDriveList) {
    std::string informe = "antes\r\n";
    InfoDrives(informe);
    EXPECT_TRUE(std::regex_match(
        informe, std::regex("antes\r\n   Floppies\\.{12}0\r\n   Disks\\.{15}[1-9]\\d*\r\n"
                            "(   Drive [A-Z]:\\.{11}\\w+ *[^\r\n]*\r\n)+")))
        << informe;
    EXPECT_TRUE(std::regex_search(informe, std::regex("   Drive C:\\.{11}Fixed     [0-9.,' ]* "
                                                      "KB Free\r\n")))
        << informe;
}

TEST(SondasWindows, FileVersionsThroughTheVersionLibrary) {
    const fs::path datos = fs::path(LINTRAP_DATOS_INFORME) / "pe";
    soporte::Carpeta carpeta{"lintrap-versión"};
    const fs::path acentuada = carpeta / "año.dll";
    fs::copy_file(datos / "msjet40.dll", acentuada);
    const struct {
        fs::path archivo;
        const char* version;
    } casos[] = {
        {datos / "msado15.dll", "2.80.1022.0"},
        {datos / "alto.dll", "65535.32768.1.2"},
        {acentuada, "4.0.8618.0"},
        {datos / "texto.txt", ""},
        {datos / "no-existe.dll", ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(VersionFichero(c.archivo.string()), c.version) << c.archivo.string();
    }
    EXPECT_TRUE(std::regex_match(VersionFichero(DirectorioSystem() + "\\kernel32.dll"),
                                 std::regex(R"(\d+\.\d+\.\d+\.\d+)")));
}

} // namespace
