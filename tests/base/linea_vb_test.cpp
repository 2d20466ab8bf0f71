// The engine and the object model read a line with the same words; these are the lines where
// their options part them, and a few where they must agree.
#include "base/LineaVB.h"

#include <gtest/gtest.h>

namespace {

using namespace lineavb;

TEST(LineaVB, ElMotorYElCargadorLeenDistintoSoloDondeSusOpcionesLoDicen) {
    enum Pregunta { Comentario, Cabecera, Fin };
    const struct {
        Pregunta pregunta;
        std::string_view linea;
        bool motor, cargador;
    } casos[] = {
        {Comentario, "' nota", true, true},
        {Comentario, "Rem nota", false, true},
        {Comentario, "Remate = 1", false, false},
        {Comentario, "\t' nota", false, true}, // a tab is trimmed only by the object model
        {Cabecera, "private static function F()", true, true},
        {Cabecera, "Sub\tA()", false, true},
        {Cabecera, "Private  Sub A()", false, true},
        {Cabecera, "Global Sub A()", false, true},
        {Cabecera, "Static Public Sub A()", false, true},
        {Cabecera, "Declare Sub A Lib \"k\" ()", false, false},
        {Fin, "End Property", true, true},
        {Fin, "End Subtotal", true, false},
        {Fin, "End\tSub", false, true},
        {Fin, "Public End Sub", false, false},
    };
    for (const auto& c : casos) {
        for (const Lectura l : {kLecturaMotor, kLecturaCargador}) {
            const std::string_view t = Recorta(c.linea, l);
            const bool si = c.pregunta == Comentario ? EsComentario(t, l)
                            : c.pregunta == Cabecera ? EsCabecera(t, kTablaAscii, l)
                                                     : EsFin(t, kTablaAscii, l);
            EXPECT_EQ(si, l.remComenta ? c.cargador : c.motor) << c.linea;
        }
    }
}

} // namespace
