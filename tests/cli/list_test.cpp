// lintrap list: the main window's module list and a module's procedures with their status.

#include "tests/cli/Ejecuta.h"
#include "tests/cli/ProyectoPrueba.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <regex>

using namespace prueba;

TEST(ListModulos, ListaFormulariosModulosYClasesConSuTipoYLineas) {
    Carpeta c;
    auto r = Lintrap({"list", CopiaEjemplo(c / "Demo").string()});
    ASSERT_EQ(r.codigo, 0) << r.err;
    // name, kind, line count, file; sorted by name, case ignored
    const std::regex fila("clsCliente\tClase\t[0-9]+\tclsCliente.cls\n"
                          "frmCliente\tFormulario\t[0-9]+\tfrmCliente.frm\n"
                          "frmPrincipal\tFormulario\t[0-9]+\tfrmPrincipal.frm\n"
                          "Utilidades\tMódulo\t[0-9]+\tUtilidades.bas\n");
    EXPECT_TRUE(std::regex_match(r.out, fila)) << r.out;
    EXPECT_EQ(r.err, "");

    auto nombres = Lintrap({"list", (c / "Demo" / "Demo.vbp").string(), "--names"});
    EXPECT_EQ(nombres.out, "clsCliente\nfrmCliente\nfrmPrincipal\nUtilidades\n");
}

TEST(ListModulos, NombresEnLaPaginaDeCodigosSalenEnUtf8) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c.Ruta()).string();
    auto r = Lintrap({"list", vbp, "--names"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_NE(r.out.find("Cálculo\n"), std::string::npos) << r.out;

    // The same byte read as Greek is another letter: the code page decides what is shown.
    auto griego = Lintrap({"list", vbp, "--names", "--codepage", "1253"});
    ASSERT_EQ(griego.codigo, 0) << griego.err;
    EXPECT_NE(griego.out.find("Cαlculo\n"), std::string::npos) << griego.out;

    // A name typed in UTF-8 finds the module whose name is stored in 1252.
    auto procs = Lintrap({"list", vbp, "--module", "cálculo"});
    ASSERT_EQ(procs.codigo, 0) << procs.err;
    EXPECT_EQ(procs.out, "Año\tNo\n");
}

TEST(ListProcedimientos, MetodosEnOrdenAlfabeticoSinPropiedadesConSuEstado) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c.Ruta()).string();
    auto r = Lintrap({"list", vbp, "--module", "Calculos"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    // alfa before Suma before Zeta, case ignored; only Zeta has its own On Error.
    EXPECT_EQ(r.out, "alfa\tNo\nSuma\tNo\nZeta\tSí\n");

    auto clase = Lintrap({"list", vbp, "--module", "CLSDATO"});
    ASSERT_EQ(clase.codigo, 0) << clase.err;
    EXPECT_EQ(clase.out, "Limpia\tNo\n"); // the Property Get is not listed
}

TEST(ListProcedimientos, JsonParaHerramientas) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c.Ruta()).string();
    auto r = Lintrap({"list", vbp, "--module", "Calculos", "--json"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["module"], "Calculos");
    EXPECT_EQ(j["file"], "Calculos.bas");
    ASSERT_EQ(j["procedures"].size(), 3u);
    EXPECT_EQ(j["procedures"][2]["name"], "Zeta");
    EXPECT_EQ(j["procedures"][2]["status"], "Sí");
    EXPECT_EQ(j["procedures"][2]["errorHandling"], true);
    EXPECT_EQ(j["procedures"][0]["errorHandling"], false);

    auto modulos = nlohmann::json::parse(Lintrap({"list", vbp, "--json"}).out);
    EXPECT_EQ(modulos["project"], "Prueba");
    ASSERT_EQ(modulos["modules"].size(), 3u);
    for (const auto& m : modulos["modules"]) {
        if (m["name"] == "clsDato") {
            EXPECT_EQ(m["type"], "Clase");
        }
    }
}

TEST(ListErrores, ModuloInexistenteYProyectoInexistente) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c.Ruta()).string();
    auto r = Lintrap({"list", vbp, "--module", "NoExiste"});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("\"NoExiste\""), std::string::npos) << r.err;

    auto falta = Lintrap({"list", (c / "Otro.vbp").string()});
    EXPECT_EQ(falta.codigo, 2);
    EXPECT_NE(falta.err.find("Otro.vbp"), std::string::npos) << falta.err;
}

