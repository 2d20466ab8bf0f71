// Edge cases of insertion and removal, on small modules written out in full.

#include "engine/Bloques.h"
#include "engine/ExisteOnError.h"
#include "engine/Motor.h"
#include "engine/Procedimientos.h"
#include "tests/engine/Apoyo.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

struct Casos : ::testing::Test {
    void SetUp() override { apoyo::SilenciaGlbErr(); }

    // Parses `codigo`, lists its procedures and selects those named.
    vbide::CodeModule& Carga(std::string_view codigo, std::vector<std::string> elegidos = {}) {
        archivo = apoyo::Modulo(codigo);
        estado.procedimientos = ListaProcedimientos(archivo->Code(), 1252, progreso);
        for (auto& p : estado.procedimientos) {
            p.seleccionado =
                std::find(elegidos.begin(), elegidos.end(), p.nombre) != elegidos.end();
        }
        return archivo->Code();
    }
    void InsertaEn(const std::string& nombre) {
        Motor motor(estado, progreso, dialogos);
        for (int i = 0; i < static_cast<int>(estado.procedimientos.size()); ++i) {
            if (estado.procedimientos[i].nombre == nombre) {
                motor.Insertar(archivo->Code(), i);
            }
        }
        dejados = motor.Avisos();
    }
    void Quita(bool moduloEntero) {
        estado.Check1 = moduloEntero;
        Motor(estado, progreso, dialogos).QuitaCodigo(archivo->Code());
    }
    std::string Codigo() { return apoyo::Codigo(*archivo); }

    apoyo::DialogosGuion dialogos;
    apoyo::ProgresoAnotado progreso;
    EstadoSeleccion estado;
    std::vector<Aviso> dejados; // what the last insertion left alone
    std::unique_ptr<files::ModuleFile> archivo;
};

const std::string OE = std::string(InicioOnError) + "\nON ERROR GOTO lblError\n";
const std::string FOE = std::string(FinOnError) + "\n";
const std::string ME = std::string(InicioManejoError) +
                       "\nSalir:\n     glbErr.Pop\n     EXIT SUB\nlblError:\n"
                       "     glbErr.ManejoError\n     GOTO SALIR\n" +
                       std::string(FinManejoError) + "\n";

TEST_F(Casos, ExisteOnErrorCountsOnlyAnUnnumberedStatementOfAMethod) {
    auto& m = Carga("Sub A()\n    x = 1\n      on error goto f\nEnd Sub\n"
                    "Sub B()\n10 On Error Resume Next\n' On Error GoTo 0\nEnd Sub\n"
                    "Property Get C() As Long\nOn Error Resume Next\nEnd Property\n");
    const auto& tabla = codepage::TablaMinusculas(1252);
    EXPECT_TRUE(ExisteOnError(m, m.Members().Item("A"), tabla));
    EXPECT_FALSE(ExisteOnError(m, m.Members().Item("B"), tabla));
    EXPECT_FALSE(ExisteOnError(m, m.Members().Item("C"), tabla));
}

// The listing passes over a procedure's lines once it knows whose they are. A row per change of
// owner all the same: a one-line procedure right after another is listed, a second procedure
// of one name is listed again, a property's Get and Let are one change (and no row), the lines
// after the last end belong to it; and the progress still moves line by line.
TEST_F(Casos, ListingHasARowPerChangeOfOwnerAndProgressPerLine) {
    Carga("Option Explicit\nDim n As Long\n' de A\nSub A()\n    On Error GoTo 0\nEnd Sub\n"
          "Property Get P() As Long\nEnd Property\nProperty Let P(v As Long)\n    n = v\n"
          "End Property\n\nSub B()\n    x = 1\n    y = 2\nEnd Sub\nSub D(): d = 1: End Sub\n"
          "Sub A()\n    z = 3\nEnd Sub\nFunction C() As Long\n    on error resume next\n"
          "End Function\n' al final\n\n");
    std::vector<std::string> filas;
    for (const auto& p : estado.procedimientos) {
        filas.push_back(p.nombre + "=" + std::string(TextoEstado(p)));
    }
    const std::string Si = "S\xC3\xAD";
    EXPECT_EQ(filas, (std::vector<std::string>{"A=" + Si, "A=" + Si, "B=No", "C=" + Si, "D=No"}));
    const long lineas = archivo->Code().CountOfLines();
    ASSERT_EQ(progreso.valores.size(), static_cast<std::size_t>(lineas));
    for (long i = 0; i < lineas; ++i) {
        EXPECT_EQ(progreso.valores[static_cast<std::size_t>(i)],
                  static_cast<double>(i) * 100.0 / static_cast<double>(lineas + 1));
    }
}

