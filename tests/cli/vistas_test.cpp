// lintrap callers, refs, controls and config: what the viewer's callers list, the references
// window, the controls inspector and the configuration dialog show or do.

#include "tests/cli/Ejecuta.h"
#include "tests/cli/ProyectoPrueba.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace prueba;

TEST(Callers, EntradasEnElOrdenDeLaLista) {
    Carpeta c;
    const std::string vbp = CopiaEjemplo(c / "Demo").string();
    auto r = Lintrap({"callers", vbp, "--module", "utilidades", "--proc", "codigopostalvalido"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(r.out, "frmCliente / cmdAceptar_Click\n");

    auto lista = Lintrap({"callers", vbp, "--module", "frmPrincipal", "--proc", "RellenarLista"});
    ASSERT_EQ(lista.codigo, 0) << lista.err;
    EXPECT_EQ(lista.out, "frmPrincipal / Form_Load\nfrmPrincipal / cmdEditar_Click\n"
                         "frmPrincipal / mnuArchivoNuevo_Click\n");

    // Nobody calls it, or the whole module is shown: an empty list is no failure.
    auto nadie = Lintrap({"callers", vbp, "--module", "frmPrincipal", "--proc", "cmdSalir_Click"});
    EXPECT_EQ(nadie.codigo, 0) << nadie.err;
    EXPECT_EQ(nadie.out, "");
    auto todos = Lintrap({"callers", vbp, "--module", "frmPrincipal", "--proc", "Todos"});
    EXPECT_EQ(todos.codigo, 0) << todos.err;
    EXPECT_EQ(todos.out, "");
}

TEST(Callers, ModuloOProcedimientoDesconocidos) {
    Carpeta c;
    const std::string vbp = CopiaEjemplo(c / "Demo").string();
    auto modulo = Lintrap({"callers", vbp, "--module", "Nada", "--proc", "X"});
    EXPECT_EQ(modulo.codigo, 2);
    EXPECT_NE(modulo.err.find("\"Nada\""), std::string::npos) << modulo.err;
    auto proc = Lintrap({"callers", vbp, "--module", "Utilidades", "--proc", "Nada"});
    EXPECT_EQ(proc.codigo, 2);
    EXPECT_NE(proc.err.find("\"Nada\""), std::string::npos) << proc.err;
    EXPECT_EQ(Lintrap({"callers", vbp, "--module", "Utilidades"}).codigo, 2);
}

TEST(Refs, DetalleDeCadaReferenciaYJson) {
    Carpeta c;
    const std::string vbp = CopiaEjemplo(c / "Demo").string();
    auto r = Lintrap({"refs", vbp});
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(r.out, "stdole2 2.0\n..\\..\\..\\..\\Windows\\SysWOW64\\stdole2.tlb\n"
                     "GUID: {00020430-0000-0000-C000-000000000046}\n");

    auto j = Lintrap({"refs", vbp, "--json"});
    ASSERT_EQ(j.codigo, 0) << j.err;
    EXPECT_EQ(nlohmann::json::parse(j.out),
              nlohmann::json::parse(R"([{"name": "stdole2", "major": 2, "minor": 0,
                  "path": "..\\..\\..\\..\\Windows\\SysWOW64\\stdole2.tlb",
                  "guid": "{00020430-0000-0000-C000-000000000046}"}])"));

    auto sin = Lintrap({"refs", ProyectoPequeno(c / "Pequeno").string(), "--json"});
    ASSERT_EQ(sin.codigo, 0) << sin.err;
    EXPECT_EQ(sin.out, "[]\n");
}

TEST(Controls, FormulariosControlesEInforme) {
    Carpeta c;
    const std::string vbp = CopiaEjemplo(c / "Demo").string();
    auto f = Lintrap({"controls", vbp});
    ASSERT_EQ(f.codigo, 0) << f.err;
    EXPECT_EQ(f.out, "frmPrincipal\nfrmCliente\n");

    auto ctl = Lintrap({"controls", vbp, "--form", "frmcliente"});
    ASSERT_EQ(ctl.codigo, 0) << ctl.err;
    EXPECT_EQ(ctl.out, "fraDatos\ntxtNombre\ntxtPoblacion\ntxtCodigoPostal\nchkActivo\n"
                       "lblNombre\nlblPoblacion\nlblCodigoPostal\ncmdAceptar\ncmdCancelar\n");

    // A member of a control array by its index; the report as the clipboard gets it.
    auto i = Lintrap({"controls", vbp, "--form", "frmPrincipal", "--control", "optOrden(1)"});
    ASSERT_EQ(i.codigo, 0) << i.err;
    EXPECT_TRUE(i.out.starts_with("PROYECTO: Demo\r\n"
                                  "CONTROL: optOrden (contenido en frmPrincipal)\r\n"
                                  "TIPO DE CONTROL: OptionButton\r\n" +
                                  std::string(50, '-') + "\r\nName =  optOrden\r\n"))
        << i.out;
    EXPECT_NE(i.out.find("\r\nCaption =  Población\r\n"), std::string::npos) << i.out;
    EXPECT_TRUE(i.out.ends_with("\r\n\r\n\r\n\r\n\r\nAddIn Lintrap por Quovant\r\n"
                                "https://lintrap.quovant.example/"))
        << i.out;

    auto falta = Lintrap({"controls", vbp, "--form", "frmPrincipal", "--control", "Nada"});
    EXPECT_EQ(falta.codigo, 2);
    EXPECT_EQ(Lintrap({"controls", vbp, "--form", "Utilidades"}).codigo, 2);
    EXPECT_EQ(Lintrap({"controls", vbp, "--control", "cmdSalir"}).codigo, 2);
}

namespace {

// The example project with the runtime class installed, then its IniVal lines.
std::string IniVal(const std::filesystem::path& carpeta) {
    const std::string cls = Lee(carpeta / "clsErrores.cls");
    return cls.substr(cls.find("Sub IniVal"));
}

std::string ConClase(Carpeta& c) {
    const std::string vbp = CopiaEjemplo(c / "Demo").string();
    auto r = Lintrap({"insert", vbp, "--mode", "handler", "--module", "Utilidades", "--proc",
                      "Milisegundos", "--msg", "normal"});
    EXPECT_EQ(r.codigo, 0) << r.err;
    return vbp;
}

} // namespace

TEST(Config, ReescribeLasCuatroLineasYSoloLoQueSeLeDice) {
    Carpeta c;
    const std::string vbp = ConClase(c);
    ASSERT_NE(IniVal(c / "Demo").find("c_MsgOnError = \"normal\"\r\n"), std::string::npos);

    auto r = Lintrap({"config", vbp, "--email", "yo@ejemplo.invalid", "--msg", "Vaya \"error\""});
    ASSERT_EQ(r.codigo, 0) << r.err;
    const std::string ini = IniVal(c / "Demo");
    EXPECT_NE(ini.find("\r\nm_fSendEmailOnError = True\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("\r\nc_EMailDir = \"yo@ejemplo.invalid\"\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("\r\nc_MsgOnError = \"Vaya \"\"error\"\"\"\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("\r\nm_fLogOnError =  True\r\n"), std::string::npos) << ini;

    // The rest is read back from the class, its quotes undoubled and doubled again.
    ASSERT_EQ(Lintrap({"config", vbp, "--no-log"}).codigo, 0);
    std::string esperado = ini;
    esperado.replace(esperado.find("m_fLogOnError =  True"), 21, "m_fLogOnError =  False");
    EXPECT_EQ(IniVal(c / "Demo"), esperado);
    const std::string cls = Lee(c / "Demo" / "clsErrores.cls");
    ASSERT_EQ(Lintrap({"config", vbp}).codigo, 0);
    EXPECT_EQ(Lee(c / "Demo" / "clsErrores.cls"), cls);

    // And back: the offer of mail goes (its address stays), logging comes back.
    ASSERT_EQ(Lintrap({"config", vbp, "--no-email", "--log"}).codigo, 0);
    EXPECT_EQ(IniVal(c / "Demo"), ini.substr(0, ini.find("m_fSendEmailOnError = True")) +
                                      "m_fSendEmailOnError = False" +
                                      ini.substr(ini.find("m_fSendEmailOnError = True") + 26));
    EXPECT_EQ(Lintrap({"config", vbp, "--log", "--no-log"}).codigo, 2);
}

// A value that would leave its string literal or its line, or an address the mail path
// refuses: exit 2 naming the option and the reason, and every file as it was.
TEST(Config, ValoresQueLaClaseNoPuedeGuardarSeRechazan) {
    Carpeta c;
    const std::string vbp = ConClase(c);
    const auto antes = Contenido(c / "Demo");
    const std::vector<std::string> insert = {"insert",   vbp,          "--mode", "handler",
                                             "--module", "Utilidades", "--proc", "Milisegundos"};
    const struct {
        bool inserta;
        std::string opcion, valor, motivo;
    } casos[] = {
        {false, "--email", "a@b.com\"\nShell Environ$(Chr$(72))\n", "un salto de línea (LF)"},
        {false, "--msg", "uno\rdos", "un retorno de carro (CR)"},
        {false, "--msg", "uno\r\ndos", "un retorno de carro (CR)"},
        {false, "--email", "a@b.com\tx", "un tabulador (TAB)"},
        {false, "--msg", std::string(2000, 'x'), "demasiado largo"},
        {false, "--email", "yo @ejemplo.invalid", "no es una dirección de correo"},
        {true, "--msg", "uno\ndos", "un salto de línea (LF)"},
        {true, "--email", "yo@ejemplo.invalid>", "no es una dirección de correo"},
    };
    for (const auto& caso : casos) {
        std::vector<std::string> args =
            caso.inserta ? insert : std::vector<std::string>{"config", vbp};
        args.insert(args.end(), {caso.opcion, caso.valor});
        auto r = Lintrap(args);
        EXPECT_EQ(r.codigo, 2) << caso.motivo;
        EXPECT_NE(r.err.find(caso.opcion + ": "), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(caso.motivo), std::string::npos) << r.err;
        EXPECT_EQ(Contenido(c / "Demo"), antes) << caso.motivo;
    }

    // A setting line that cannot be read back is named; nothing changes.
    std::string cls = Lee(c / "Demo" / "clsErrores.cls");
    cls.replace(cls.find("c_EMailDir = \"\""), 15, "c_EMailDir = Destino");
    Escribe(c / "Demo" / "clsErrores.cls", cls);
    auto r = Lintrap({"config", vbp, "--no-log"});
    EXPECT_EQ(r.codigo, 2);
    for (const char* dicho : {"clsErrores.cls: IniVal, línea ", "(\"c_EMailDir = Destino\"): no"})
        EXPECT_NE(r.err.find(dicho), std::string::npos) << r.err;
    EXPECT_EQ(Lee(c / "Demo" / "clsErrores.cls"), cls);
}

TEST(Config, SinClaseODireccionVacia) {
    Carpeta c;
    const std::string limpio = CopiaEjemplo(c / "Limpio").string();
    const std::string antes = Lee(c / "Limpio" / "Utilidades.bas");
    auto r = Lintrap({"config", limpio, "--msg", "normal"});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_NE(r.err.find("clsErrores"), std::string::npos) << r.err;

    const std::string vbp = ConClase(c);
    const std::string ini = IniVal(c / "Demo");
    auto vacia = Lintrap({"config", vbp, "--email", ""});
    EXPECT_EQ(vacia.codigo, 2);
    EXPECT_NE(vacia.err.find("No es posible dejar vacía la dirección electrónica de destino"),
              std::string::npos)
        << vacia.err;
    EXPECT_EQ(IniVal(c / "Demo"), ini);
}
