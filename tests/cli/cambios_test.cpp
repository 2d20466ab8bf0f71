// lintrap insert / remove over whole projects: what is written, what is given back, and what
// is refused.

#include "base/CodePage.h"
#include "tests/cli/Ejecuta.h"
#include "tests/cli/ProyectoPrueba.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

using namespace prueba;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Lineas(const std::string& bytes) {
    std::vector<std::string> r;
    std::istringstream in(bytes);
    std::string l;
    while (std::getline(in, l))
        r.push_back(l);
    return r;
}

// The removal of the blocks leaves one empty line under each header that had none: the only
// difference an insertion and a removal of the handler leave behind.
std::string SinVaciasTrasCabecera(const std::string& bytes) {
    auto cabecera = [](const std::string& l) {
        return l.rfind("End", 0) != 0 && l.rfind("'", 0) != 0 &&
               (l.find("Sub ") != std::string::npos || l.find("Function ") != std::string::npos);
    };
    std::string r;
    bool trasCabecera = false;
    bool continua = false; // the header goes on past a " _"
    for (const auto& l : Lineas(bytes)) {
        if (trasCabecera && !continua && (l == "\r" || l.empty())) {
            trasCabecera = false;
            continue;
        }
        const bool sigue = l.size() >= 2 && l.compare(l.size() - 2, 2, "_\r") == 0;
        trasCabecera = (trasCabecera && continua) || cabecera(l);
        continua = trasCabecera && sigue;
        r += l + "\n";
    }
    return r;
}

} // namespace