// The lists sort as a Spanish user reads: case ignored, accented letters with their plain
// ones, and the ñ a letter of its own between n and o ("Añade" before "Azul").
TEST_F(Casos, ListingSortsInSpanishAlphabeticalOrder) {
    Carga("Sub Zeta()\nEnd Sub\nSub \xC9"
          "mile()\nEnd Sub\nSub eta()\nEnd Sub\n"
          "Sub \xE9"
          "clair()\nEnd Sub\nSub BETA()\nEnd Sub\nSub Be()\nEnd Sub\n"
          "Sub \xD1"
          "and\xFA()\nEnd Sub\nSub Nube()\nEnd Sub\nSub Azul()\nEnd Sub\nSub A\xF1"
          "ade()\nEnd Sub\nSub Oso()\nEnd Sub\nSub beta()\nEnd Sub\n");
    std::vector<std::string> nombres;
    for (const auto& p : estado.procedimientos) {
        nombres.push_back(codepage::AUtf8(p.nombre, 1252));
    }
    EXPECT_EQ(nombres, (std::vector<std::string>{"Añade", "Azul", "Be", "BETA", "beta", "éclair",
                                                 "Émile", "eta", "Nube", "Ñandú", "Oso", "Zeta"}));
    // the module list takes the same order
    std::vector<std::string_view> vistas;
    for (const char* n : {"Zeta",
                          "\xD1"
                          "and\xFA",
                          "Nube",
                          "A\xF1"
                          "ade",
                          "Azul"}) {
        vistas.push_back(n);
    }
    EXPECT_EQ(OrdenAlfabetico(vistas, 1252), (std::vector<std::size_t>{3, 4, 2, 1, 0}));
}

TEST_F(Casos, NumberedOnErrorDoesNotStopTheHandlerAndNumbersAreRenumbered) {
    Carga("Sub B()\n10 On Error Resume Next\nEnd Sub\n");
    estado.modo = Modo::Option2;
    InsertaEn("B");
    EXPECT_EQ(Codigo(), "Sub B()\n" + OE + "glbErr.Push(\"Modulo1 \\ B\")\n" + FOE +
                            "\n10 On Error Resume Next\n" + ME + "End Sub\n");

    // Numbering twice: the old number and its one space give way to the new number, and the
    // indentation stays (also one in front of the old number, which goes after the new one);
    // a line that is only a number is a label and stays; removal gives the procedure back.
    Carga("Sub A()\n    x = 1\n    70 y = 2\n  80\nEnd Sub\n", {"A"});
    estado.modo = Modo::Option1;
    InsertaEn("A");
    EXPECT_EQ(Codigo(), "Sub A()\n20     x = 1\n30     y = 2\n  80\nEnd Sub\n");
    archivo->Code().InsertLines(1, "' arriba");
    InsertaEn("A");
    EXPECT_EQ(Codigo(), "' arriba\nSub A()\n30     x = 1\n40     y = 2\n  80\nEnd Sub\n");
    Quita(false);
    EXPECT_EQ(Codigo(), "' arriba\nSub A()\n    x = 1\n    y = 2\n  80\nEnd Sub\n");
}

