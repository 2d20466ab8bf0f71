// The engine's rules, each a module, a command and the module expected after it (see Regla.h),
// as tests/data/engine/reglas.txt lists them: the golden module over every mode and variant, the
// patterns of real code that trip the line rules, and the edge cases. Then what the commands say
// and do around the rules.

#include "engine/Motor.h"
#include "engine/Procedimientos.h"
#include "tests/engine/Regla.h"
#include "tests/support/Codigo.h"
#include "tests/support/Guion.h"
#include "tests/support/Tabla.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <sstream>

using namespace engine;
using regla::Regla;
using enum regla::Orden;
using enum engine::Modo;
using enum engine::Variante;

namespace {

// The rules as tests/data/engine/reglas.txt states them.
std::vector<Regla> Tabla() {
    const std::map<std::string, Modo> modos = {
        {"numbers", Option1}, {"handler", Option2}, {"resume-next", Option3}};
    const std::map<std::string, Variante> variantes = {
        {"exit", OptExit}, {"resume", OptResume}, {"raise", OptRaise}};
    std::vector<Regla> r;
    for (const auto& caso : soporte::Casos("engine/reglas.txt")) {
        Regla& x = r.emplace_back(Regla{caso.cabecera, "", Inserta, Option1, ""});
        for (const std::string& l : caso.lineas) {
            const auto dos = l.find(": ");
            if (dos == std::string::npos)
                continue;
            const std::string clave = l.substr(0, dos), valor = l.substr(dos + 2);
            if (clave == "inserta" || clave == "quita") {
                x.orden = clave == "inserta" ? Inserta : Quita;
                const auto blanco = valor.find(' ');
                x.modo = modos.at(valor.substr(0, blanco));
                x.variante =
                    blanco == std::string::npos ? OptExit : variantes.at(valor.substr(blanco + 1));
            } else if (clave == "procs") {
                std::istringstream nombres(valor);
                x.procs.assign(std::istream_iterator<std::string>(nombres), {});
            } else if (clave == "aviso") {
                x.avisos.push_back(valor);
            } else {
                std::map<std::string, std::string*>{{"entrada", &x.entrada},
                                                    {"esperado", &x.esperado},
                                                    {"quitado", &x.quitado},
                                                    {"otra vez", &x.otraVez}}
                    .at(clave)
                    ->assign(valor);
            }
        }
    }
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
