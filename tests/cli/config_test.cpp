// lintrap config: the configuration dialog's four settings rewritten in the installed class.

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Lintrap.h"

#include <gtest/gtest.h>

using namespace soporte;

namespace {

// The example project with the runtime class installed, then its IniVal lines.
std::string IniVal(const std::filesystem::path& carpeta) {
    const std::string cls = Lee(carpeta / "clsErrores.cls");
    return cls.substr(cls.find("Sub IniVal"));
}

std::string ConClase(Carpeta& c) {
    const std::string vbp = (Copia(Ejemplo(), c / "Demo") / "Demo.vbp").string();
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
// refuses: exit 2 naming the option and the reason, and every file as it was. (Every kind of
// value refused is in the configuration dialog's tests; here, each option and command.)
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
        {false, "--msg",
         "uno\x7F"
         "dos",
         "un carácter de borrado (DEL)"},
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
    const std::string limpio = (Copia(Ejemplo(), c / "Limpio") / "Demo.vbp").string();
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