// Every class of line that numbering passes by, in any case, beside lines that begin with the
// same letter and are numbered all the same.
TEST_F(Casos, NumberingPassesByEachSkippedClassAndNumbersItsNeighbours) {
    Carga("Sub A()\n"
          "    ' nota\n"
          "    dim a As Long\n"
          "    DIMENSION = 1\n"
          "    Do\n"
          "    ON ERROR GoTo 0\n"
          "    On Local Error GoTo 0\n"
          "    Open f For Input As 1\n"
          "    select case a\n"
          "    Set b = Nothing\n"
          "    CASE 1\n"
          "    Casos = 2\n"
          "    Casetas = 3\n"
          "    End Select\n"
          "    End If\n"
          "    Else\n"
          "#If DEBUG Then\n"
          "Otra:\n"
          "    x = 1 + _\n"
          "        2\n"
          "    Exit Sub\n"
          "    Loop\n"
          "End Sub\n");
    estado.modo = Modo::Option1;
    InsertaEn("A");
    EXPECT_EQ(Codigo(), "Sub A()\n"
                        "    ' nota\n"
                        "    dim a As Long\n"
                        "    DIMENSION = 1\n"
                        "50     Do\n"
                        "    ON ERROR GoTo 0\n"
                        "70     On Local Error GoTo 0\n"
                        "80     Open f For Input As 1\n"
                        "    select case a\n"
                        "100     Set b = Nothing\n"
                        "    CASE 1\n"
                        "120     Casos = 2\n"
                        "    Casetas = 3\n"
                        "    End Select\n"
                        "150     End If\n"
                        "160     Else\n"
                        "#If DEBUG Then\n"
                        "Otra:\n"
                        "190     x = 1 + _\n"
                        "        2\n"
                        "210     Exit Sub\n"
                        "220     Loop\n"
                        "End Sub\n");
}

// Removal takes a leading number of any form the runtime reads (sign, point, exponent) off
// with the one space after it, keeping the indentation in front and any later occurrence.
TEST_F(Casos, RemovalTakesEveryFormOfLeadingNumber) {
    Carga("Sub A()\n"
          "  10 a = 10 + 1\n"
          "    -3 b = 1\n"
          "+4 c = 1\n"
          "   .5 d = 1\n"
          "1e3 e = 1\n"
          "10x = 1\n"
          "- f = 1\n"
          "42\n"
          "End Sub\n",
          {"A"});
    estado.modo = Modo::Option1;
    Quita(false);
    EXPECT_EQ(Codigo(), "Sub A()\n"
                        "  a = 10 + 1\n"
                        "    b = 1\n"
                        "c = 1\n"
                        "   d = 1\n"
                        "e = 1\n"
                        "10x = 1\n"
                        "- f = 1\n"
                        "42\n"
                        "End Sub\n");
}

TEST_F(Casos, BlankRunsCollapseAndALeadingBlankLineGoes) {
    Carga("\n\nSub A()\n    x = 1\n\n\n\n    y = 2\nEnd Sub\n");
    estado.modo = Modo::Option1;
    InsertaEn("A");
    EXPECT_EQ(Codigo(), "Sub A()\n20     x = 1\n\n40     y = 2\nEnd Sub\n");
}

// "GOTO Salir" is an exit of ours only in a procedure that holds our ManejoError block; in any
// other the user's own Salir: runs the user's cleanup, and stays.
TEST_F(Casos, GotoSalirBecomesAnExitOnlyWhereOurBlockIs) {
    const std::string propio =
        "Sub B()\n    GoTo Salir\n    x = 1\nSalir:\n    Close #1\nEnd Sub\n";
    for (bool moduloEntero : {false, true}) {
        SCOPED_TRACE(moduloEntero ? "module" : "selection");
        Carga("Sub A()\n" + OE + "glbErr.Push(\"Modulo1 \\ A\")\n" + FOE +
                  "\n    If x Then Exit Sub\nGOTO Salir\n    20 goto salir\n" + ME + "End Sub\n" +
                  propio,
              {"A", "B"});
        estado.modo = Modo::Option2;
        Quita(moduloEntero);
        EXPECT_EQ(Codigo(),
                  "Sub A()\n\n    If x Then Exit Sub\nExit Sub\n    20 Exit Sub\nEnd Sub\n" +
                      propio);
    }
}

