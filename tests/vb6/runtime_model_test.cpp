// The shipped files loaded through the object model, as the add-in loads and rewrites them
// when it installs the error handler in a project.
#include "base/CodePage.h"
#include "host/files/ModuleFile.h"
#include "tests/vb6/RuntimeFiles.h"
#include "tests/vb6/Vb6Checker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace vb6check;

std::unique_ptr<files::ModuleFile> Carga(const std::string& bytes, const std::string& fichero) {
    return files::ModuleFile::Parse(bytes, RutaRuntime(fichero), 1252);
}

bool Contiene(const std::string& linea, const char* clave) {
    return codepage::Minusculas(linea).find(codepage::Minusculas(clave)) != std::string::npos;
}

// The installation's rewrite: from the IniVal header to the last line, four tests per line
// on its current text, each match replaced by the setting's new line.
void ReescribeIniVal(vbide::CodeModule& code, const char* const (&claves)[4],
                     const std::vector<std::string>& nuevas) {
    long primera = code.Members().Item("IniVal").CodeLocation();
    for (long n = primera; n <= code.CountOfLines(); ++n)
        for (int i = 0; i < 4; ++i)
            if (Contiene(code.Lines(n, 1), claves[i]))
                code.ReplaceLine(n, nuevas[static_cast<std::size_t>(i)]);
}

TEST(RuntimeModel, FilesLoadWithTheirComponentNamesAndTypes) {
    auto clase = Carga(BytesClase(), "clsErrores.cls");
    EXPECT_EQ(clase->Name(), "clsErrores");
    EXPECT_EQ(clase->Type(), vbide::ComponentType::ClassModule);
    EXPECT_EQ(clase->Serialize(), BytesClase());

    auto modulo = Carga(BytesModulo(), "InfoSistema.bas");
    EXPECT_EQ(modulo->Name(), "InfoSistema");
    EXPECT_EQ(modulo->Type(), vbide::ComponentType::StdModule);
    EXPECT_EQ(modulo->Serialize(), BytesModulo());

    auto& miembros = clase->Code().Members();
    ASSERT_GT(miembros.Count(), 0);
    EXPECT_EQ(miembros.Item(miembros.Count()).Name(), "IniVal");
}

TEST(RuntimeModel, InstallationRewriteTouchesOnlyTheFourSettingLines) {
    auto clase = Carga(BytesClase(), "clsErrores.cls");
    auto& code = clase->Code();
    const long total = code.CountOfLines();
    const std::string antes = code.Lines(1, total);

    // The pending settings as the main window resets them
    const std::vector<std::string> nuevas = {"m_fSendEmailOnError = False", "c_EMailDir = \"\"",
                                             "c_MsgOnError = \"\"", "m_fLogOnError =  True"};
    ReescribeIniVal(code, ClavesInstalacion, nuevas);

    ASSERT_EQ(code.CountOfLines(), total);
    Modulo original(antes + "\r\n");
    const auto cambiadas = [&] {
        std::vector<std::string> r;
        for (long n = 1; n <= total; ++n) {
            if (code.Lines(n, 1) != original.Lineas()[static_cast<std::size_t>(n - 1)].texto) {
                r.push_back(code.Lines(n, 1));
            }
        }
        return r;
    };
    EXPECT_EQ(cambiadas(), nuevas);

    // Still sound VB6, IniVal still last, and the dialog's keys find the rewritten lines
    Modulo reescrito(clase->Serialize());
    EXPECT_EQ(Texto(reescrito.Comprobar()), "");
    EXPECT_EQ(code.Members().Item(code.Members().Count()).Name(), "IniVal");

    const std::vector<std::string> delDialogo = {
        "m_fSendEmailOnError = True", "c_EMailDir = \"errores@example.org\"",
        "c_MsgOnError = \"\"\"\"", "m_fLogOnError = False"};
    ReescribeIniVal(code, ClavesDialogo, delDialogo);
    EXPECT_EQ(cambiadas(), delDialogo);
}

TEST(RuntimeModel, GlobalDeclarationAddedToTheModuleKeepsItSound) {
    auto modulo = Carga(BytesModulo(), "InfoSistema.bas");
    auto& code = modulo->Code();
    const long declaraciones = code.CountOfDeclarationLines();
    code.AddFromString("\r\nPublic glbErr As New clsErrores\r\n");

    Modulo m(modulo->Serialize());
    EXPECT_EQ(Texto(m.Comprobar()), "");
    EXPECT_TRUE(m.Usa("glbErr"));
    // it lands among the declarations, before the first procedure
    long linea = 0;
    for (long n = 1; n <= code.CountOfLines(); ++n)
        if (code.Lines(n, 1) == "Public glbErr As New clsErrores")
            linea = n;
    ASSERT_GT(linea, 0);
    EXPECT_LE(linea, code.CountOfDeclarationLines());
    EXPECT_GT(code.CountOfDeclarationLines(), declaraciones);
    EXPECT_EQ(code.ProcOfLine(linea), "");
}

} // namespace
