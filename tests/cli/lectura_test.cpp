// The commands that change nothing, as a table: tests/data/cli/ordenes.txt gives each case's
// arguments, exit code, standard output and parts of its standard error. Every message is in
// Spanish, a run that succeeds says nothing on standard error, and nothing is written.

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Lintrap.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace soporte;

namespace {

struct Caso {
    std::string linea; // as the table writes it
    std::vector<std::string> args;
    int codigo = -1;
    std::string out;
    std::vector<std::string> err;
};

std::vector<Caso> Casos() {
    std::vector<Caso> casos;
    std::istringstream tabla(Lee(Datos("cli/ordenes.txt")));
    for (std::string l; std::getline(tabla, l);) {
        if (l.starts_with("#")) {
            continue;
        } else if (l.starts_with("$")) {
            casos.emplace_back().linea = l.substr(1);
            std::istringstream args(l.substr(1));
            for (std::string a; args >> a;)
                casos.back().args.push_back(a);
        } else if (l.starts_with("= ")) {
            casos.back().codigo = std::stoi(l.substr(2));
        } else if (l.starts_with("! ")) {
            casos.back().err.push_back(l.substr(2));
        } else {
            casos.back().out += l + "\n";
        }
    }
    return casos;
}

TEST(Ordenes, EachCommandShowsWhatItsWindowShowsOrSaysWhatIsWrong) {
    Carpeta c;
    const auto demo = Copia(Ejemplo(), c / "Demo") / "Demo.vbp";
    const auto p = Copia(Datos("cli/Prueba"), c / "p") / "Prueba.vbp";
    const auto roto = Copia(Datos("cli/Prueba"), c / "roto") / "Prueba.vbp";
    Copia(Datos("cli/Numeros"), c / "numeros");
    Copia(Datos("cli/Borde"), c / "borde");
    Copia(Datos("cli/Atributos"), c / "atributos");
    Escribe(c / "roto" / "Calculos.bas",
            Crlf("Attribute VB_Name = \"Calculos\"\nOption Explicit\n") + std::string(20000, '\0'));
    const auto antes = Foto(c.Ruta());
    const auto casos = Casos();
    ASSERT_GT(casos.size(), 50u);
    for (const Caso& caso : casos) {
        SCOPED_TRACE("lintrap" + caso.linea);
        std::vector<std::string> args;
        for (std::string a : caso.args) {
            for (const auto& [clave, ruta] :
                 {std::pair{std::string("{demo}"), demo}, std::pair{std::string("{p}"), p},
                  std::pair{std::string("{roto}"), roto},
                  std::pair{std::string("{c}"), c.Ruta()}}) {
                if (a.starts_with(clave)) {
                    a = ruta.string() + a.substr(clave.size());
                }
            }
            args.push_back(a);
        }
        const Resultado r = Lintrap(args);
        EXPECT_EQ(r.codigo, caso.codigo) << r.err;
        const std::string golden =
            caso.out.starts_with('@') ? caso.out.substr(1, caso.out.size() - 2) : std::string();
        EXPECT_EQ(r.out, golden.empty() ? caso.out : Esperado("cli/salidas/" + golden, r.out));
        for (const std::string& parte : caso.err) {
            EXPECT_NE(r.err.find(parte), std::string::npos) << r.err;
        }
        if (caso.codigo == 0) {
            EXPECT_EQ(r.err, "");
        }
        for (const char* ingles : {"required", "expected", "Run with", "convert", "Value"}) {
            EXPECT_EQ(r.err.find(ingles), std::string::npos) << ingles << " in " << r.err;
        }
    }
    EXPECT_EQ(Foto(c.Ruta()), antes);
}

} // namespace
