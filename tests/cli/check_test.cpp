// lintrap check: what a build should not ship, with exit 1 when anything is found.

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Lintrap.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace soporte;

TEST(Check, ProcedimientosSinManejoHastaQueLoTienen) {
    Carpeta c;
    auto vbp = (Copia(Datos("cli/Prueba"), c / "p") / "Prueba.vbp").string();
    auto r = Lintrap({"check", vbp});
    EXPECT_EQ(r.codigo, 1) << r.err;
    // Modules in the module list's order ("Cálculo" with the c's, before "Calculos"), each
    // module's findings in line order.
    EXPECT_EQ(r.out, Esperado("cli/salidas/check_p", r.out));
    ASSERT_EQ(Lintrap({"insert", vbp, "--all-modules", "--all", "--mode", "handler"}).codigo, 0);
    // The runtime modules it added are the add-in's, not the project's to fix.
    auto limpio = Lintrap({"check", vbp});
    EXPECT_EQ(limpio.codigo, 0) << limpio.out;
    EXPECT_EQ(limpio.out, "");
}

TEST(Check, NumerosQueErlNoPuedeDarYLineasDemasiadoLargas) {
    Carpeta c;
    std::string largo = "Attribute VB_Name = \"Largo\"\nOption Explicit\n\nPublic Sub Mucho()\n"
                        "    On Error Resume Next\n    Dim x As Long\n";
    for (int i = 0; i < 6600; ++i) {
        largo += "    x = x + 1\n";
    }
    // Numbering leaves a continued line alone: its leading number is data, not a label.
    largo += "    MsgBox \"" + std::string(1005, 'a') + "\"\n    x = x + _\n70000\nEnd Sub\n";
    Escribe(c / "Largo.bas", Crlf(largo));
    Escribe(c / "L.vbp", Crlf("Type=Exe\nModule=Largo; Largo.bas\n"));
    const std::string vbp = (c / "L.vbp").string();

    EXPECT_EQ(Lintrap({"check", vbp}).codigo, 0); // nothing yet: the long line has 1018

    auto r = Lintrap({"insert", vbp, "--module", "Largo", "--all"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    // Code line 6553 is the first whose number (65530) Erl cannot report.
    EXPECT_NE(r.err.find("lintrap: aviso: Largo.bas, línea 6553 del código: el número de línea "
                         "65530 pasa de 65529"),
              std::string::npos);
    EXPECT_EQ(r.err.find("línea 6552 del código"), std::string::npos);
    EXPECT_NE(r.err.find("línea 6606 del código: la línea tiene 1024 caracteres"),
              std::string::npos)
        << r.err.substr(r.err.size() - 300);

    auto j = Lintrap({"check", vbp, "--json"});
    EXPECT_EQ(j.codigo, 1);
    auto hallazgos = nlohmann::json::parse(j.out)["findings"];
    ASSERT_EQ(hallazgos.size(), 6607u - 6553u + 1u + 1u);
    EXPECT_EQ(hallazgos[0]["kind"], "lineNumber");
    EXPECT_EQ(hallazgos[0]["value"], 65530);
    EXPECT_EQ(hallazgos[hallazgos.size() - 2]["kind"], "lineLength");
    EXPECT_EQ(hallazgos[hallazgos.size() - 2]["value"], 1024);
    EXPECT_EQ(hallazgos.back()["line"], 6607); // "x = x + _" numbered, "70000" not counted
}

// A module with what the rules cannot do safely (tests/data/cli/Riesgos): check names the
// procedures that the commands leave alone, exits that skip glbErr.Pop, and labels a new line
// number would take, each on its line; the commands say on stderr what they left alone, and why.
TEST(Check, LoQueLasReglasNoPuedenHacerSinRiesgoYLasOrdenesDicenLoQueDejan) {
    Carpeta c;
    const std::string vbp = (Copia(Datos("cli/Riesgos"), c / "p") / "R.vbp").string();
    auto r = Lintrap({"check", vbp});
    EXPECT_EQ(r.codigo, 1) << r.err;
    EXPECT_EQ(r.out, Esperado("cli/salidas/check_riesgos", r.out));
    auto j = Lintrap({"check", vbp, "--json"});
    const auto salida = nlohmann::json::parse(j.out);
    std::vector<std::string> tipos;
    for (const auto& h : salida["findings"])
        tipos.push_back(h["kind"]);
    EXPECT_EQ(tipos, (std::vector<std::string>{"oneLine", "noErrorHandling", "noErrorHandling",
                                               "ownLabel", "labelCollision", "exitInLine"}));

    r = Lintrap({"insert", vbp, "--all-modules", "--all", "--mode", "handler"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    // in the module's order, as the blocks go in
    EXPECT_EQ(r.err, Esperado("cli/salidas/insert_riesgos", r.err));
    auto n = Lintrap({"insert", vbp, "--all-modules", "--all"});
    ASSERT_EQ(n.codigo, 0) << n.err;
    EXPECT_NE(n.err.find("lintrap: aviso: Riesgos.bas, línea 10 del código: la línea se queda sin "
                         "número en Lee: el 100 es una etiqueta a la que salta el código\n"),
              std::string::npos)
        << n.err;
}
