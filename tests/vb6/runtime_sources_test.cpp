// The checker, then the VB6 files that the add-in copies into developers' projects, checked as
// the VB6 environment would load them, and every other module file of the repository with them.
#include "base/CodePage.h"
#include "host/files/ModuleSyntax.h"
#include "tests/support/Tabla.h"
#include "tests/vb6/Vb6Checker.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace {

namespace fs = std::filesystem;
using namespace vb6check;

const fs::path kFuente = LINTRAP_SOURCE_DIR;

// Each case of tests/data/vb6/bloques_rotos.txt is found at its line, saying what is wrong; and
// a bare LF line end, which no case there can hold.
TEST(Vb6Checker, PointsAtEachFault) {
    const auto casos = soporte::Casos("vb6/bloques_rotos.txt");
    EXPECT_EQ(casos.size(), 20u);
    for (const auto& [dicho, lineas] : casos) {
        std::string codigo;
        for (const std::string& l : lineas) {
            codigo += l + "\r\n";
        }
        const std::string hallado = Texto(Modulo(codigo).Comprobar());
        EXPECT_NE(hallado.find(dicho + "\n"), std::string::npos) << codigo << "hallado:\n"
                                                                 << hallado;
    }
    EXPECT_EQ(Texto(Modulo("Sub A()\r\nx = 1\nEnd Sub\r\n").Comprobar()),
              "línea 2: el fin de línea no lleva CR\n");
}

// The file's header as the environment writes it, then every statement outside the procedures
// (options, constants, Declare statements, records) and each procedure's header, in file order:
// the interface a developer's project links against.
std::string Esqueleto(const std::string& bytes, const Modulo& m) {
    std::string r = bytes.substr(0, bytes.find("\r\nOption Explicit\r\n") + 2);
    std::erase(r, '\r');
    bool dentro = false;
    for (const Sentencia& s : m.Sentencias()) {
        const auto clase = files::syntax::Classify(s.texto);
        dentro = dentro || clase.header;
        if (!dentro || clase.header) {
            r += s.texto + "\n";
        }
        dentro = dentro && !clase.end;
    }
    return r;
}

// Sound VB6 as the environment writes it: CR LF to the end, accents in the code page, not UTF-8.
TEST(RuntimeSources, EveryModuleFileIsSoundVb6) {
    const std::set<std::string> extensiones = {".bas", ".cls", ".frm", ".ctl",
                                               ".pag", ".dob", ".dsr"};
    int revisados = 0;
    for (const char* carpeta : {"ClsErrores", "examples", "tests/vb6/datos"}) {
        for (const auto& e : fs::recursive_directory_iterator(kFuente / carpeta)) {
            if (e.is_regular_file() && extensiones.count(e.path().extension().string())) {
                const std::string bytes = soporte::Lee(e.path());
                EXPECT_EQ(Texto(Modulo(bytes, e.path().filename().string()).Comprobar()), "")
                    << e.path();
                EXPECT_TRUE(bytes.ends_with("\r\n") && !codepage::EsUtf8Multibyte(bytes))
                    << e.path();
                ++revisados;
            }
        }
    }
    EXPECT_GE(revisados, 4);
}

// Each file's header and interface (the class's members in slot order with IniVal last, the records
// as Windows lays them out, each Declare's entry point and library, the module's private helpers)
// and every string literal of its code, in order and in Windows-1252, as the golden listings
// (UTF-8) have them. Set LINTRAP_UPDATE_GOLDEN=1 to write them after checking them by hand.
TEST(RuntimeSources, InterfaceAndTextsAsTheGoldenListings) {
    for (const std::string archivo : {"clsErrores.cls", "InfoSistema.bas"}) {
        const std::string nombre = fs::path(archivo).stem().string();
        const std::string bytes = soporte::Lee(kFuente / "ClsErrores" / archivo);
        const Modulo m(bytes, archivo);
        std::string literales;
        for (const std::string& l : m.Literales()) {
            literales += l + "\n";
        }
        for (auto [extension, listado] :
             {std::pair{".esqueleto", Esqueleto(bytes, m)}, {".literales", literales}}) {
            const fs::path golden = kFuente / "tests/vb6/datos" / (nombre + extension);
            if (std::getenv("LINTRAP_UPDATE_GOLDEN")) {
                std::ofstream(golden, std::ios::binary) << codepage::AUtf8(listado, 1252);
            }
            EXPECT_EQ(codepage::AUtf8(listado, 1252), soporte::Lee(golden)) << golden;
        }
    }
}

} // namespace