TEST_F(Casos, StartMarkerWithoutEndMarkerDeletesNothing) {
    const std::string codigo = "Sub A()\n" + std::string(InicioOnError) +
                               "\n    x = 1\nEnd Sub\nSub B()\n    y = 2\nEnd Sub\n";
    auto& m = Carga(codigo, {"A"});
    bool manejo = false;
    EXPECT_EQ(Motor(estado, progreso, dialogos).BuscaFin(m, 2, manejo), 0);
    estado.modo = Modo::Option2;
    Quita(true);
    EXPECT_EQ(Codigo(), codigo);
    Quita(false);
    EXPECT_EQ(Codigo(), codigo);
    EXPECT_TRUE(dialogos.cajas.empty());
}

TEST_F(Casos, AStatementMentioningAMarkerIsNotAMarker) {
    Carga("Sub A()\n" + OE + "glbErr.Push(\"Modulo1 \\ A\")\n" + FOE +
          "\n    MsgBox \"Inicio OnError Quovant_Lintrap\"\n    x = 1\n" +
          "    s = \"Inicio ManejoError Quovant_Lintrap\"\n" + ME + "End Sub\n");
    estado.modo = Modo::Option2;
    Quita(true);
    EXPECT_EQ(Codigo(), "Sub A()\n\n    MsgBox \"Inicio OnError Quovant_Lintrap\"\n    x = 1\n"
                        "    s = \"Inicio ManejoError Quovant_Lintrap\"\nEnd Sub\n");
}

TEST_F(Casos, ContinuedLinesKeepTheirLeadingNumber) {
    Carga("Sub A()\n10 x = _\n    5 + y\n30 y = 30 + 1\n40\nEnd Sub\n", {"A"});
    estado.modo = Modo::Option1;
    Quita(false);
    EXPECT_EQ(Codigo(), "Sub A()\nx = _\n    5 + y\ny = 30 + 1\n40\nEnd Sub\n");
}

TEST_F(Casos, HeaderContinuedPastTheModuleEndEndsTheStep) {
    Carga("Sub A()\n    x = 1\nEnd Sub\nSub B( _\n");
    const std::string antes = Codigo();
    estado.modo = Modo::Option2;
    long L = 4;
    Motor(estado, progreso, dialogos).InsertaLinea(archivo->Code(), L);
    EXPECT_EQ(L, 4);
    EXPECT_EQ(Codigo(), antes);
}

TEST_F(Casos, ResumeNextGoesUnderTheHeaderAndItsDeclarations) {
    Carga("Sub A(x, _\n    y)\n' uno\n' dos\n    Dim a As Long, _\n        b As Long\n"
          "    Static c\n    a = 1\nEnd Sub\n"
          "Sub B()\n\n    Dim a\nEnd Sub\n"
          "Sub C()\n    On Error GoTo 0\nEnd Sub\n");
    estado.modo = Modo::Option3;
    InsertaEn("A");
    InsertaEn("B");
    InsertaEn("C");
    EXPECT_EQ(Codigo(),
              "Sub A(x, _\n    y)\n' uno\n' dos\n    Dim a As Long, _\n        b As Long\n"
              "    Static c\nOn Error Resume Next\n    a = 1\nEnd Sub\n"
              "Sub B()\nOn Error Resume Next\n\n    Dim a\nEnd Sub\n"
              "Sub C()\n    On Error GoTo 0\nEnd Sub\n");
}

TEST_F(Casos, ResumeNextRemovalTakesTheStatementNotItsMentions) {
    Carga("' On Error Resume Next aqui no\nSub A()\n    MsgBox \"On Error Resume Next\"\n"
          "    On Error Resume Next: x = 1\n    On Error Resume Next\nEnd Sub\n",
          {"A"});
    estado.modo = Modo::Option3;
    Quita(false);
    EXPECT_EQ(Codigo(), "' On Error Resume Next aqui no\nSub A()\n"
                        "    MsgBox \"On Error Resume Next\"\n    x = 1\n    On Error Resume Next\n"
                        "End Sub\n");
}

