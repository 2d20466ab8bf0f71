// lintrap check on what insert has just written. (What check finds, and its exit codes: the command
// table's, tests/data/cli/ordenes.txt.)

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Lintrap.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace soporte;

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
