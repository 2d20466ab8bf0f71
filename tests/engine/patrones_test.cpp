// Patterns of real VB6 code that insertion must leave compiling and doing what it did: each
// input module under tests/data/engine/patrones with the module expected after inserting into
// every procedure in one mode, and after removing again from the whole module.

#include "engine/Motor.h"
#include "engine/Procedimientos.h"
#include "tests/engine/Apoyo.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace engine;

namespace {

struct Caso {
    std::string entrada; // the module
    Modo modo;
    std::string insertado; // expected after inserting into every procedure
    std::string quitado;   // expected after removing from the whole module; empty: the input
};

// One expected file per pattern and mode. The input's name says which fault it shows.
const Caso kCasos[] = {
    // identifiers that end in an underscore do not continue their line
    {"guion_bajo", Modo::Option2, "guion_bajo.manejo", "guion_bajo.manejo_quitado"},
    {"guion_bajo", Modo::Option1, "guion_bajo.numeros", ""},
    {"guion_bajo", Modo::Option3, "guion_bajo.resume", ""},
};

std::filesystem::path Ruta(const std::string& nombre) {
    return apoyo::Datos("engine/patrones/" + nombre + ".bas");
}

struct Patrones : ::testing::Test {
    void SetUp() override { apoyo::SilenciaGlbErr(); }

    void Carga(const std::string& nombre) {
        archivo = files::ModuleFile::Parse(apoyo::Lee(Ruta(nombre)), nombre + ".bas", 1252);
        estado = {};
        estado.procedimientos = ListaProcedimientos(archivo->Code(), 1252, progreso);
    }
    // Into every procedure, in list order, as "Todos los procedimientos" does.
    void Inserta(Modo modo) {
        estado.modo = modo;
        Motor motor(estado, progreso);
        for (int i = 0; i < static_cast<int>(estado.procedimientos.size()); ++i) {
            int index = i;
            motor.Insertar(archivo->Code(), index);
        }
    }
    void QuitaDelModulo() {
        estado.Check1 = true;
        Motor(estado, progreso).QuitaCodigo(archivo->Code());
    }
    // LINTRAP_ESCRIBE_ESPERADOS=1 writes an expected file that does not exist yet, to be read
    // line by line before it is committed.
    void Compara(const std::string& esperado) {
        const auto ruta = Ruta(esperado);
        if (!std::filesystem::exists(ruta) && std::getenv("LINTRAP_ESCRIBE_ESPERADOS")) {
            apoyo::Escribe(ruta, archivo->Serialize());
        }
        EXPECT_EQ(archivo->Serialize(), apoyo::Lee(ruta)) << "differs from " << esperado;
    }

    apoyo::DialogosGuion dialogos;
    apoyo::ProgresoAnotado progreso;
    EstadoSeleccion estado;
    std::unique_ptr<files::ModuleFile> archivo;
};

TEST_F(Patrones, EachPatternInsertedThenRemoved) {
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.entrada + " mode " + std::to_string(static_cast<int>(c.modo)));
        Carga(c.entrada);
        Inserta(c.modo);
        Compara(c.insertado);
        QuitaDelModulo();
        Compara(c.quitado.empty() ? c.entrada : c.quitado);
    }
    EXPECT_TRUE(dialogos.cajas.empty());
}

} // namespace
