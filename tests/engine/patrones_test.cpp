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
    // a procedure on one line, or whose end shares a line, is left alone
    {"una_linea", Modo::Option2, "una_linea.manejo", "una_linea.manejo_quitado"},
    {"una_linea", Modo::Option1, "una_linea.numeros", ""},
    {"una_linea", Modo::Option3, "una_linea.resume", ""},
    // the user's own Salir: and lblError: get no second one; their GoTo Salir stays
    {"etiqueta_propia", Modo::Option2, "etiqueta_propia.manejo", "etiqueta_propia.manejo_quitado"},
    // line numbers the code jumps to stay; no new number takes one of them
    {"numeros_etiqueta", Modo::Option1, "numeros_etiqueta.numeros",
     "numeros_etiqueta.numeros_quitado"},
    // alternative headers under #If each get an OnError block, the end one ManejoError block
    {"alternativas", Modo::Option2, "alternativas.manejo", "alternativas.manejo_quitado"},
    // a label with a statement after it keeps its line without a number; the labels of a jump
    // list continued over lines are jumped to, and no new number takes one of them
    {"etiqueta_con_sentencia", Modo::Option1, "etiqueta_con_sentencia.numeros", ""},
    {"etiqueta_con_sentencia", Modo::Option2, "etiqueta_con_sentencia.manejo",
     "etiqueta_con_sentencia.manejo_quitado"},
    // only the exit that starts a line is redirected and restored, never the same words in a
    // string or a comment
    {"salidas_en_texto", Modo::Option2, "salidas_en_texto.manejo",
     "salidas_en_texto.manejo_quitado"},
    // a start marker without its end: that procedure is left whole, the next ones are not eaten
    {"marca_sin_fin", Modo::Option2, "marca_sin_fin.manejo", "marca_sin_fin.manejo_quitado"},
    // names that would not stay inside the Push line's string, or make it too long
    {"nombres", Modo::Option2, "nombres.manejo", "nombres.manejo_quitado"},
    {"nombre_modulo", Modo::Option2, "nombre_modulo", ""},
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
        Motor motor(estado, progreso, dialogos);
        for (int i = 0; i < static_cast<int>(estado.procedimientos.size()); ++i) {
            int index = i;
            motor.Insertar(archivo->Code(), index);
        }
        dejados = motor.Avisos();
    }
    void QuitaDelModulo() {
        estado.Check1 = true;
        Motor motor(estado, progreso, dialogos);
        motor.QuitaCodigo(archivo->Code());
        dejados = motor.Avisos();
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
    std::vector<Aviso> dejados; // what the last insertion or removal left alone
    std::unique_ptr<files::ModuleFile> archivo;
};

TEST_F(Patrones, EachPatternInsertedThenRemoved) {
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.entrada + " mode " + std::to_string(static_cast<int>(c.modo)));
        Carga(c.entrada);
        Inserta(c.modo);
        Compara(c.insertado);
        // a second insertion changes nothing: the numbers are those of the same lines, and a
        // procedure with its blocks is passed by
        Inserta(c.modo);
        Compara(c.insertado);
        QuitaDelModulo();
        Compara(c.quitado.empty() ? c.entrada : c.quitado);
    }
    EXPECT_TRUE(dialogos.cajas.empty());
}

// What was left alone is said, procedure by procedure, with the line and the reason.
TEST_F(Patrones, WhatIsLeftAloneIsSaid) {
    // `quita`: what the removal from the whole module says after the insertion
    auto avisos = [&](const std::string& nombre, Modo modo, bool quita = false) {
        Carga(nombre);
        Inserta(modo);
        if (quita) {
            QuitaDelModulo();
        }
        std::vector<std::string> r;
        for (const Aviso& a : dejados) {
            r.push_back(std::to_string(a.linea) + " " + Texto(a, 1252));
        }
        return r;
    };
    EXPECT_EQ(avisos("una_linea", Modo::Option2),
              (std::vector<std::string>{
                  "11 el final del procedimiento Cola comparte su línea con otras sentencias: no "
                  "se le ha añadido el manejo de errores",
                  "6 el procedimiento Corto ocupa una sola línea (su final está en la línea de la "
                  "cabecera): no se ha cambiado",
                  "5 el procedimiento Inicia ocupa una sola línea (su final está en la línea de "
                  "la cabecera): no se ha cambiado",
                  "4 el procedimiento Nombre ocupa una sola línea (su final está en la línea de "
                  "la cabecera): no se ha cambiado",
                  "8 el procedimiento Partida ocupa una sola línea (su final está en la línea de "
                  "la cabecera): no se ha cambiado"}));
    EXPECT_EQ(
        avisos("etiqueta_propia", Modo::Option2),
        (std::vector<std::string>{"10 el procedimiento Abre ya tiene su propia etiqueta "
                                  "\"Salir:\"; no se le ha añadido el manejo de errores",
                                  "19 el procedimiento Calcula ya tiene su propia etiqueta "
                                  "\"lblError:\"; no se le ha añadido el manejo de errores"}));
    EXPECT_EQ(avisos("numeros_etiqueta", Modo::Option1),
              (std::vector<std::string>{"9 la línea se queda sin número en Lee: el 90 es una "
                                        "etiqueta a la que salta el código"}));
    EXPECT_EQ(avisos("etiqueta_con_sentencia", Modo::Option1),
              (std::vector<std::string>{"13 la línea se queda sin número en Lee: el 130 es una "
                                        "etiqueta a la que salta el código"}));
    EXPECT_EQ(avisos("marca_sin_fin", Modo::Option2, true),
              (std::vector<std::string>{"4 el procedimiento Rota tiene una marca de comienzo de "
                                        "bloque sin su marca de fin antes de su final: no se ha "
                                        "cambiado"}));
    std::string largo = "Calcula";
    while (largo.size() < 1017) {
        largo += "Total";
    }
    EXPECT_EQ(avisos("nombres", Modo::Option2),
              (std::vector<std::string>{
                  "3 el nombre del procedimiento Abre)Ya no es un identificador de VB (lleva "
                  "«)»): no se le ha añadido el manejo de errores",
                  "7 la línea glbErr.Push que nombra a " + largo +
                      " tendría 1042 caracteres, más de los 1023 que admite el editor: no se le "
                      "ha añadido el manejo de errores"}));
    EXPECT_EQ(avisos("nombre_modulo", Modo::Option2),
              (std::vector<std::string>{"3 el nombre del módulo Pide\"Datos no es un identificador "
                                        "de VB (lleva «\"»): no se le ha añadido el manejo de "
                                        "errores a Pide"}));
}

} // namespace
