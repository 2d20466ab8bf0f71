// lintrap check: what a build should not ship, with exit 1 when anything is found.

#include "tests/cli/Ejecuta.h"
#include "tests/cli/ProyectoPrueba.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace prueba;

TEST(Check, ProcedimientosSinManejoHastaQueLoTienen) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c / "p").string();
    auto r = Lintrap({"check", vbp});
    EXPECT_EQ(r.codigo, 1) << r.err;
    // Modules in the module list's order ("Cálculo" with the c's, before "Calculos"), each
    // module's findings in line order.
    EXPECT_EQ(
        r.out,
        "Acentos.bas, línea 3 del código: el procedimiento Año no tiene manejo de errores\n"
        "Calculos.bas, línea 4 del código: el procedimiento Suma no tiene manejo de errores\n"
        "Calculos.bas, línea 22 del código: el procedimiento alfa no tiene manejo de errores\n"
        "clsDato.cls, línea 8 del código: el procedimiento Limpia no tiene manejo de errores\n");

    ASSERT_EQ(Lintrap({"insert", vbp, "--all-modules", "--all", "--mode", "handler"}).codigo, 0);
    // The runtime modules it added are the add-in's, not the project's to fix.
    auto limpio = Lintrap({"check", vbp});
    EXPECT_EQ(limpio.codigo, 0) << limpio.out;
    EXPECT_EQ(limpio.out, "");
}

