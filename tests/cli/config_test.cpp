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
}

// A setting line that cannot be read back is named; nothing changes. (The values the class
// cannot hold, and a project without it: the command table's.)
TEST(Config, UnaLineaQueNoSePuedeLeerSeNombra) {
    Carpeta c;
    const std::string vbp = ConClase(c);
    std::string cls = Lee(c / "Demo" / "clsErrores.cls");
    cls.replace(cls.find("c_EMailDir = \"\""), 15, "c_EMailDir = Destino");
    Escribe(c / "Demo" / "clsErrores.cls", cls);
    auto r = Lintrap({"config", vbp, "--no-log"});
    EXPECT_EQ(r.codigo, 2);
    for (const char* dicho : {"clsErrores.cls: IniVal, línea ", "(\"c_EMailDir = Destino\"): no"})
        EXPECT_NE(r.err.find(dicho), std::string::npos) << r.err;
    EXPECT_EQ(Lee(c / "Demo" / "clsErrores.cls"), cls);
}