// A module whose code cannot be read is refused, naming its file and why, by every command that
// shows it, never listed as a module without procedures. Past the first 16 KB the code is read
// only when used: the NUL bytes lie there.
TEST(ListErrores, UnModuloIlegibleSeRechazaNombrandoSuArchivo) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c.Ruta()).string();
    Escribe(c / "Calculos.bas",
            Archivo1252({"Attribute VB_Name = \"Calculos\"", "Option Explicit"}) +
                std::string(20000, '\0'));
    const std::vector<std::vector<std::string>> ordenes = {
        {"list", vbp, "--module", "Calculos"},
        {"list", vbp, "--module", "Calculos", "--json"},
        {"list", vbp, "--module", "Calculos", "--names"},
        {"list", vbp, "--json"},
        {"view", vbp, "--module", "Calculos"},
        {"view", vbp, "--module", "Calculos", "--json"},
    };
    for (const auto& args : ordenes) {
        auto r = Lintrap(args);
        SCOPED_TRACE(args[0] + " " + args.back());
        EXPECT_EQ(r.codigo, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Calculos.bas, línea 3: contiene un byte nulo"), std::string::npos)
            << r.err;
    }
}

// Names, comments and strings reach a terminal with their control characters escaped (an OSC 52
// clipboard write, a screen clear), piped or not; JSON escapes them as JSON does.
TEST(ListEscapes, LosCaracteresDeControlDelUsuarioNoLleganCrudosAlTerminal) {
    Carpeta c;
    const std::string osc = "\x1b]52;c;SGk=\x07", borra = "\x1b[2J";
    const std::string oscVisto = "\\x1b]52;c;SGk=\\x07", borraVisto = "\\x1b[2J";
    // Enough plain text that the file is not taken for a binary one.
    Escribe(c / "M.bas", "Attribute VB_Name = \"M" + osc + borra + "\"\r\nPublic Sub P" + borra +
                             "()\r\n    ' nota " + osc + "\r\n    MsgBox \"" + borra +
                             "\"\r\nEnd Sub\r\n' " + std::string(2000, '-') + "\r\n");
    Escribe(c / "E.vbp", "Type=Exe\r\nModule=M; M.bas\r\n");
    const std::string vbp = (c / "E.vbp").string(), m = "M" + osc + borra;
    const std::vector<std::pair<std::vector<std::string>, std::string>> casos = {
        {{"list", vbp}, "M" + oscVisto + borraVisto + "\tMódulo\t"},
        {{"list", vbp, "--names"}, "M" + oscVisto + borraVisto + "\n"},
        {{"list", vbp, "--module", m}, "P" + borraVisto + "\tNo\n"},
        {{"list", vbp, "--module", m + "x"}, "módulo \"M" + oscVisto + borraVisto + "x\""},
        {{"list", vbp, "--json"}, "\"M\\u001b]52;c;SGk=\\u0007\\u001b[2J\""},
        {{"list", vbp, "--module", m, "--json"}, "\"P\\u001b[2J\""},
        {{"check", vbp}, "el procedimiento P" + borraVisto + " no tiene"},
        // what the command left alone, and why, as its result says
        {{"insert", vbp, "--module", m, "--all", "--mode", "handler", "--dry-run", "--json"},
         "módulo M\\u001b]52;c;SGk=\\u0007\\u001b[2J no es un identificador"},
        {{"insert", vbp, "--module", m, "--all", "--mode", "handler", "--dry-run"},
         "aviso: M.bas, línea 1 del código: el nombre del módulo M" + oscVisto + borraVisto +
             " no es"},
        {{"view", vbp, "--module", m},
         "P" + borraVisto + "()\n    ' nota " + oscVisto + "\n    MsgBox \"" + borraVisto + "\"\n"},
        {{"view", vbp, "--module", m, "--json"}, "' nota \\u001b]52;c;SGk=\\u0007\\r\\n"},
    };
    for (const auto& [args, visto] : casos) {
        auto r = Lintrap(args);
        SCOPED_TRACE(args.back());
        const std::string todo = r.out + r.err; // a message names the module too
        EXPECT_EQ(todo.find_first_of("\x1b\x07"), std::string::npos) << todo;
        EXPECT_NE(todo.find(visto), std::string::npos) << todo;
    }
}
