// Modules from the generator the engine's fuzz target shares (the patterns that trip the line
// rules: see tests/fuzz/Generador.h), drawn from a seeded random source and put through that
// target's checks: inserting in any mode and variant, once or twice, keeps every procedure
// compiling and shows no box, removing gives the module back but for what removal cannot know,
// and the commands and plain edits after it keep the procedure index whole.

#include "tests/fuzz/Casos.h"
#include "tests/fuzz/Invariantes.h"

#include <gtest/gtest.h>

#include <random>

TEST(Propiedad, GeneratedModulesSurviveEveryCommand) {
    std::mt19937 azar(20240611);
    std::string datos(600, '\0');
    for (int caso = 0; caso < 1200; ++caso) {
        for (char& c : datos) {
            c = static_cast<char>(azar());
        }
        datos[0] = static_cast<char>(caso % 3); // a generated module, not arbitrary bytes
        try {
            fuzz::CasoMotor(datos);
        } catch (const fuzz::Hallazgo& h) {
            FAIL() << "case " << caso << ": " << h.what();
        }
    }
}
