// What insert and remove leave on disk: --dry-run writes nothing and shows exactly what a real
// run writes; --out and save write a whole copy and leave the sources alone.

#include "base/CodePage.h"
#include "tests/cli/Ejecuta.h"
#include "tests/cli/ProyectoPrueba.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>

using namespace prueba;
namespace fs = std::filesystem;

namespace {

std::map<std::string, fs::file_time_type> Fechas(const fs::path& carpeta) {
    std::map<std::string, fs::file_time_type> r;
    for (auto& e : fs::recursive_directory_iterator(carpeta))
        r[e.path().string()] = fs::last_write_time(e.path());
    return r;
}

// The diff is shown in UTF-8: apply it to a UTF-8 copy, then go back to 1252.
void Aplica(const fs::path& carpeta, const std::string& diff) {
    for (auto& e : fs::directory_iterator(carpeta))
        Escribe(e.path(), codepage::AUtf8(Lee(e.path()), 1252));
    Escribe(carpeta / "cambios.diff", diff);
    const std::string orden =
        "cd '" + carpeta.string() + "' && patch -s -p1 < cambios.diff && rm cambios.diff";
    ASSERT_EQ(std::system(orden.c_str()), 0);
    for (auto& e : fs::directory_iterator(carpeta))
        Escribe(e.path(), *codepage::DesdeUtf8(Lee(e.path()), 1252));
}

} // namespace

TEST(DryRun, NoEscribeNadaYElDiffEsLoQueEscribiriaUnaEjecucionReal) {
    for (const char* modo : {"numbers", "handler"}) {
        SCOPED_TRACE(modo);
        Carpeta c;
        auto vbp = ProyectoPequeno(c / "p").string();
        fs::copy(c / "p", c / "real", fs::copy_options::recursive);
        fs::copy(c / "p", c / "parche", fs::copy_options::recursive);
        auto antes = Contenido(c / "p");
        auto fechas = Fechas(c / "p");

        auto r = Lintrap({"insert", vbp, "--all-modules", "--all", "--mode", modo, "--dry-run"});
        ASSERT_EQ(r.codigo, 0) << r.err;
        EXPECT_EQ(Contenido(c / "p"), antes);
        EXPECT_EQ(Fechas(c / "p"), fechas);
        EXPECT_NE(r.out.find("--- a/Calculos.bas\n+++ b/Calculos.bas\n@@ -"), std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find("Debug.Print \"ñ\""), std::string::npos); // shown in UTF-8

        ASSERT_EQ(Lintrap({"insert", (c / "real" / "Prueba.vbp").string(), "--all-modules", "--all",
                           "--mode", modo})
                      .codigo,
                  0);
        Aplica(c / "parche", r.out);
        EXPECT_EQ(Contenido(c / "parche"), Contenido(c / "real"));
    }
}

TEST(DryRun, LosModulosAnadidosSeMuestranComoNuevosYElJsonLlevaElDiff) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c / "p").string();
    auto r = Lintrap({"insert", vbp, "--module", "Calculos", "--proc", "suma", "--mode", "handler",
                      "--dry-run", "--json"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["written"], false);
    const std::string diff = j["diff"];
    EXPECT_NE(diff.find("--- /dev/null\n+++ b/clsErrores.cls\n"), std::string::npos);
    EXPECT_NE(diff.find("+++ b/Prueba.vbp\n"), std::string::npos);
    EXPECT_NE(diff.find("+Class=clsErrores; clsErrores.cls\r\n"), std::string::npos);
    ASSERT_EQ(j["modules"].size(), 1u);
    EXPECT_EQ(j["modules"][0]["changed"], true);
    EXPECT_FALSE(fs::exists(c / "p" / "clsErrores.cls"));
    // The statuses are those after the command, as the window's list shows them.
    int vistos = 0;
    for (const auto& p : j["modules"][0]["procedures"])
        if (p["name"] == "Suma") {
            EXPECT_EQ(p["status"], "Si");
            EXPECT_EQ(p["errorHandling"], true);
            ++vistos;
        }
    EXPECT_EQ(vistos, 1);
}

TEST(Out, InsertEnUnaCopiaDejaLosFuentesComoEstaban) {
    Carpeta c;
    auto vbp = CopiaEjemplo(c / "Demo").string();
    auto antes = Contenido(c / "Demo");
    auto r = Lintrap({"insert", vbp, "--all-modules", "--all", "--out", (c / "build").string()});
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(Contenido(c / "Demo"), antes);
    auto copia = Contenido(c / "build");
    ASSERT_EQ(copia.size(), antes.size());
    for (std::size_t i = 0; i < copia.size(); ++i)
        EXPECT_EQ(copia[i].first, antes[i].first);
    EXPECT_NE(Lee(c / "build" / "Utilidades.bas"), Lee(c / "Demo" / "Utilidades.bas"));

    // A second build into the same folder needs --force.
    auto otra = Lintrap({"insert", vbp, "--all-modules", "--all", "--out", (c / "build").string()});
    EXPECT_EQ(otra.codigo, 2);
    EXPECT_NE(otra.err.find("build"), std::string::npos) << otra.err;
    EXPECT_EQ(Lintrap({"insert", vbp, "--all-modules", "--all", "--out", (c / "build").string(),
                       "--force"})
                  .codigo,
              0);
}

TEST(Save, GuardarComoDevuelveCadaArchivoByteAByte) {
    Carpeta c;
    auto demo = CopiaEjemplo(c / "Demo").string();
    auto r = Lintrap({"save", demo, "--out", (c / "copia").string()});
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(Contenido(c / "copia"), Contenido(c / "Demo"));

    auto pequeno = ProyectoPequeno(c / "p").string();
    ASSERT_EQ(Lintrap({"save", pequeno, "--out", (c / "p2").string()}).codigo, 0);
    EXPECT_EQ(Contenido(c / "p2"), Contenido(c / "p"));
}