TEST(InsertRemove, NumerosEnTodoElProyectoYVueltaAtras) {
    Carpeta c;
    auto vbp = ProyectoGrande(c / "p", 6, 8).string();
    auto antes = Contenido(c / "p");

    auto r = Lintrap({"insert", vbp, "--all-modules", "--all"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, ""); // no progress line when stderr is not a terminal
    const std::string mod = Lee(c / "p" / "Mod3.bas");
    // Line 6 of the code ("For i = 1 To a" of the first procedure) carries 60; the Dim above
    // it and the header carry none.
    EXPECT_NE(mod.find("\r\n    Dim i As Long\r\n60     For i = 1 To a\r\n"), std::string::npos)
        << mod;
    EXPECT_NE(mod.find("\r\n80             Exit Function\r\n"), std::string::npos);
    EXPECT_EQ(Lee(c / "p" / "Grande.vbp"), antes.front().second); // project file untouched

    auto q = Lintrap({"remove", vbp, "--all-modules", "--all"});
    ASSERT_EQ(q.codigo, 0) << q.err;
    EXPECT_EQ(Contenido(c / "p"), antes);
}

TEST(InsertRemove, ManejoDeErroresInstalaElRuntimeYSeQuitaDespues) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c / "p").string();
    const std::string calculos = Lee(c / "p" / "Calculos.bas");

    auto r =
        Lintrap({"insert", vbp, "--module", "Calculos", "--all", "--mode", "handler", "--variant",
                 "raise", "--email", "yo@ejemplo.es", "--msg", "Falló: \"x\"", "--no-log"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(r.err, "lintrap: Se ha añadido una clase para manejo de errores (clsErrores.cls)"
                     " y un módulo (InfoSistema.bas)\n");

    // The shipped sources land in the project's own folder and in the project file.
    const std::string proyecto = Lee(c / "p" / "Prueba.vbp");
    EXPECT_NE(proyecto.find("Class=clsErrores; clsErrores.cls\r\n"), std::string::npos);
    EXPECT_NE(proyecto.find("Module=InfoSistema; InfoSistema.bas\r\n"), std::string::npos);
    const std::string clase = Lee(c / "p" / "clsErrores.cls");
    EXPECT_NE(clase.find("\r\nm_fSendEmailOnError = True\r\n"), std::string::npos);
    EXPECT_NE(clase.find("\r\nc_EMailDir = \"yo@ejemplo.es\"\r\n"), std::string::npos);
    EXPECT_NE(clase.find("\r\nc_MsgOnError = \"Fall\xF3: \"\"x\"\"\"\r\n"), std::string::npos);
    EXPECT_NE(clase.find("\r\nm_fLogOnError =  False\r\n"), std::string::npos);
    EXPECT_NE(Lee(c / "p" / "InfoSistema.bas").find("Public glbErr As New clsErrores"),
              std::string::npos);

    const std::string con = Lee(c / "p" / "Calculos.bas");
    EXPECT_NE(con.find("glbErr.Push(\"Calculos \\ Suma\")"), std::string::npos);
    EXPECT_NE(con.find("\r\n        GOTO Salir\r\n"), std::string::npos);
    EXPECT_NE(con.find("     Err.Raise Err.Number, Err.Source, Err.Description\r\n"),
              std::string::npos);
    EXPECT_EQ(con.find("Calculos \\ Zeta"), std::string::npos); // it has its own On Error

    auto estado =
        nlohmann::json::parse(Lintrap({"list", vbp, "--module", "Calculos", "--json"}).out);
    for (const auto& p : estado["procedures"])
        EXPECT_EQ(p["errorHandling"], true) << p["name"];

    // A second insertion finds the class and adds nothing more.
    auto otra = Lintrap({"insert", vbp, "--module", "clsDato", "--all", "--mode", "handler"});
    ASSERT_EQ(otra.codigo, 0) << otra.err;
    EXPECT_EQ(otra.err, "");

    auto q = Lintrap({"remove", vbp, "--module", "Calculos", "--all", "--mode", "handler"});
    ASSERT_EQ(q.codigo, 0) << q.err;
    const std::string sin = Lee(c / "p" / "Calculos.bas");
    EXPECT_EQ(sin.find("Quovant_Lintrap"), std::string::npos);
    EXPECT_EQ(SinVaciasTrasCabecera(sin), SinVaciasTrasCabecera(calculos));
}

TEST(InsertRemove, ProcedimientosElegidosYResumeNext) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c / "p").string();
    auto r =
        Lintrap({"insert", vbp, "--module", "Calculos", "--proc", "ALFA", "--mode", "resume-next"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    const std::string mod = Lee(c / "p" / "Calculos.bas");
    EXPECT_NE(mod.find("Public Sub alfa()\r\n    Dim x As Long\r\nOn Error Resume Next\r\n"),
              std::string::npos)
        << mod;
    EXPECT_EQ(Lintrap({"list", vbp, "--module", "Calculos"}).out, "alfa\tSí\nSuma\tNo\nZeta\tSí\n");
}

TEST(InsertRemove, VariosModulosYProcedimientosRepitiendoLasOpciones) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c / "p").string();
    const std::string acentos = Lee(c / "p" / "Acentos.bas");
    auto r = Lintrap({"insert", vbp, "--module", "Calculos", "--module", "clsDato", "--proc",
                      "Suma", "--proc", "Limpia", "--mode", "handler"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(Lintrap({"list", vbp, "--module", "Calculos"}).out, "alfa\tNo\nSuma\tSí\nZeta\tSí\n");
    EXPECT_EQ(Lintrap({"list", vbp, "--module", "clsDato"}).out, "Limpia\tSí\n");
    EXPECT_EQ(Lee(c / "p" / "Acentos.bas"), acentos); // not chosen, not written
}

TEST(InsertRemove, TrabajarEnParaleloDaLosMismosBytesQueUnoAUno) {
    Carpeta c;
    auto uno = ProyectoGrande(c / "uno", 24, 12).string();
    auto dos = ProyectoGrande(c / "dos", 24, 12).string();
    for (const char* modo : {"numbers", "handler"}) {
        auto a = Lintrap({"insert", uno, "--all-modules", "--all", "--mode", modo, "--jobs", "1"});
        auto b = Lintrap({"insert", dos, "--all-modules", "--all", "--mode", modo, "--jobs", "2"});
        ASSERT_EQ(a.codigo, 0) << a.err;
        ASSERT_EQ(b.codigo, 0) << b.err;
        EXPECT_EQ(a.err, b.err);
    }
    auto a = Contenido(c / "uno");
    auto b = Contenido(c / "dos");
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].first, b[i].first);
        EXPECT_TRUE(a[i].second == b[i].second) << a[i].first;
    }
}

