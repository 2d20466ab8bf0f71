// The reports' text from facts the test controls, compared with the expected reports, and the
// report of this machine.

#include "ClsErrores/App.h"
#include "ClsErrores/InfoSistema.h"
#include "ClsErrores/Textos.h"
#include "base/Programa.h"
#include "tests/support/Archivos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

namespace {

using infosistema::DatosImpresora;

// Fixed facts; `falla` makes the program's direct values fail as a missing file would.
class FuenteFija : public FuenteInforme {
public:
    bool sinEXE = false, sinImpresora = false, fallaTitulo = false;
    int llamadasOcupado = 0;
    bool ocupado = false;
    std::string colores = "65536";

    std::optional<std::string> Titulo() override {
        if (fallaTitulo) {
            throw std::runtime_error("sin título");
        }
        return "Facturas";
    }
    std::optional<std::string> Carpeta() override { return "/opt/facturas"; }
    std::optional<std::string> Version() override { return "2.1.15"; }
    std::optional<std::string> InstanciaPrevia() override { return "False"; }
    std::optional<std::string> NombreEXE() override { return "facturas"; }
    std::optional<std::string> ModificacionEXE() override {
        return sinEXE ? std::nullopt : std::optional<std::string>("05/12/2024 18:30:00");
    }
    std::optional<std::uint64_t> TamanoEXE() override {
        return sinEXE ? std::nullopt : std::optional<std::uint64_t>(1234567);
    }
    std::optional<std::string> DirectorioActual() override { return "/home/ana"; }
    std::optional<DatosImpresora> Impresora() override {
        if (sinImpresora) {
            return std::nullopt;
        }
        return DatosImpresora{"HP LaserJet", "winspool", 9,        1,     2,        1, 100, "Arial",
                              10.5f,         16838,      16838.0f, 11906, 11906.5f, 1, 480, 225.5f};
    }
    std::string Fecha() override { return "06/12/2024"; }
    std::string NombreOrdenador() override { return "PC-PRUEBAS"; }
    std::string VersionWindows() override { return ""; }
    std::string DirectorioWindows() override { return ""; }
    std::string DirectorioSystem() override { return "/usr/lib"; }
    std::string DirectorioProgramFiles() override { return "/opt"; }
    std::string DirectorioCommonFiles() override { return "/usr/share"; }
    std::string VersionMDAC() override { return ""; }
    std::string VersionADO() override { return "2.80 (msado15.dll) ; "; }
    std::string VersionJet() override { return ""; }
    std::string NombreLenguaje() override { return "español"; }
    std::string NombrePais() override { return "España"; }
    std::string SeparadorFecha() override { return "/"; }
    std::string SeparadorTiempo() override { return ":"; }
    std::string FormatoFechaLarga() override { return ""; }
    std::string FormatoFechaCorta() override { return "dd/MM/yyyy"; }
    std::string FormatoTiempo() override { return "HH:mm:ss"; }
    std::string SeparadorDecimal() override { return ","; }
    std::string SeparadorMiles() override { return "."; }
    std::string HayMidEast() override { return "No"; }
    std::string HayDBCS() override { return "No"; }
    std::array<std::string, 4> InfoMemoria() override {
        return {"16.384.000K", "Ninguna", "137.438.953.472K", "137.438.000.000K"};
    }
    std::string TipoProcesador() override { return "Unable to determine processor type"; }
    std::string NumeroCPUs() override { return "2"; }
    void InfoDrives(std::string& informe) override {
        informe += "   Floppies............0\r\n   Disks...............1\r\n"
                   "   Drive /...........Fixed     1.000 KB Free\r\n";
    }
    std::string NumeroColores() override { return colores; }
    std::string ResolucionPantalla() override { return "1920 x 1080"; }
    std::string NumeroMonitores() override { return "1"; }
    std::string HayRaton() override { return "Yes"; }
    std::string BotonesRaton() override { return "3"; }
    std::string HayRueda() override { return "Yes"; }
    void Ocupado(bool si) override {
        ++llamadasOcupado;
        ocupado = si;
    }
};

// An expected report: kept with LF line ends in the repository, compared with CR LF.
std::string Esperado(const char* nombre) {
    return soporte::Crlf(soporte::Lee(std::string(LINTRAP_DATOS_INFORME) + "/" + nombre));
}

} // namespace

TEST(Informe, TextoExactoYSusVariantes) {
    // Without the program's file the general section still ends in an empty line; a value that
    // fails loses only its line; without a printer its title and underline stay.
    const struct {
        bool FuenteFija::*cambio;
        const char *completo, *corto;
    } casos[] = {{nullptr, "informe_completo.txt", "informe_corto.txt"},
                 {&FuenteFija::sinEXE, "informe_sin_exe.txt", nullptr},
                 {&FuenteFija::fallaTitulo, "informe_sin_titulo.txt", nullptr},
                 {&FuenteFija::sinImpresora, "informe_sin_impresora.txt",
                  "informe_corto_sin_impresora.txt"}};
    for (const auto& c : casos) {
        FuenteFija f;
        if (c.cambio) {
            f.*c.cambio = true;
        }
        EXPECT_EQ(InformeSistema(f), Esperado(c.completo)) << c.completo;
        EXPECT_EQ(f.llamadasOcupado, 2); // the busy pointer is shown and put back
        EXPECT_FALSE(f.ocupado);
        if (c.corto) {
            EXPECT_EQ(InformeSistemaCorto(f), Esperado(c.corto)) << c.corto;
        }
    }
    FuenteFija f;
    for (auto [colores, linea] : {std::pair{"True Color", "True Color\r\n"},
                                  {"4294967296", "4.294.967.296\r\n"},
                                  {"", "\r\n   Resolucion"}}) {
        f.colores = colores;
        EXPECT_NE(InformeSistema(f).find(std::string("   Colores.......................") + linea),
                  std::string::npos);
    }
}

// What the system's source adds to the layout: the program's own facts, CR LF line ends.
TEST(Informe, DeEstaMaquina) {
    const std::string informe = InformeSistema();
    for (std::size_t i = 0; i < informe.size(); ++i) {
        if (informe[i] == '\n') {
            ASSERT_TRUE(i > 0 && informe[i - 1] == '\r') << "LF suelto en " << i;
        }
    }
    EXPECT_NE(informe.find("   App.Title..................." + app::Title() + "\r\n"),
              std::string::npos);
    // The test program is a real file: its size is shown, followed by the empty line.
    struct stat st {};
    const std::string exe = programa::Carpeta() + "/" + programa::Nombre();
    ASSERT_EQ(stat(exe.c_str(), &st), 0) << exe;
    const std::string miles = FuenteSistema().SeparadorMiles();
    EXPECT_NE(informe.find("   Tamaño EXE................" +
                           infosistema::FormatoNumero(static_cast<double>(st.st_size), miles) +
                           " bytes\r\n\r\n\r\nSistema Operativo \r\n"),
              std::string::npos);
    EXPECT_NE(informe.find("   CurDir........" + std::filesystem::current_path().string() + "\r\n"),
              std::string::npos);
}
