// The checker itself: it must pass sound VB6 and point at each kind of broken block.
#include "tests/support/Archivos.h"
#include "tests/vb6/Vb6Checker.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using vb6check::Modulo;

using soporte::Crlf;

// Each case of tests/data/vb6/bloques_rotos.txt is found at its line, saying what is wrong.
TEST(Vb6Checker, PointsAtEachBrokenBlock) {
    std::istringstream casos(soporte::Lee(soporte::Datos("vb6/bloques_rotos.txt")));
    std::vector<std::pair<std::string, std::string>> leidos; // what is said, the code
    for (std::string l; std::getline(casos, l);) {
        if (l.starts_with("= ")) {
            leidos.emplace_back(l.substr(2) + "\n", "");
        } else if (!leidos.empty()) { // above the first case, comments
            leidos.back().second += l + "\n";
        }
    }
    EXPECT_EQ(leidos.size(), 18u);
    for (const auto& [dicho, codigo] : leidos) {
        const std::string hallado = vb6check::Texto(Modulo(Crlf(codigo)).Comprobar());
        EXPECT_NE(hallado.find(dicho), std::string::npos) << codigo << "hallado:\n" << hallado;
    }
}

TEST(Vb6Checker, EditorLimitsAndLineEnds) {
    const std::string larga(vb6check::MaxLongitudLinea, 'x');
    auto continuada = [](int n) {
        std::string s = "Sub A()\nx = 1";
        for (int i = 0; i < n; ++i) {
            s += " + _\n1";
        }
        return Crlf(s + "\nEnd Sub\n");
    };
    EXPECT_TRUE(Modulo(Crlf("'" + larga.substr(1) + "\n")).Comprobar().empty());
    EXPECT_TRUE(Modulo(continuada(vb6check::MaxContinuaciones)).Comprobar().empty());
    for (auto [codigo, problema] :
         {std::pair{Crlf("'" + larga + "\n"), "línea 1: línea de 1024 caracteres\n"},
          {continuada(vb6check::MaxContinuaciones + 1),
           "línea 2: 25 continuaciones en una línea lógica\n"},
          {"Sub A()\r\nx = 1\nEnd Sub\r\n", "línea 2: el fin de línea no lleva CR\n"}}) {
        EXPECT_EQ(vb6check::Texto(Modulo(codigo).Comprobar()), problema);
    }
}

} // namespace
