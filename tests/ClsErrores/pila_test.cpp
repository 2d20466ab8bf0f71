// The call stack: names kept up to the capacity, depth counted beyond it, and the capacity
// changed while procedures are running.

#include "Ayudas.h"

#include "tests/support/Errores.h"

namespace {

class Pila : public Runtime {
protected:
    // The procedure name ManejoError shows for an error now.
    std::string Mostrado() {
        Falla(5, "x");
        return e.ErrProcedure();
    }
};

TEST_F(Pila, NewHandlerHasTwentyLevelsAndTheDefaultSettings) {
    EXPECT_EQ(e.MaxProcStackItems(), 20);
    EXPECT_EQ(e.Ranuras(), 23);
    clsErrores nuevo;
    EXPECT_TRUE(nuevo.MandaEmailOnError() && nuevo.LogOnError());
    EXPECT_EQ(nuevo.MsgOnError(), "normal");
    EXPECT_EQ(nuevo.EmailDir(), "errores@lintrap.invalid");
    EXPECT_TRUE(nuevo.Destination().ends_with("/Errores.log"));
}

TEST_F(Pila, NamesUpToTheCapacityDepthBeyondIt) {
    e.Pop(); // at depth zero it stays there
    EXPECT_EQ(e.Profundidad(), 0);
    for (int n = 1; n <= 21; ++n) {
        e.Push("P" + std::to_string(n));
    }
    EXPECT_EQ(e.Profundidad(), 21);
    EXPECT_EQ(e.Entrada(0), "");
    EXPECT_EQ(e.Entrada(1), "P1");
    EXPECT_EQ(e.Entrada(20), "P20");
    EXPECT_EQ(e.Entrada(21), ""); // nothing stored above the capacity
    EXPECT_EQ(Mostrado(), "");
    e.Pop();
    EXPECT_EQ(Mostrado(), "P20");
    e.Pop();
    EXPECT_EQ(e.Entrada(20), "");
    EXPECT_EQ(Mostrado(), "P19");

    for (int n = 0; n < 32767; ++n) { // the depth saturates at the largest 16-bit value
        e.Push("x");
    }
    EXPECT_EQ(e.Profundidad(), 32767);
    e.Pop();
    EXPECT_EQ(e.Profundidad(), 32766);
}

TEST_F(Pila, CapacityChangeEmptiesNamesAndKeepsDepth) {
    for (const char* p : {"A", "B", "C"}) {
        e.Push(p);
    }
    e.MaxProcStackItems(5);
    EXPECT_EQ(e.Ranuras(), 8);
    EXPECT_EQ(e.Profundidad(), 3);
    for (int n = 0; n < e.Ranuras(); ++n) {
        EXPECT_EQ(e.Entrada(n), "");
    }
    for (const char* p : {"D", "E", "F"}) {
        e.Push(p);
    }
    EXPECT_EQ(e.Entrada(4), "D");
    EXPECT_EQ(e.Entrada(5), "E");
    EXPECT_EQ(e.Entrada(6), ""); // depth 6, above 5
}

TEST_F(Pila, CapacityWithoutSlotRangeFailsAndChangesNothing) {
    e.Push("A");
    for (auto [capacidad, numero] : {std::pair{-3, 9L}, {32766, 6L}}) {
        EXPECT_EQ(soporte::Lanzado([&, c = capacidad] { e.MaxProcStackItems(c); }).Number, numero)
            << capacidad;
    }
    EXPECT_EQ(e.MaxProcStackItems(), 20);
    EXPECT_EQ(e.Entrada(1), "A");
    e.MaxProcStackItems(-2); // the extremes that fit
    EXPECT_EQ(e.Ranuras(), 1);
    e.Push("B"); // nothing stored with a negative capacity, depth still counted
    EXPECT_EQ(e.Profundidad(), 2);
    e.MaxProcStackItems(32765);
    EXPECT_EQ(e.Ranuras(), 32768);
}

} // namespace