TEST(Check, NumerosQueErlNoPuedeDarYLineasDemasiadoLargas) {
    Carpeta c;
    std::vector<std::string> lineas{
        "Attribute VB_Name = \"Largo\"", "Option Explicit",  "", "Public Sub Mucho()",
        "    On Error Resume Next",      "    Dim x As Long"};
    for (int i = 0; i < 6600; ++i)
        lineas.push_back("    x = x + 1");
    lineas.push_back("    MsgBox \"" + std::string(1005, 'a') + "\"");
    // Numbering leaves a continued line alone: its leading number is data, not a label.
    lineas.push_back("    x = x + _");
    lineas.push_back("70000");
    lineas.push_back("End Sub");
    Escribe(c / "p" / "Largo.bas", Archivo1252(lineas));
    Escribe(c / "p" / "L.vbp", Archivo1252({"Type=Exe", "Module=Largo; Largo.bas"}));
    const std::string vbp = (c / "p" / "L.vbp").string();

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

// Numbers written by hand, around the limit and in every form a label takes.
TEST(Check, NumerosJuntoAlLimite) {
    Carpeta c;
    Escribe(
        c / "p" / "Borde.bas",
        Archivo1252({"Attribute VB_Name = \"Borde\"", "Public Sub B()", "    On Error Resume Next",
                     "65529 x = 1", "65530 x = 1", "  065531 x = 1", "99999: x = 1", "100000",
                     "6553 x = 1", "65540x = 1", "00065529 x = 1", "End Sub"}));
    Escribe(c / "p" / "B.vbp", Archivo1252({"Type=Exe", "Module=Borde; Borde.bas"}));
    auto j = Lintrap({"check", (c / "p" / "B.vbp").string(), "--json"});
    EXPECT_EQ(j.codigo, 1) << j.err;
    const auto salida = nlohmann::json::parse(j.out);
    std::vector<std::pair<long, long long>> numeros;
    for (const auto& h : salida["findings"])
        if (h["kind"] == "lineNumber")
            numeros.emplace_back(h["line"], h["value"]);
    EXPECT_EQ(numeros, (std::vector<std::pair<long, long long>>{
                           {4, 65530}, {5, 65531}, {6, 99999}, {7, 100000}}))
        << j.out;
}

// A module with what the rules cannot do safely, the project file to list it, and its path.
static std::string ProyectoConRiesgos(const std::filesystem::path& carpeta) {
    const std::string inicioOnError =
        "'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========";
    const std::string finOnError =
        "'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========";
    Escribe(
        carpeta / "Riesgos.bas",
        Archivo1252({"Attribute VB_Name = \"Riesgos\"",
                     "Option Explicit",
                     "Public Function Nombre() As String: End Function",
                     "Public Sub Abre()",
                     "    GoTo Salir",
                     "Salir:",
                     "    Close #1",
                     "End Sub",
                     "Public Sub Lee()",
                     "    On Error GoTo 100",
                     "    x = 1",
                     "100 Err.Raise 5",
                     "End Sub",
                     "Public Sub Con()",
                     inicioOnError,
                     "ON ERROR GOTO lblError",
                     "glbErr.Push(\"Riesgos \\ Con\")",
                     finOnError,
                     "",
                     "    If x Then Exit Sub",
                     "'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========",
                     "Salir:",
                     "     glbErr.Pop",
                     "     EXIT SUB",
                     "lblError:",
                     "     glbErr.ManejoError",
                     "     GOTO SALIR",
                     "'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========",
                     "End Sub"}));
    Escribe(carpeta / "R.vbp", Archivo1252({"Type=Exe", "Module=Riesgos; Riesgos.bas"}));
    return (carpeta / "R.vbp").string();
}

// Procedures that the commands leave alone, exits that skip glbErr.Pop, and labels a new line
// number would take, each named on its line.
TEST(Check, LoQueLasReglasNoPuedenHacerSinRiesgo) {
    Carpeta c;
    const std::string vbp = ProyectoConRiesgos(c / "p");
    auto r = Lintrap({"check", vbp});
    EXPECT_EQ(r.codigo, 1) << r.err;
    EXPECT_EQ(r.out,
              "Riesgos.bas, línea 2 del código: el procedimiento Nombre ocupa una sola "
              "línea (su final está en la línea de la cabecera): las órdenes no lo cambian\n"
              "Riesgos.bas, línea 2 del código: el procedimiento Nombre no tiene manejo de "
              "errores\n"
              "Riesgos.bas, línea 3 del código: el procedimiento Abre no tiene manejo de "
              "errores\n"
              "Riesgos.bas, línea 5 del código: el procedimiento Abre ya tiene su propia "
              "etiqueta \"Salir:\"; no se le puede añadir el manejo de errores\n"
              "Riesgos.bas, línea 10 del código: al numerar, la línea se quedaría sin número "
              "en Lee: el 100 es una etiqueta a la que salta el código\n"
              "Riesgos.bas, línea 19 del código: en Con esta salida no empieza su línea: "
              "sale sin pasar por Salir, sin llamar a glbErr.Pop\n");
    auto j = Lintrap({"check", vbp, "--json"});
    const auto salida = nlohmann::json::parse(j.out);
    std::vector<std::string> tipos;
    for (const auto& h : salida["findings"])
        tipos.push_back(h["kind"]);
    EXPECT_EQ(tipos, (std::vector<std::string>{"oneLine", "noErrorHandling", "noErrorHandling",
                                               "ownLabel", "labelCollision", "exitInLine"}));
}

// The commands say on stderr what they left alone, and why.
TEST(Check, LasOrdenesDicenLoQueDejan) {
    Carpeta c;
    const std::string vbp = ProyectoConRiesgos(c / "p");
    auto r = Lintrap({"insert", vbp, "--all-modules", "--all", "--mode", "handler"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    // in the module's order, as the blocks go in
    EXPECT_EQ(r.err, "lintrap: aviso: Riesgos.bas, línea 2 del código: el procedimiento Nombre "
                     "ocupa una sola línea (su final está en la línea de la cabecera): no se ha "
                     "cambiado\n"
                     "lintrap: aviso: Riesgos.bas, línea 5 del código: el procedimiento Abre ya "
                     "tiene su propia etiqueta \"Salir:\"; no se le ha añadido el manejo de "
                     "errores\n");
    auto n = Lintrap({"insert", vbp, "--all-modules", "--all"});
    ASSERT_EQ(n.codigo, 0) << n.err;
    EXPECT_NE(n.err.find("lintrap: aviso: Riesgos.bas, línea 10 del código: la línea se queda sin "
                         "número en Lee: el 100 es una etiqueta a la que salta el código\n"),
              std::string::npos)
        << n.err;
    const std::string numerado = Lee(c / "p" / "Riesgos.bas");
    EXPECT_NE(numerado.find("\r\n    x = 1\r\n100 Err.Raise 5\r\n"), std::string::npos) << numerado;
}