TEST(InsertRefusals, ClsErroresVaciaYProcedimientoDesconocidoNoEscribenNada) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c / "p").string();
    // A class named like the runtime one, in another case.
    Escribe(c / "p" / "Runtime.cls",
            Archivo1252({"VERSION 1.0 CLASS", "BEGIN", "  MultiUse = -1  'True", "END",
                         "Attribute VB_Name = \"ClsErrores\"", "Public Sub Push()", "End Sub"}));
    Escribe(c / "p" / "Prueba.vbp",
            Lee(c / "p" / "Prueba.vbp") + "Class=ClsErrores; Runtime.cls\r\n");
    auto antes = Contenido(c / "p");

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

TEST(InsertRefusals, ArchivoDeSoloLecturaNoDejaNadaEscrito) {
    Carpeta c;
    auto vbp = ProyectoGrande(c / "p", 4, 3).string();
    fs::permissions(c / "p" / "Mod3.bas",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    auto antes = Contenido(c / "p");
    auto r = Lintrap({"insert", vbp, "--all-modules", "--all"});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_NE(r.err.find("Mod3.bas"), std::string::npos) << r.err;
    EXPECT_EQ(Contenido(c / "p"), antes);
}

TEST(InsertRefusals, ProyectoQueNombraUnModuloQueFalta) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c / "p").string();
    Escribe(c / "p" / "Prueba.vbp",
            Lee(c / "p" / "Prueba.vbp") + "Module=Perdido; Perdido.bas\r\n");
    auto antes = Contenido(c / "p");
    for (const char* orden : {"insert", "remove"}) {
        auto r = Lintrap({orden, vbp, "--all-modules", "--all"});
        EXPECT_EQ(r.codigo, 2);
        EXPECT_NE(r.err.find("Perdido.bas"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("no se ha cambiado nada"), std::string::npos) << r.err;
    }
    EXPECT_EQ(Lintrap({"list", vbp}).codigo, 2);
    EXPECT_EQ(Contenido(c / "p"), antes);
}

// A resource file or a related document that is not there holds no code: a warning, and the
// command goes on. A missing code file stops it unless --skip-missing: then the rest is done,
// the missing one named, and its line in the project file left as it was.
TEST(InsertRefusals, FicherosQueFaltan) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c / "p").string();
    Escribe(c / "p" / "Prueba.vbp",
            Lee(c / "p" / "Prueba.vbp") + "ResFile32=\"Recursos.res\"\r\nRelatedDoc=Notas.txt\r\n");
    const std::string calculos = Lee(c / "p" / "Calculos.bas");
    auto r = Lintrap({"insert", vbp, "--module", "Calculos", "--all"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_NE(r.err.find("lintrap: aviso: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Recursos.res' (no es código: se sigue sin él)\n"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("Notas.txt' (no es código: se sigue sin él)\n"), std::string::npos)
        << r.err;
    EXPECT_NE(Lee(c / "p" / "Calculos.bas"), calculos);
    ASSERT_EQ(Lintrap({"remove", vbp, "--module", "Calculos", "--all"}).codigo, 0);
    EXPECT_EQ(Lee(c / "p" / "Calculos.bas"), calculos);

    Escribe(c / "p" / "Prueba.vbp",
            Lee(c / "p" / "Prueba.vbp") + "Module=Perdido; Perdido.bas\r\n");
    const auto antes = Contenido(c / "p");
    const std::string proyecto = Lee(c / "p" / "Prueba.vbp");
    EXPECT_EQ(Lintrap({"insert", vbp, "--all-modules", "--all"}).codigo, 2);
    EXPECT_EQ(Contenido(c / "p"), antes);

    auto s = Lintrap({"insert", vbp, "--all-modules", "--all", "--skip-missing"});
    ASSERT_EQ(s.codigo, 0) << s.err;
    EXPECT_NE(s.err.find("Perdido.bas' (se omite; su línea del proyecto se queda como está)\n"),
              std::string::npos)
        << s.err;
    EXPECT_NE(Lee(c / "p" / "Calculos.bas"), calculos);
    EXPECT_EQ(Lee(c / "p" / "Prueba.vbp"), proyecto); // its lines kept as they were
    EXPECT_EQ(Lintrap({"list", vbp}).codigo, 2);
    EXPECT_EQ(Lintrap({"list", vbp, "--skip-missing"}).codigo, 0);
}
