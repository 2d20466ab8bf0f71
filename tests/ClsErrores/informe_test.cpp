// The reports' text from facts the test controls, compared with the expected reports, and the
// report of this machine.

#include "ClsErrores/App.h"
#include "ClsErrores/InfoSistema.h"
#include "ClsErrores/Textos.h"
#include "base/Programa.h"
#include "tests/support/Archivos.h"
#include "tests/support/Tabla.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <stdexcept>

namespace {

using infosistema::DatosImpresora;

// The facts of data/clserrores/fuente_fija.txt, each method's by its name; a name taken out of
// `v` gives nothing, the value "!" throws as a failing direct value does.
class FuenteFija : public FuenteInforme {
public:
    std::map<std::string, std::string> v;
    int llamadasOcupado = 0;
    bool ocupado = false;

    FuenteFija() {
        for (const auto& fila : soporte::Tabla("clserrores/fuente_fija.txt")) {
            v[fila.at(0)] = fila.at(1);
        }
    }
    std::optional<std::string> Opcional(const char* nombre) {
        const auto i = v.find(nombre);
        if (i != v.end() && i->second == "!") {
            throw std::runtime_error(nombre);
        }
        return i == v.end() ? std::nullopt : std::optional(i->second);
    }
    std::optional<std::uint64_t> TamanoEXE() override {
        return v.contains("TamanoEXE") ? std::optional(std::stoull(v["TamanoEXE"])) : std::nullopt;
    }
    std::optional<DatosImpresora> Impresora() override {
        return v.contains("Impresora")
                   ? std::optional(DatosImpresora{v["Impresora"], "winspool", 9, 1, 2, 1, 100,
                                                  "Arial", 10.5f, 16838, 16838.0f, 11906, 11906.5f,
                                                  1, 480, 225.5f})
                   : std::nullopt;
    }
    std::array<std::string, 4> InfoMemoria() override {
        const auto m = soporte::Partes(v.at("InfoMemoria"));
        return {m.at(0), m.at(1), m.at(2), m.at(3)};
    }
    void InfoDrives(std::string& informe) override { informe += v.at("InfoDrives"); }
    void Ocupado(bool si) override {
        ++llamadasOcupado;
        ocupado = si;
    }
    // clang-format off
#define LINTRAP_OPCIONAL(n) std::optional<std::string> n() override { return Opcional(#n); }
#define LINTRAP_SONDA(n) std::string n() override { return v.at(#n); }
    LINTRAP_OPCIONAL(Titulo) LINTRAP_OPCIONAL(Carpeta) LINTRAP_OPCIONAL(Version)
    LINTRAP_OPCIONAL(InstanciaPrevia) LINTRAP_OPCIONAL(NombreEXE) LINTRAP_OPCIONAL(ModificacionEXE)
    LINTRAP_OPCIONAL(DirectorioActual) LINTRAP_SONDA(Fecha) LINTRAP_SONDA(NombreOrdenador)
    LINTRAP_SONDA(VersionWindows) LINTRAP_SONDA(DirectorioWindows) LINTRAP_SONDA(DirectorioSystem)
    LINTRAP_SONDA(DirectorioProgramFiles) LINTRAP_SONDA(DirectorioCommonFiles)
    LINTRAP_SONDA(VersionMDAC) LINTRAP_SONDA(VersionADO) LINTRAP_SONDA(VersionJet)
    LINTRAP_SONDA(NombreLenguaje) LINTRAP_SONDA(NombrePais) LINTRAP_SONDA(SeparadorFecha)
    LINTRAP_SONDA(SeparadorTiempo) LINTRAP_SONDA(FormatoFechaLarga) LINTRAP_SONDA(FormatoFechaCorta)
    LINTRAP_SONDA(FormatoTiempo) LINTRAP_SONDA(SeparadorDecimal) LINTRAP_SONDA(SeparadorMiles)
    LINTRAP_SONDA(HayMidEast) LINTRAP_SONDA(HayDBCS) LINTRAP_SONDA(TipoProcesador)
    LINTRAP_SONDA(NumeroCPUs) LINTRAP_SONDA(NumeroColores) LINTRAP_SONDA(ResolucionPantalla)
    LINTRAP_SONDA(NumeroMonitores) LINTRAP_SONDA(HayRaton) LINTRAP_SONDA(BotonesRaton)
    LINTRAP_SONDA(HayRueda)
#undef LINTRAP_OPCIONAL
#undef LINTRAP_SONDA
    // clang-format on
};

// The report as data/clserrores/`nombre` has it.
void Como(const std::string& informe, const std::string& nombre) {
    EXPECT_EQ(informe, soporte::Esperado("clserrores/" + nombre, informe)) << nombre;
}

} // namespace

TEST(Informe, TextoExactoYSusVariantes) {
    // Without the program's file the general section still ends in an empty line; a value that
    // fails loses only its line; without a printer its title and underline stay.
    const struct {
        std::map<std::string, std::string> cambio; // "-" takes the fact out
        const char *completo, *corto;
    } casos[] = {
        {{}, "informe_completo.txt", "informe_corto.txt"},
        {{{"ModificacionEXE", "-"}, {"TamanoEXE", "-"}}, "informe_sin_exe.txt", nullptr},
        {{{"Titulo", "!"}}, "informe_sin_titulo.txt", nullptr},
        {{{"Impresora", "-"}}, "informe_sin_impresora.txt", "informe_corto_sin_impresora.txt"}};
    for (const auto& c : casos) {
        FuenteFija f;
        for (const auto& [nombre, valor] : c.cambio) {
            valor == "-" ? void(f.v.erase(nombre)) : void(f.v[nombre] = valor);
        }
        Como(InformeSistema(f), c.completo);
        EXPECT_EQ(f.llamadasOcupado, 2); // the busy pointer is shown and put back
        EXPECT_FALSE(f.ocupado);
        if (c.corto) {
            Como(InformeSistemaCorto(f), c.corto);
        }
    }
}

// What the system's source adds to the layout: the program's own facts, CR LF line ends.
TEST(Informe, DeEstaMaquina) {
    const std::string informe = InformeSistema();
    EXPECT_EQ(std::regex_replace(informe, std::regex("\r\n"), "").find('\n'), std::string::npos);
    EXPECT_NE(informe.find("   App.Title..................." + app::Title() + "\r\n"),
              std::string::npos);
    // The test program is a real file: its size is shown, followed by the empty line.
    const auto tamano = std::filesystem::file_size(programa::Carpeta() + "/" + programa::Nombre());
    const std::string miles = FuenteSistema().SeparadorMiles();
    EXPECT_NE(informe.find("   Tamaño EXE................" +
                           infosistema::FormatoNumero(static_cast<double>(tamano), miles) +
                           " bytes\r\n\r\n\r\nSistema Operativo \r\n"),
              std::string::npos);
    EXPECT_NE(informe.find("   CurDir........" + std::filesystem::current_path().string() + "\r\n"),
              std::string::npos);
}
