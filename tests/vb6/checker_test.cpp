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

// Each case of tests/data/vb6/bloques_rotos.txt is found at its line, saying what is wrong; and
// a bare LF line end, which no case there can hold.
TEST(Vb6Checker, PointsAtEachFault) {
    std::istringstream casos(soporte::Lee(soporte::Datos("vb6/bloques_rotos.txt")));
    std::vector<std::pair<std::string, std::string>> leidos; // what is said, the code
    for (std::string l; std::getline(casos, l);) {
        if (l.starts_with("= ")) {
            leidos.emplace_back(l.substr(2) + "\n", "");
        } else if (!leidos.empty()) { // above the first case, comments
            leidos.back().second += l + "\n";
        }
    }
    EXPECT_EQ(leidos.size(), 20u);
    for (const auto& [dicho, codigo] : leidos) {
        const std::string hallado = vb6check::Texto(Modulo(Crlf(codigo)).Comprobar());
        EXPECT_NE(hallado.find(dicho), std::string::npos) << codigo << "hallado:\n" << hallado;
    }
    EXPECT_EQ(vb6check::Texto(Modulo("Sub A()\r\nx = 1\nEnd Sub\r\n").Comprobar()),
              "línea 2: el fin de línea no lleva CR\n");
}

} // namespace
