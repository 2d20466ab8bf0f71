// The commands run on copies that nothing may change, as a table:
// tests/data/cli/ordenes.txt gives each case's arguments, exit code, standard
// output and standard error. Every message is in Spanish, a run that succeeds
// says nothing on standard error unless its case says what, and nothing is
// written.

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Lintrap.h"
#include "tests/support/Tabla.h"
#include "tests/support/Texto.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace soporte;

namespace {

// "@name": the file tests/data/cli/salidas/name, compared whole.
std::string Salida(const std::string& texto, const std::string& obtenido) {
    return texto.starts_with('@') ? Esperado("cli/salidas/" + texto.substr(1), obtenido) : texto;
}

TEST(Ordenes, EachCommandShowsWhatItsWindowShowsOrSaysWhatIsWrong) {
    Carpeta c;
    const auto demo = Copia(Ejemplo(), c / "Demo") / "Demo.vbp";
    const auto p = Copia(Datos("cli/Prueba"), c / "p") / "Prueba.vbp";
    const auto roto = Copia(Datos("cli/Prueba"), c / "roto") / "Prueba.vbp";
    for (const char* datos :
         {"Numeros", "Borde", "Atributos", "Riesgos", "Escapes", "Ajena", "Faltan"}) {
        std::string minusculas = datos;
        minusculas[0] = static_cast<char>(minusculas[0] - 'A' + 'a');
        Copia(Datos(std::string("cli/") + datos), c / minusculas);
    }
    // The runtime put in as the installer puts it, from the shipped files of this build.
    const auto instalado = Copia(Datos("cli/Prueba"), c / "instalado") / "Prueba.vbp";
    ASSERT_EQ(Lintrap({"insert", instalado.string(), "--all-modules", "--all", "--mode", "handler"})
                  .codigo,
              0);
    // Its copy with a setting line that cannot be read back.
    std::string cls = Lee(Copia(c / "instalado", c / "ajuste") / "clsErrores.cls");
    Escribe(c / "ajuste" / "clsErrores.cls",
            cls.replace(cls.find("c_EMailDir = \"\""), 15, "c_EMailDir = Destino"));
    Escribe(c / "roto" / "Calculos.bas",
            Crlf("Attribute VB_Name = \"Calculos\"\nOption Explicit\n") + std::string(20000, '\0'));
    const std::vector<std::pair<std::string, std::string>> claves = {
        {"{esc}", "\x1b"},   {"{bel}", "\x07"},         {"{lf}", "\n"},
        {"{del}", "\x7F"},   {"{vacio}", ""},           {"{demo}", demo.string()},
        {"{p}", p.string()}, {"{roto}", roto.string()}, {"{c}", c.Ruta().string()}};
    const auto antes = Foto(c.Ruta());
    const auto filas = Casos("cli/ordenes.txt");
    ASSERT_GT(filas.size(), 50u);
    for (const Caso& fila : filas) {
        SCOPED_TRACE("lintrap" + fila.cabecera);
        std::vector<std::string> args;
        std::istringstream partes(fila.cabecera);
        for (std::string a; partes >> a;) {
            args.push_back(Sustituye(a, claves));
        }
        const Resultado r = Lintrap(args);
        std::string out;
        std::vector<std::string> err;
        for (const std::string& l : fila.lineas) {
            if (l.starts_with("= ")) {
                EXPECT_EQ(r.codigo, std::stoi(l.substr(2))) << r.err;
            } else if (l.starts_with("! ")) {
                err.push_back(l.substr(2));
            } else {
                out += l + "\n";
            }
        }
        EXPECT_EQ(r.out, out.starts_with('@') ? Salida(out.substr(0, out.size() - 1), r.out) : out);
        for (const std::string& parte : err) {
            if (parte.starts_with('@')) {
                EXPECT_EQ(r.err, Salida(parte, r.err));
            } else {
                EXPECT_NE(r.err.find(parte), std::string::npos) << r.err;
            }
        }
        if (r.codigo == 0 && err.empty()) {
            EXPECT_EQ(r.err, "");
        }
        for (const char* ingles : {"required", "expected", "Run with", "convert", "Value"}) {
            EXPECT_EQ(r.err.find(ingles), std::string::npos) << ingles << " in " << r.err;
        }
    }
    EXPECT_EQ(Foto(c.Ruta()), antes);
}

} // namespace
