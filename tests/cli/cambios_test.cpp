// lintrap insert / remove over whole projects: what is written, what is given back, and what
// is refused. The rules themselves are the engine tests'.

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Lintrap.h"
#include "tests/support/Texto.h"

#include <gtest/gtest.h>

using namespace soporte;
namespace fs = std::filesystem;

namespace {

std::string Pequeno(const Carpeta& c) {
    return (Copia(Datos("cli/Prueba"), c / "p") / "Prueba.vbp").string();
}

} // namespace

// A whole project numbered, given back, then given the handler, with one job and with two: the
// same bytes either way; numbering leaves the project file untouched.
TEST(InsertRemove, TodoElProyectoConUnoODosTrabajosYVueltaAtras) {
    Carpeta c;
    const auto uno = Proyecto(c / "uno", 24, 12).string();
    const auto dos = Proyecto(c / "dos", 24, 12).string();
    const auto antes = Contenido(c / "uno");
    const std::vector<std::pair<std::string, std::string>> pasos = {
        {"insert", "numbers"}, {"remove", "numbers"}, {"insert", "handler"}};
    for (const auto& [orden, modo] : pasos) {
        SCOPED_TRACE(orden + " " + modo);
        auto a = Lintrap({orden, uno, "--all-modules", "--all", "--mode", modo, "--jobs", "1"});
        auto b = Lintrap({orden, dos, "--all-modules", "--all", "--mode", modo, "--jobs", "2"});
        ASSERT_EQ(a.codigo, 0) << a.err;
        ASSERT_EQ(b.codigo, 0) << b.err;
        EXPECT_EQ(a.out + b.out, "");
        EXPECT_EQ(a.err, b.err);
        EXPECT_TRUE(Contenido(c / "uno") == Contenido(c / "dos"));
        if (modo == "numbers") {
            EXPECT_EQ(a.err, ""); // no progress line when stderr is not a terminal
        }
        if (orden == "remove") {
            EXPECT_EQ(Contenido(c / "uno"), antes);
        }
        for (const auto& [nombre, bytes] : Contenido(c / "uno")) {
            // every module numbered from its first procedure's body
            EXPECT_EQ(bytes.find("\r\n40     x = x + 0\r\n") != std::string::npos,
                      orden == "insert" && modo == "numbers" && nombre != "P.vbp")
                << nombre;
        }
    }
}

