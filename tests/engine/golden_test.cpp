// Each mode and variant over one module that holds the cases the engine must get right: a
// header over three lines, a run of blank lines, comments above headers, Select Case, labels,
// directives, a lower-case exit, a numbered exit, an empty procedure, a Function whose name
// holds "Sub", a Static Sub, a continued line starting with a number, and a property (never
// listed) with a numbered line. Expected files were written from the rules, line by line.

#include "engine/Motor.h"
#include "engine/Procedimientos.h"
#include "tests/engine/Apoyo.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

struct Golden : ::testing::Test {
    void SetUp() override {
        apoyo::SilenciaGlbErr();
        modulo = files::ModuleFile::Parse(apoyo::Lee(apoyo::Datos("engine/entrada.bas")),
                                          "Modulo1.bas", 1252);
        estado.procedimientos = ListaProcedimientos(modulo->Code(), 1252, progreso);
    }
    void InsertaEnTodos() {
        Motor motor(estado, progreso, dialogos);
        for (int i = 0; i < static_cast<int>(estado.procedimientos.size()); ++i) {
            int index = i;
            motor.Insertar(modulo->Code(), index);
        }
    }
    void QuitaDeTodos(bool moduloEntero) {
        estado.Check1 = moduloEntero;
        for (auto& p : estado.procedimientos) {
            p.seleccionado = !moduloEntero;
        }
        Motor(estado, progreso, dialogos).QuitaCodigo(modulo->Code());
    }
    void Compara(const std::string& esperado) {
        EXPECT_EQ(modulo->Serialize(), apoyo::Lee(apoyo::Datos("engine/" + esperado)))
            << "differs from " << esperado;
    }

    apoyo::DialogosGuion dialogos;
    apoyo::ProgresoAnotado progreso;
    EstadoSeleccion estado;
    std::unique_ptr<files::ModuleFile> modulo;
};

TEST_F(Golden, ListsMethodsAlphabeticallyWithoutTheProperty) {
    std::vector<std::string> nombres;
    for (const auto& p : estado.procedimientos) {
        nombres.push_back(p.nombre);
        EXPECT_EQ(TextoEstado(p), "No");
    }
    EXPECT_EQ(nombres, (std::vector<std::string>{"Contador", "SubTotal", "Suma", "Vacio"}));
}

TEST_F(Golden, LineNumbersInsertedThenRemovedFromTheWholeModule) {
    estado.modo = Modo::Option1;
    InsertaEnTodos();
    Compara("numeros_insertado.bas");
    QuitaDeTodos(true);
    Compara("numeros_quitado_modulo.bas");
    EXPECT_TRUE(dialogos.cajas.empty());
}

TEST_F(Golden, LineNumbersRemovedFromSelectedProceduresLeaveThePropertyAlone) {
    estado.modo = Modo::Option1;
    InsertaEnTodos();
    QuitaDeTodos(false);
    Compara("numeros_quitado_seleccion.bas");
}

TEST_F(Golden, ErrorHandlerEachVariantInsertedThenRemoved) {
    const std::pair<Variante, std::string> variantes[] = {{Variante::OptExit, "exit"},
                                                          {Variante::OptResume, "resume"},
                                                          {Variante::OptRaise, "raise"}};
    for (const auto& [variante, nombre] : variantes) {
        for (bool moduloEntero : {true, false}) {
            SCOPED_TRACE(nombre + (moduloEntero ? " module" : " selection"));
            SetUp();
            estado.modo = Modo::Option2;
            estado.variante = variante;
            InsertaEnTodos();
            Compara("manejo_" + nombre + "_insertado.bas");
            QuitaDeTodos(moduloEntero);
            Compara("manejo_quitado.bas");
        }
    }
    EXPECT_TRUE(dialogos.cajas.empty());
}

TEST_F(Golden, ResumeNextInsertedThenRemovedGivesTheModuleBack) {
    for (bool moduloEntero : {true, false}) {
        SCOPED_TRACE(moduloEntero ? "module" : "selection");
        SetUp();
        estado.modo = Modo::Option3;
        InsertaEnTodos();
        Compara("resumenext_insertado.bas");
        QuitaDeTodos(moduloEntero);
        Compara("entrada.bas");
    }
}

TEST_F(Golden, SecondInsertionOfTheHandlerChangesNothing) {
    estado.modo = Modo::Option2;
    InsertaEnTodos();
    InsertaEnTodos();
    Compara("manejo_exit_insertado.bas");
    estado.procedimientos = ListaProcedimientos(modulo->Code(), 1252, progreso);
    for (const auto& p : estado.procedimientos) {
        EXPECT_EQ(TextoEstado(p), "S\xC3\xAD") << p.nombre;
    }
}

} // namespace
