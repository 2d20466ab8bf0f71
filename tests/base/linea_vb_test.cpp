// The engine and the object model read a line with the same words; these are the lines where
// their options part them, and a few where they must agree.
#include "base/LineaVB.h"
#include "tests/support/Tabla.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace lineavb;

// The cases: tests/data/base/linea_vb.txt.
TEST(LineaVB, ElMotorYElCargadorLeenDistintoSoloDondeSusOpcionesLoDicen) {
    for (const soporte::Caso& caso : soporte::Casos("base/linea_vb.txt")) {
        std::istringstream cabecera(caso.cabecera);
        std::string pregunta;
        bool motor = false, cargador = false;
        cabecera >> pregunta >> motor >> cargador;
        for (const std::string& linea : caso.lineas) {
            for (const Lectura l : {kLecturaMotor, kLecturaCargador}) {
                const std::string_view t = Recorta(linea, l);
                const bool si = pregunta == "comentario" ? EsComentario(t, l)
                                : pregunta == "cabecera" ? EsCabecera(t, kTablaAscii, l)
                                                         : EsFin(t, kTablaAscii, l);
                EXPECT_EQ(si, l.remComenta ? cargador : motor) << pregunta << ": " << linea;
            }
        }
    }
}

} // namespace