TEST(InsertRemove, ManejoDeErroresInstalaElRuntimeYSeQuitaDespues) {
    Carpeta c;
    const auto vbp = Pequeno(c);
    const std::string calculos = Lee(c / "p" / "Calculos.bas");
    auto r =
        Lintrap({"insert", vbp, "--module", "Calculos", "--all", "--mode", "handler", "--variant",
                 "raise", "--email", "yo@ejemplo.es", "--msg", "Falló: \"x\"", "--no-log"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(r.err, "lintrap: Se ha añadido una clase para manejo de errores (clsErrores.cls)"
                     " y un módulo (InfoSistema.bas)\n");
    // The shipped sources land in the project's own folder and in the project file, with the
    // settings as string literals.
    const std::string proyecto = Lee(c / "p" / "Prueba.vbp");
    EXPECT_NE(proyecto.find("Class=clsErrores; clsErrores.cls\r\n"), std::string::npos);
    EXPECT_NE(proyecto.find("Module=InfoSistema; InfoSistema.bas\r\n"), std::string::npos);
    const std::string clase = Lee(c / "p" / "clsErrores.cls");
    EXPECT_NE(clase.find("\r\nm_fSendEmailOnError = True\r\nc_EMailDir = \"yo@ejemplo.es\"\r\n"
                         "c_MsgOnError = \"Fall\xF3: \"\"x\"\"\"\r\nm_fLogOnError =  False\r\n"),
              std::string::npos);
    const std::string con = Lee(c / "p" / "Calculos.bas");
    EXPECT_NE(con.find("     Err.Raise Err.Number, Err.Source, Err.Description\r\n"),
              std::string::npos);
    // A second insertion finds the class and adds nothing more.
    auto otra = Lintrap({"insert", vbp, "--module", "clsDato", "--all", "--mode", "handler"});
    ASSERT_EQ(otra.codigo, 0) << otra.err;
    EXPECT_EQ(otra.err, "");
    auto q = Lintrap({"remove", vbp, "--module", "Calculos", "--all", "--mode", "handler"});
    ASSERT_EQ(q.codigo, 0) << q.err;
    EXPECT_EQ(SinBlancas(Lee(c / "p" / "Calculos.bas")), SinBlancas(calculos));
}

// Procedures chosen by name in any case, options repeated for several modules; a module not
// chosen is not written.
TEST(InsertRemove, ModulosYProcedimientosElegidos) {
    Carpeta c;
    const auto vbp = Pequeno(c);
    const std::string acentos = Lee(c / "p" / "Acentos.bas");
    auto r =
        Lintrap({"insert", vbp, "--module", "Calculos", "--proc", "ALFA", "--mode", "resume-next"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_NE(Lee(c / "p" / "Calculos.bas")
                  .find("Public Sub alfa()\r\n    Dim x As Long\r\nOn Error Resume Next\r\n"),
              std::string::npos);
    EXPECT_EQ(Lintrap({"list", vbp, "--module", "Calculos"}).out, "alfa\tSí\nSuma\tNo\nZeta\tSí\n");
    r = Lintrap({"insert", vbp, "--module", "Calculos", "--module", "clsDato", "--proc", "Suma",
                 "--proc", "Limpia", "--mode", "handler"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(Lintrap({"list", vbp, "--module", "Calculos"}).out, "alfa\tSí\nSuma\tSí\nZeta\tSí\n");
    EXPECT_EQ(Lintrap({"list", vbp, "--module", "clsDato"}).out, "Limpia\tSí\n");
    EXPECT_EQ(Lee(c / "p" / "Acentos.bas"), acentos);
}

TEST(InsertRefusals, ClsErroresVaciaYProcedimientoDesconocidoNoEscribenNada) {
    Carpeta c;
    const auto vbp = Pequeno(c);
    // A class named like the runtime one, in another case.
    Escribe(c / "p" / "Runtime.cls",
            Crlf("VERSION 1.0 CLASS\nBEGIN\n  MultiUse = -1  'True\nEND\n"
                 "Attribute VB_Name = \"ClsErrores\"\nPublic Sub Push()\nEnd Sub\n"));
    Escribe(c / "p" / "Prueba.vbp",
            Lee(c / "p" / "Prueba.vbp") + "Class=ClsErrores; Runtime.cls\r\n");
    const auto antes = Contenido(c / "p");

    auto r = Lintrap({"insert", vbp, "--module", "clserrores", "--all"});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(r.err, "lintrap: ClsErrores: Este módulo ClsErrores pertenece al Complemento y no "
                     "se puede modificar\nlintrap: " +
                         vbp + ": no se ha escrito nada\n");
    auto vacia = Lintrap({"insert", vbp, "--module", "Calculos"});
    EXPECT_EQ(vacia.codigo, 2);
    EXPECT_NE(vacia.err.find("No hay ningún procedimiento seleccionado.\nSeleccione antes algún "
                             "procedimiento"),
              std::string::npos)
        << vacia.err;
    auto proc = Lintrap({"remove", vbp, "--all-modules", "--proc", "Nadie"});
    EXPECT_EQ(proc.codigo, 2);
    EXPECT_NE(proc.err.find("\"Nadie\""), std::string::npos);
    // The whole-project run passes the runtime class by instead of refusing.
    auto todo = Lintrap({"insert", vbp, "--all-modules", "--all", "--dry-run"});
    EXPECT_EQ(todo.codigo, 0) << todo.err;
    EXPECT_EQ(todo.out.find("Runtime.cls"), std::string::npos);
    EXPECT_NE(todo.out.find("+++ b/Calculos.bas"), std::string::npos);
    EXPECT_EQ(Contenido(c / "p"), antes);
}

// A resource file or a related document that is not there holds no code: a warning, and the
// command goes on. A missing code file stops every command unless --skip-missing: then the rest
// is done, the missing one named, and its line in the project file left as it was.
TEST(InsertRefusals, FicherosQueFaltan) {
    Carpeta c;
    const auto vbp = Pequeno(c);
    Escribe(c / "p" / "Prueba.vbp",
            Lee(c / "p" / "Prueba.vbp") + "ResFile32=\"Recursos.res\"\r\nRelatedDoc=Notas.txt\r\n");
    const std::string calculos = Lee(c / "p" / "Calculos.bas");
    auto r = Lintrap({"insert", vbp, "--module", "Calculos", "--all"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    for (const char* aviso : {"Recursos.res' (no es código: se sigue sin él)\n",
                              "Notas.txt' (no es código: se sigue sin él)\n"}) {
        EXPECT_NE(r.err.find(aviso), std::string::npos) << r.err;
    }
    EXPECT_NE(r.err.find("lintrap: aviso: "), std::string::npos) << r.err;
    EXPECT_NE(Lee(c / "p" / "Calculos.bas"), calculos);
    ASSERT_EQ(Lintrap({"remove", vbp, "--module", "Calculos", "--all"}).codigo, 0);
    EXPECT_EQ(Lee(c / "p" / "Calculos.bas"), calculos);

    Escribe(c / "p" / "Prueba.vbp",
            Lee(c / "p" / "Prueba.vbp") + "Module=Perdido; Perdido.bas\r\n");
    const auto antes = Contenido(c / "p");
    const std::string proyecto = Lee(c / "p" / "Prueba.vbp");
    for (const char* orden : {"insert", "remove"}) {
        auto f = Lintrap({orden, vbp, "--all-modules", "--all"});
        EXPECT_EQ(f.codigo, 2);
        EXPECT_NE(f.err.find("Perdido.bas"), std::string::npos) << f.err;
        EXPECT_NE(f.err.find("no se ha cambiado nada"), std::string::npos) << f.err;
    }
    EXPECT_EQ(Lintrap({"list", vbp}).codigo, 2);
    EXPECT_EQ(Contenido(c / "p"), antes);

    auto s = Lintrap({"insert", vbp, "--all-modules", "--all", "--skip-missing"});
    ASSERT_EQ(s.codigo, 0) << s.err;
    EXPECT_NE(s.err.find("Perdido.bas' (se omite; su línea del proyecto se queda como está)\n"),
              std::string::npos)
        << s.err;
    EXPECT_NE(Lee(c / "p" / "Calculos.bas"), calculos);
    EXPECT_EQ(Lee(c / "p" / "Prueba.vbp"), proyecto);
    EXPECT_EQ(Lintrap({"list", vbp, "--skip-missing"}).codigo, 0);
}