TEST_F(Casos, RemovalWithoutSelectionOnlyTellsTheUser) {
    const std::string codigo = "Sub A()\n10 x = 1\nEnd Sub\n";
    Carga(codigo);
    Quita(false);
    EXPECT_EQ(Codigo(), codigo);
    ASSERT_EQ(dialogos.cajas.size(), 1u);
    EXPECT_EQ(dialogos.cajas[0].texto, "No hay ningún procedimiento seleccionado.\r\n"
                                       "Seleccione antes algún procedimiento");
    EXPECT_EQ(dialogos.cajas[0].botones, vb::vbOKOnly);
    EXPECT_EQ(dialogos.cajas[0].titulo, "Lintrap");
    EXPECT_FALSE(progreso.visible);
    EXPECT_FALSE(progreso.reloj);
}

TEST_F(Casos, RemovalProgressCountsProceduresOrLines) {
    Carga("Sub A()\nEnd Sub\nSub B()\nEnd Sub\nSub C()\nEnd Sub\n", {"B"});
    progreso.valores.clear();
    Quita(false);
    // (i * 100 + 1) / 3 after each row, selected or not.
    EXPECT_EQ(progreso.valores, (std::vector<double>{0, 33, 67}));
    progreso.valores.clear();
    Quita(true);
    // Lines 1 to 6 of a 6-line module: (L + 1) * 100 / 7 after each.
    EXPECT_EQ(progreso.valores, (std::vector<double>{28, 42, 57, 71, 85, 100}));
}

TEST_F(Casos, ModuleWithOnlyDeclarationsIsLeftAlone) {
    const std::string codigo = "Option Explicit\nDim x As Long\n10 y\n";
    Carga(codigo);
    estado.modo = Modo::Option1;
    Quita(true);
    EXPECT_EQ(Codigo(), codigo);
}

TEST_F(Casos, AnUnknownProcedureIsReportedAndNothingChanges) {
    const std::string codigo = "Sub A()\n    x = 1\nEnd Sub\n";
    Carga(codigo);
    estado.procedimientos.push_back({"Fantasma", true, Manejo::Sin});
    int index = 1;
    Motor(estado, progreso, dialogos).Insertar(archivo->Code(), index);
    EXPECT_EQ(Codigo(), codigo);
    ASSERT_EQ(dialogos.cajas.size(), 1u);
    EXPECT_EQ(glbErr().ErrProcedure(), "frmAddIn \\ Insertar");
    EXPECT_EQ(glbErr().Profundidad(), 0);
}

// Whatever the mode, a name the module does not know fails at the member lookup (error 9), and
// a property, which is a member without a plain procedure, at the procedure's start line (35).
TEST_F(Casos, EveryModeReportsTheErrorOfTheFirstLookupThatFails) {
    const std::string codigo =
        "Sub A()\n    x = 1\nEnd Sub\nProperty Get P() As Long\n    P = 1\nEnd Property\n";
    for (Modo modo : {Modo::Option1, Modo::Option2}) {
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
        }
    }
}

} // namespace

namespace {

// A header the rules do not know (two blanks after Public) gets no OnError block while its end
// gets the ManejoError block; a second insertion then finds no error statement, and must not
// add a second block whose Salir: and lblError: would be defined twice.
TEST_F(Casos, ASecondInsertionPassesByAProcedureThatHoldsOurBlock) {
    Carga("Public  Sub Doble()\n    x = 1\nEnd Sub\n");
    estado.modo = Modo::Option2;
    InsertaEn("Doble");
    const std::string una = Codigo();
    EXPECT_EQ(una, "Public  Sub Doble()\n    x = 1\n" + ME + "End Sub\n");
    InsertaEn("Doble");
    EXPECT_EQ(Codigo(), una);
    EXPECT_TRUE(dejados.empty());
}

} // namespace
