// The engine's rules, each a module, a command and the module expected after it (see Regla.h):
// the golden module over every mode and variant, the patterns of real code that trip the line
// rules, and the edge cases. Then what the commands say and do around the rules.

#include "engine/Motor.h"
#include "engine/Procedimientos.h"
#include "tests/engine/Regla.h"
#include "tests/support/Codigo.h"
#include "tests/support/Guion.h"

#include <gtest/gtest.h>

using namespace engine;
using regla::Regla;
using enum regla::Orden;
using enum engine::Modo;
using enum engine::Variante;

namespace {

const std::string Rota = " tiene una marca de comienzo de bloque sin su marca de fin antes de su "
                         "final: no se ha cambiado";
const std::string SinManejo = ": no se le ha añadido el manejo de errores";
std::string UnaLinea(int linea, const std::string& nombre) {
    return std::to_string(linea) + " el procedimiento " + nombre +
           " ocupa una sola línea (su final está en la línea de la cabecera): no se ha cambiado";
}
std::vector<std::string> UnasLineas() {
    return {UnaLinea(6, "Corto"), UnaLinea(5, "Inicia"), UnaLinea(4, "Nombre"),
            UnaLinea(8, "Partida")};
}
std::string Etiqueta(int linea, const std::string& proc, const std::string& numero) {
    return std::to_string(linea) + " la línea se queda sin número en " + proc + ": el " + numero +
           " es una etiqueta a la que salta el código";
}
std::string NombreLargo() {
    std::string largo = "Calcula";
    while (largo.size() < 1017) {
        largo += "Total";
    }
    return largo;
}

// A row of the table.
Regla R(std::string nombre, std::string entrada, regla::Orden orden, Modo modo,
        std::string esperado, std::vector<std::string> procs = {}, Variante variante = OptExit,
        std::string quitado = "", std::vector<std::string> avisos = {}, std::string otraVez = "") {
    return {std::move(nombre),   std::move(entrada), orden,    modo,
            std::move(esperado), std::move(procs),   variante, std::move(quitado),
            std::move(avisos),   std::move(otraVez)};
}

// A pattern of real code (tests/data/engine/patrones), named after the fault it shows, inserted
// in `modo` into every procedure: `insertado` and `quitado` are the suffixes of its expected
// files (no `quitado`: removal gives the input back).
Regla Patron(std::string nombre, const std::string& patron, Modo modo, const std::string& insertado,
             const std::string& quitado = "", std::vector<std::string> avisos = {}) {
    const std::string p = "@patrones/" + patron;
    return {std::move(nombre),   p,  Inserta, modo,
            p + "." + insertado, {}, OptExit, quitado.empty() ? p : p + "." + quitado,
            std::move(avisos)};
}

std::vector<Regla> Tabla() {
    // the golden module: a header over three lines, a run of blank lines, comments above
    // headers, Select Case, labels, directives, a lower-case exit, a numbered exit, an empty
    // procedure, a Function whose name holds "Sub", a Static Sub, a continued line starting with
    // a number, and a property (never listed) with a numbered line
    std::vector<Regla> r = {
        R("Golden", "@entrada", Inserta, Option1, "@numeros_insertado", {}, OptExit,
          "@numeros_quitado_modulo", {}, "@numeros_reinsertado"),
        R("GoldenOffTheSelection", "@numeros_insertado", Quita, Option1,
          "@numeros_quitado_seleccion", {"*"}),
    };
    // into every procedure, or every one chosen by hand (and removed from those)
    for (const std::vector<std::string>& procs : {std::vector<std::string>{}, {"*"}}) {
        const std::string cuales = procs.empty() ? "" : "Selected";
        for (const auto& [variante, nombre] :
             {std::pair{OptExit, "exit"}, {OptResume, "resume"}, {OptRaise, "raise"}}) {
            r.push_back(R("GoldenHandler" + std::string(nombre) + cuales, "@entrada", Inserta,
                          Option2, "@manejo_" + std::string(nombre) + "_insertado", procs, variante,
                          "@manejo_quitado"));
        }
        r.push_back(R("GoldenResumeNext" + cuales, "@entrada", Inserta, Option3,
                      "@resumenext_insertado", procs, OptExit, "@entrada"));
    }
    const std::vector<Regla> resto = {
        // identifiers that end in an underscore do not continue their line
        Patron("Underscore", "guion_bajo", Option2, "manejo", "manejo_quitado"),
        Patron("UnderscoreNumbers", "guion_bajo", Option1, "numeros"),
        Patron("UnderscoreResumeNext", "guion_bajo", Option3, "resume"),
        // a procedure on one line, or whose end shares a line, is left alone
        Patron("OneLine", "una_linea", Option2, "manejo", "manejo_quitado",
               {"11 el final del procedimiento Cola comparte su línea con otras sentencias" +
                    SinManejo,
                UnaLinea(6, "Corto"), UnaLinea(5, "Inicia"), UnaLinea(4, "Nombre"),
                UnaLinea(8, "Partida")}),
        Patron("OneLineNumbers", "una_linea", Option1, "numeros", "", UnasLineas()),
        Patron("OneLineResumeNext", "una_linea", Option3, "resume", "", UnasLineas()),
        // the user's own Salir: and lblError: get no second one; their GoTo Salir stays
        Patron("OwnLabels", "etiqueta_propia", Option2, "manejo", "manejo_quitado",
               {"10 el procedimiento Abre ya tiene su propia etiqueta \"Salir:\"; no se le ha "
                "añadido el manejo de errores",
                "19 el procedimiento Calcula ya tiene su propia etiqueta \"lblError:\"; no se le "
                "ha añadido el manejo de errores"}),
        // line numbers the code jumps to stay; no new number takes one of them
        Patron("NumbersJumpedTo", "numeros_etiqueta", Option1, "numeros", "numeros_quitado",
               {Etiqueta(9, "Lee", "90")}),
        // alternative headers under #If each get an OnError block, the end one ManejoError
        Patron("AlternativeHeaders", "alternativas", Option2, "manejo", "manejo_quitado"),
        // a label with a statement after it keeps its line without a number; the labels of a
        // jump list continued over lines are jumped to, and no new number takes one of them
        Patron("LabelWithAStatement", "etiqueta_con_sentencia", Option1, "numeros", "",
               {Etiqueta(13, "Lee", "130")}),
        Patron("LabelWithAStatementHandler", "etiqueta_con_sentencia", Option2, "manejo",
               "manejo_quitado"),
        // only the exit that starts a line is redirected and restored, never the same words in
        // a string or a comment
        Patron("ExitsInText", "salidas_en_texto", Option2, "manejo", "manejo_quitado"),
        // a start marker without its end: that procedure is left whole, the next ones are not
        // eaten
        Patron("MarkerWithoutEnd", "marca_sin_fin", Option2, "manejo", "manejo_quitado"),
        R("MarkerWithoutEndRemoved", "@patrones/marca_sin_fin.manejo", Quita, Option2,
          "@patrones/marca_sin_fin.manejo_quitado", {}, OptExit, "",
          {"4 el procedimiento Rota" + Rota}),
        // names that would not stay inside the Push line's string, or make it too long
        Patron("Names", "nombres", Option2, "manejo", "manejo_quitado",
               {"3 el nombre del procedimiento Abre)Ya no es un identificador de VB (lleva «)»)" +
                    SinManejo,
                "7 la línea glbErr.Push que nombra a " + NombreLargo() +
                    " tendría 1042 caracteres, más de los 1023 que admite el editor" + SinManejo}),
        R("ModuleName", "@patrones/nombre_modulo", Inserta, Option2, "@patrones/nombre_modulo", {},
          OptExit, "@patrones/nombre_modulo",
          {"3 el nombre del módulo Pide\"Datos no es un identificador de VB (lleva «\"»)" +
           SinManejo + " a Pide"}),

        // edge cases (tests/data/engine/casos): every class of line that numbering passes by,
        // in any case, beside lines that begin with the same letter and are numbered all the
        // same
        R("NumberingPassesBy", "@casos/saltados", Inserta, Option1, "@casos/saltados.numeros"),
        // Resume Next goes under the header and its declarations, not where On Error already is
        R("ResumeNextUnderTheDeclarations", "@casos/declaraciones", Inserta, Option3,
          "@casos/declaraciones.resume"),
        // removal takes a leading number of any form the runtime reads (sign, point, exponent)
        // off with the one space after it, keeping the indentation in front and any later
        // occurrence
        R("RemovalTakesEveryNumber", "@casos/formas_de_numero", Quita, Option1,
          "@casos/formas_de_numero.quitado", {"A"}),
        // only the statement that starts the line goes, not its mentions
        R("ResumeNextRemovalTakesTheStatement", "@casos/menciones", Quita, Option3,
          "@casos/menciones.quitado", {"A"}),
        // "GOTO Salir" is an exit of ours only where our block is; elsewhere the user's own
        // Salir: runs the user's cleanup, and stays
        R("GotoSalirOfTheSelection", "@casos/goto_salir", Quita, Option2,
          "@casos/goto_salir.quitado", {"A", "B"}),
        R("GotoSalirOfTheModule", "@casos/goto_salir", Quita, Option2, "@casos/goto_salir.quitado"),
        R("MarkerTextInAStatement", "@casos/marca_en_texto", Quita, Option2,
          "@casos/marca_en_texto.quitado"),
        // a start marker alone deletes nothing, nor pairs with the next procedure's end marker
        R("StartMarkerAloneInTheModule", "@casos/marca_sola", Quita, Option2, "@casos/marca_sola",
          {}, OptExit, "", {"2 el procedimiento A" + Rota}),
        R("StartMarkerAloneInTheSelection", "@casos/marca_sola", Quita, Option2,
          "@casos/marca_sola", {"A"}, OptExit, "", {"2 el procedimiento A" + Rota}),
        R("StartMarkerBeforeAWholeBlock", "@casos/marca_sola_y_bloque", Quita, Option2,
          "@casos/marca_sola_y_bloque.quitado", {}, OptExit, "", {"2 el procedimiento A" + Rota}),

        // a numbered On Error does not stop the handler
        R("NumberedOnError", "@casos/numerado_on_error", Inserta, Option2,
          "@casos/numerado_on_error.manejo"),
        // a header the rules do not know (two blanks after Public) gets no OnError block while
        // its end gets the ManejoError block; a second insertion must not add a second one
        R("SecondInsertionPassesByOurBlock", "@casos/cabecera_desconocida", Inserta, Option2,
          "@casos/cabecera_desconocida.manejo"),
        // numbering again: the old number and its one space give way to the new number, the
        // indentation stays (one in front of the old number too, which goes after the new one);
        // a line that is only a number is a label and stays
        R("Renumbered", "@casos/renumerado", Inserta, Option1, "@casos/renumerado.numeros", {"A"},
          OptExit, "@casos/renumerado.quitado"),
        R("RenumberedAfterALineAbove", "@casos/renumerado_bajo_linea", Inserta, Option1,
          "@casos/renumerado_bajo_linea.numeros", {"A"}, OptExit,
          "@casos/renumerado_bajo_linea.quitado"),
        // a run of blank lines collapses and a leading blank line goes
        R("BlankRuns", "@casos/blancos", Inserta, Option1, "@casos/blancos.numeros"),
        // a lone 0 is a label of its own, and On Error GoTo 0 jumps to none
        R("ZeroIsNoJump", "@casos/cero", Inserta, Option1, "@casos/cero.numeros", {}, OptExit,
          "@casos/cero.quitado"),
        // Resume n jumps to n
        R("ResumeJumps", "@casos/resume_salta", Inserta, Option1, "@casos/resume_salta.numeros"),
        R("ContinuedLinesKeepTheirNumber", "@casos/continuadas", Quita, Option1,
          "@casos/continuadas.quitado", {"A"}),
        R("OnlyDeclarations", "@casos/solo_declaraciones", Quita, Option1,
          "@casos/solo_declaraciones"),
    };
    r.insert(r.end(), resto.begin(), resto.end());
    return r;
}

struct Reglas : ::testing::TestWithParam<Regla> {};

TEST_P(Reglas, Hold) {
    regla::Comprueba(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Motor, Reglas, ::testing::ValuesIn(Tabla()),
                         [](const auto& i) { return i.param.nombre; });

// What the commands do around the rules: over a module of their own, with the boxes and the
// progress kept.
struct Ejecucion : ::testing::Test {
    void SetUp() override { soporte::SilenciaGlbErr(); }
    vbide::CodeModule& Carga(std::string_view codigo) {
        archivo = soporte::Modulo(codigo);
        estado.procedimientos = ListaProcedimientos(archivo->Code(), 1252, progreso);
        return archivo->Code();
    }
    void Quita(bool moduloEntero) {
        estado.Check1 = moduloEntero;
        Motor(estado, progreso, dialogos).QuitaCodigo(archivo->Code());
    }
    std::string Codigo() { return soporte::Codigo(*archivo); }

    soporte::Guion dialogos;
    soporte::ProgresoAnotado progreso;
    EstadoSeleccion estado;
    std::unique_ptr<files::ModuleFile> archivo;
};

TEST_F(Ejecucion, HeaderContinuedPastTheModuleEndEndsTheStep) {
    Carga("Sub A()\n    x = 1\nEnd Sub\nSub B( _\n");
    const std::string antes = Codigo();
    estado.modo = Option2;
    long L = 4;
    Motor(estado, progreso, dialogos).InsertaLinea(archivo->Code(), L);
    EXPECT_EQ(L, 4);
    EXPECT_EQ(Codigo(), antes);
}

// An end marker further down belongs to another procedure's block.
TEST_F(Ejecucion, TheEndMarkerIsLookedForInTheProcedureOnly) {
    archivo = files::ModuleFile::Parse(
        soporte::Lee(soporte::Datos("engine/casos/marca_sola_y_bloque.bas")), "Modulo1.bas", 1252);
    bool manejo = false;
    EXPECT_EQ(Motor(estado, progreso, dialogos).BuscaFin(archivo->Code(), 2, manejo), 0);
}

TEST_F(Ejecucion, RemovalWithoutSelectionOnlyTellsTheUser) {
    const std::string codigo = "Sub A()\n10 x = 1\nEnd Sub\n";
    Carga(codigo);
    Quita(false);
    EXPECT_EQ(Codigo(), codigo);
    ASSERT_EQ(dialogos.cajas.size(), 1u);
    EXPECT_EQ(dialogos.cajas[0].prompt, "No hay ningún procedimiento seleccionado.\r\n"
                                        "Seleccione antes algún procedimiento");
    EXPECT_EQ(dialogos.cajas[0].buttons, vb::vbOKOnly);
    EXPECT_EQ(dialogos.cajas[0].title, "Lintrap");
    EXPECT_FALSE(progreso.visible);
    EXPECT_FALSE(progreso.reloj);
}

TEST_F(Ejecucion, RemovalProgressCountsProceduresOrLines) {
    Carga("Sub A()\nEnd Sub\nSub B()\nEnd Sub\nSub C()\nEnd Sub\n");
    estado.procedimientos[1].seleccionado = true;
    progreso.valores.clear();
    Quita(false);
    // (i * 100 + 1) / 3 after each row, selected or not.
    EXPECT_EQ(progreso.valores, (std::vector<double>{0, 33, 67}));
    progreso.valores.clear();
    Quita(true);
    // Lines 1 to 6 of a 6-line module: (L + 1) * 100 / 7 after each.
    EXPECT_EQ(progreso.valores, (std::vector<double>{28, 42, 57, 71, 85, 100}));
}

// Whatever the mode, a name the module does not know fails at the member lookup (error 9), and
// a property, which is a member without a plain procedure, at the procedure's start line (35):
// one box, nothing changed, the runtime's stack back where it was.
TEST_F(Ejecucion, EveryModeReportsTheErrorOfTheFirstLookupThatFails) {
    const std::string codigo =
        "Sub A()\n    x = 1\nEnd Sub\nProperty Get P() As Long\n    P = 1\nEnd Property\n";
    for (Modo modo : {Option1, Option2}) {
        for (const auto& [nombre, numero] :
             {std::pair<std::string, long>{"Fantasma", 9}, {"P", 35}}) {
            Carga(codigo);
            estado.modo = modo;
            estado.procedimientos.push_back({nombre, true, Manejo::Sin});
            int index = static_cast<int>(estado.procedimientos.size()) - 1;
            dialogos.cajas.clear();
            Motor(estado, progreso, dialogos).Insertar(archivo->Code(), index);
            EXPECT_EQ(Codigo(), codigo) << nombre;
            ASSERT_EQ(dialogos.cajas.size(), 1u) << nombre;
            EXPECT_EQ(glbErr().ErrNumber(), numero) << nombre;
            EXPECT_EQ(glbErr().ErrProcedure(), "frmAddIn \\ Insertar");
            EXPECT_EQ(glbErr().Profundidad(), 0);
        }
    }
}

} // namespace
