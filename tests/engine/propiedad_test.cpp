// Over generated modules with the patterns that trip the line rules (identifiers ending in an
// underscore, one-line procedures, the user's own Salir:, line numbers the code jumps to,
// alternative headers under #If, labels with a statement after them, jump lists continued over
// lines, exits named in strings and comments): inserting into every procedure, once or twice, keeps
// every procedure compiling (no label defined twice, no jump to a missing label, each OnError block
// followed by one ManejoError block), and removing then gives the module back except for what
// removal cannot know (blank-line runs collapsed, one empty line under each header after the
// error-handling block, exit statements written in their usual case).

#include "engine/Bloques.h"
#include "engine/Motor.h"
#include "engine/Procedimientos.h"
#include "tests/fuzz/Generador.h"
#include "tests/fuzz/Invariantes.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Codigo.h"
#include "tests/support/Guion.h"

#include <gtest/gtest.h>

#include <random>

using namespace engine;

namespace {

struct Propiedad : ::testing::Test {
    void SetUp() override { soporte::SilenciaGlbErr(); }

    void Prepara(const fuzz::Generado& g) {
        archivo = soporte::Modulo(fuzz::Texto(g.lineas, "\n"));
        estado = {};
        estado.procedimientos = ListaProcedimientos(archivo->Code(), 1252, progreso);
    }
    void Inserta() {
        Motor motor(estado, progreso, dialogos);
        for (int i = 0; i < static_cast<int>(estado.procedimientos.size()); ++i) {
            int index = i;
            motor.Insertar(archivo->Code(), index);
        }
        const std::string falta = fuzz::FaltaEnProcedimientos(archivo->Code());
        EXPECT_EQ(falta, "") << soporte::Codigo(*archivo);
        estado.procedimientos = ListaProcedimientos(archivo->Code(), 1252, progreso);
    }
    void Quita() {
        estado.Check1 = true;
        Motor(estado, progreso, dialogos).QuitaCodigo(archivo->Code());
    }

    soporte::Guion dialogos;
    soporte::ProgresoAnotado progreso;
    EstadoSeleccion estado;
    std::unique_ptr<files::ModuleFile> archivo;
};

TEST_F(Propiedad, InsertOnceOrTwiceThenRemoveGivesTheModuleBack) {
    std::mt19937 azar(20240611);
    auto tira = [&](unsigned n) { return n == 0 ? 0u : static_cast<unsigned>(azar() % n); };
    for (int caso = 0; caso < 300; ++caso) {
        const fuzz::Generado g = fuzz::Genera(tira);
        SCOPED_TRACE("generated module:\n" + fuzz::Texto(g.lineas, "\n"));
        for (Modo modo : {Modo::Option1, Modo::Option2, Modo::Option3}) {
            for (int veces : {1, 2}) {
                SCOPED_TRACE("mode " + std::to_string(static_cast<int>(modo)) + ", " +
                             std::to_string(veces) + " insertions");
                Prepara(g);
                ASSERT_EQ(estado.procedimientos.size(), g.Listados());
                ASSERT_EQ(fuzz::FaltaEnProcedimientos(archivo->Code()), "");
                estado.modo = modo;
                estado.variante = static_cast<Variante>(tira(3));
                for (int vez = 0; vez < veces; ++vez) {
                    Inserta();
                }
                Quita();
                EXPECT_EQ(soporte::Codigo(*archivo), fuzz::Texto(fuzz::Esperado(g, modo), "\n"));
            }
        }
        if (HasFailure()) {
            return;
        }
    }
    EXPECT_TRUE(dialogos.cajas.empty());
}

} // namespace
