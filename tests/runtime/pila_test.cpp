// The call stack: names kept up to the capacity, depth counted beyond it, and the capacity
// changed while procedures are running.

#include "Ayudas.h"

#include "ClsErrores/ErrObject.h"
#include "ClsErrores/clsErrores.h"
#include "base/ErrorVB.h"

#include <gtest/gtest.h>

namespace {

class Pila : public ::testing::Test {
protected:
    prueba::Carpeta carpeta;
    prueba::AlmacenTemporal almacen{carpeta};
    prueba::Guion guion;
    clsErrores e;

    void SetUp() override {
        e.Destination(carpeta / "Errores.log");
        e.MandaEmailOnError(false);
        e.LogOnError(false);
    }
    // The procedure name ManejoError shows for the current error.
    std::string ProcedimientoMostrado() {
        vb::Err().Fija(5, "Prueba", "x");
        e.ManejoError();
        return e.ErrProcedure();
    }
};

TEST_F(Pila, NewInstanceHasTwentyLevelsAndTheDefaultSettings) {
    EXPECT_EQ(e.MaxProcStackItems(), 20);
    EXPECT_EQ(e.Ranuras(), 23);
    EXPECT_EQ(e.Profundidad(), 0);
    clsErrores nuevo;
    EXPECT_TRUE(nuevo.MandaEmailOnError());
    EXPECT_TRUE(nuevo.LogOnError());
    EXPECT_EQ(nuevo.MsgOnError(), "normal");
    EXPECT_EQ(nuevo.EmailDir(), "errores@lintrap.invalid");
    EXPECT_TRUE(nuevo.Destination().ends_with("/Errores.log"));
    EXPECT_EQ(nuevo.Destination().find("//"), std::string::npos);
}

TEST_F(Pila, PopAtDepthZeroStaysAtZero) {
    e.Pop();
    e.Pop();
    EXPECT_EQ(e.Profundidad(), 0);
    e.Push("M \\ A");
    EXPECT_EQ(e.Profundidad(), 1);
    EXPECT_EQ(e.Entrada(1), "M \\ A");
    EXPECT_EQ(e.Entrada(0), "");
}

TEST_F(Pila, TwentyOneLevelsKeepTheTwentyInnerNamesAndComeBackDown) {
    for (int n = 1; n <= 21; ++n) {
        e.Push("M \\ P" + std::to_string(n));
    }
    EXPECT_EQ(e.Profundidad(), 21);
    for (int n = 1; n <= 20; ++n) {
        EXPECT_EQ(e.Entrada(n), "M \\ P" + std::to_string(n));
    }
    // Nothing is stored above the capacity: an error there names no procedure.
    EXPECT_EQ(e.Entrada(21), "");
    EXPECT_EQ(ProcedimientoMostrado(), "");

    e.Pop();
    EXPECT_EQ(e.Profundidad(), 20);
    EXPECT_EQ(ProcedimientoMostrado(), "M \\ P20");
    e.Pop();
    EXPECT_EQ(e.Entrada(20), "");
    EXPECT_EQ(ProcedimientoMostrado(), "M \\ P19");
}

TEST_F(Pila, DepthSaturatesAtTheLargestSixteenBitValue) {
    for (int n = 0; n < 32767 + 5; ++n) {
        e.Push("x");
    }
    EXPECT_EQ(e.Profundidad(), 32767);
    e.Pop();
    EXPECT_EQ(e.Profundidad(), 32766);
}

TEST_F(Pila, CapacityChangeAtDepthThreeEmptiesNamesAndKeepsDepth) {
    e.Push("M \\ A");
    e.Push("M \\ B");
    e.Push("M \\ C");
    e.MaxProcStackItems(5);
    EXPECT_EQ(e.MaxProcStackItems(), 5);
    EXPECT_EQ(e.Ranuras(), 8);
    EXPECT_EQ(e.Profundidad(), 3);
    for (int n = 0; n < e.Ranuras(); ++n) {
        EXPECT_EQ(e.Entrada(n), "");
    }
    e.Push("M \\ D");
    EXPECT_EQ(e.Entrada(4), "M \\ D");
    e.Push("M \\ E");
    e.Push("M \\ F"); // depth 6, above 5: not kept
    EXPECT_EQ(e.Entrada(6), "");
    EXPECT_EQ(e.Entrada(5), "M \\ E");
}

TEST_F(Pila, CapacityWithoutSlotRangeFailsAndChangesNothing) {
    e.Push("M \\ A");
    try {
        e.MaxProcStackItems(-3);
        FAIL() << "a capacity of -3 has no slots";
    } catch (const ErrorVB& x) {
        EXPECT_EQ(x.Number, 9);
    }
    try {
        e.MaxProcStackItems(32766);
        FAIL() << "32766 + 2 does not fit";
    } catch (const ErrorVB& x) {
        EXPECT_EQ(x.Number, 6);
    }
    EXPECT_EQ(e.MaxProcStackItems(), 20);
    EXPECT_EQ(e.Entrada(1), "M \\ A");

    // The extremes that do fit.
    e.MaxProcStackItems(-2);
    EXPECT_EQ(e.Ranuras(), 1);
    e.Push("M \\ B"); // nothing can be stored with a negative capacity
    EXPECT_EQ(e.Profundidad(), 2);
    e.Pop();
    e.Pop();
    e.Pop();
    EXPECT_EQ(e.Profundidad(), 0);
    e.MaxProcStackItems(32765);
    EXPECT_EQ(e.Ranuras(), 32768);
}

} // namespace
