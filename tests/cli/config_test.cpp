// lintrap config: the configuration dialog's four settings rewritten in the installed class.
// (A line that cannot be read back, values the class cannot hold, and a project without it: the
// command table's.)

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Lintrap.h"

#include <gtest/gtest.h>

using namespace soporte;

namespace {

// The IniVal lines of the runtime class installed in `carpeta`.
std::string IniVal(const std::filesystem::path& carpeta) {
    const std::string cls = Lee(carpeta / "clsErrores.cls");
    return cls.substr(cls.find("Sub IniVal"));
}

} // namespace

TEST(Config, ReescribeLasCuatroLineasYSoloLoQueSeLeDice) {
    Carpeta c;
    // The example project with the runtime class installed.
    const std::string vbp = (Copia(Ejemplo(), c / "Demo") / "Demo.vbp").string();
    ASSERT_EQ(Lintrap({"insert", vbp, "--mode", "handler", "--module", "Utilidades", "--proc",
                       "Milisegundos", "--msg", "normal"})
                  .codigo,
              0);
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
