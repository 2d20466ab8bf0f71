// Adding clsErrores and InfoSistema to a project on disk, with the pending settings.

#include "engine/Comandos.h"
#include "engine/Procedimientos.h"
#include "install/Configuracion.h"
#include "install/LineasAjuste.h"
#include "install/Modulos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Codigo.h"
#include "tests/support/Guion.h"

#include <gtest/gtest.h>

using namespace engine;
using soporte::Texto;

namespace {

const std::string Mensaje =
    "Se ha añadido una clase para manejo de errores (clsErrores.cls) y un módulo (InfoSistema.bas)";

struct Modulos : ::testing::Test {
    void SetUp() override { soporte::SilenciaGlbErr(); }

    void Carga(const std::vector<std::pair<std::string, std::string>>& extra = {},
               std::string lineas = "") {
        std::vector<std::pair<std::string, std::string>> archivos = {
            {"Modulo1.bas", "Attribute VB_Name = \"Modulo1\"\nOption Explicit\n\n"
                            "Sub Uno()\n    x = 1\nEnd Sub\nSub Dos()\n    y = 2\nEnd Sub\n"}};
        archivos.insert(archivos.end(), extra.begin(), extra.end());
        proyecto =
            soporte::Proyecto(carpeta.Ruta(), archivos, "Module=Modulo1; Modulo1.bas\n" + lineas);
        estado.modulo = "Modulo1";
        SeleccionaModulo(*proyecto, estado, progreso);
    }
    // Inserts the Exit block into every procedure of Modulo1, as the insert command does.
    void InsertaManejo(const std::string& carpetaAddIn) {
        install::InstalacionProyecto instalacion(*proyecto, estado, carpetaAddIn, dialogos);
        VentanaSinVista ventana(*proyecto, estado, progreso);
        Entorno entorno{dialogos, progreso, ventana, &instalacion};
        estado.modo = Modo::Option2;
        estado.Check1 = true;
        dialogos.respuestas = {vb::vbYes};
        ComandoInsertar(*proyecto, estado, entorno);
    }
    std::string IniVal() { return soporte::IniVal(*proyecto); }

    soporte::Carpeta carpeta;
    std::unique_ptr<files::Project> proyecto;
    soporte::Guion dialogos;
    soporte::ProgresoAnotado progreso;
    EstadoSeleccion estado;
    const std::string addIn = soporte::Datos("install").string();
};

TEST_F(Modulos, AProjectWithoutTheClassGetsBothModulesAndTheSettings) {
    Carga();
    InsertaManejo(addIn);

    ASSERT_EQ(dialogos.cajas.size(), 2u); // the question, then the news
    EXPECT_EQ(dialogos.cajas[1].prompt, Mensaje);
    EXPECT_EQ(dialogos.cajas[1].buttons, vb::vbOKOnly);
    EXPECT_EQ(dialogos.cajas[1].title, "Lintrap");
    EXPECT_TRUE(install::YaExisteCls(*proyecto));
    EXPECT_EQ(IniVal(), soporte::Crlf("Public Sub IniVal()\n    ' Valores de fabrica\n"
                                      "m_fSendEmailOnError = False\nc_EMailDir = \"\"\n"
                                      "c_MsgOnError = \"\"\nm_fLogOnError =  True\nEnd Sub"));
    auto& info = proyecto->VBComponents().Item("InfoSistema").CodeModule();
    EXPECT_NE(info.Lines(1, info.CountOfDeclarationLines()).find("Public glbErr As New clsErrores"),
              std::string::npos);
    // (The window reloaded, its module kept and its options reset: the engine's command tests.)
}

TEST_F(Modulos, OnlyAClassNamedExactlyClsErroresCounts) {
    const std::string clase = soporte::Lee(install::RutaClase(addIn));
    std::string otra = clase;
    otra.replace(otra.find("\"clsErrores\""), 12, "\"ClsErrores\"");
    Carga();
    soporte::Escribe(carpeta.Ruta() / "Otra.cls", otra);
    soporte::Escribe(carpeta.Ruta() / "Propia.cls", clase);
    soporte::Escribe(carpeta.Ruta() / "Std.bas",
                     soporte::Crlf("Attribute VB_Name = \"clsErrores\"\nSub IniVal()\nEnd Sub\n"));
    // the class under another case, a standard module of its name, then the class itself
    for (const auto& [lineas, existe] :
         {std::pair<std::string, bool>{"Class=ClsErrores; Otra.cls\n", false},
          {"Module=clsErrores; Std.bas\n", false},
          {"Class=clsErrores; Propia.cls\n", true}}) {
        proyecto = soporte::Proyecto(carpeta.Ruta(), {}, "Module=Modulo1; Modulo1.bas\n" + lineas);
        EXPECT_EQ(install::YaExisteCls(*proyecto), existe) << lineas;
    }
    estado.modulo = "Modulo1";
    SeleccionaModulo(*proyecto, estado, progreso);
    InsertaManejo(addIn);
    EXPECT_EQ(dialogos.cajas.size(), 1u); // only the question: nothing added
    EXPECT_NE(IniVal().find("c_MsgOnError = \"normal\""), std::string::npos);
    EXPECT_EQ(proyecto->VBComponents().Count(), 2);
}

// Each setting written as a valid literal of its line, or, when the class cannot hold it or the
// add-in's sources are missing, the report names it and nothing is added.
TEST_F(Modulos, SettingsBecomeLiteralsOrStopBeforeAnythingIsAdded) {
    using A = engine::AjustesPendientes;
    const struct {
        std::string A::*ajuste;
        std::string valor, escrito, nombrado, origen;
    } casos[] = {
        {&A::glbEmailDir, "yo@ejemplo.invalid", "c_EMailDir = \"yo@ejemplo.invalid\"", "", ""},
        // an empty custom message, as its dialog stores it
        {&A::glbMsgOnError, "\"\"", "c_MsgOnError = \"\"\"\"\"\"", "", ""},
        {&A::glbMsgOnError, "\xE4\xB8\xAD", "", "glbMsgOnError", ""}, // not 1252
        {&A::glbMsgOnError, "a\"\r\nShell \"x\"", "", "c_MsgOnError", ""},
        {&A::glbEmailDir, "yo @ejemplo.invalid", "", "c_EMailDir", ""},
        {&A::glbLogOnError, "True: Shell \"x\"", "", "m_fLogOnError", ""},
        {&A::glbLogOnError, "True", "", "no-existe", "no-existe"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        estado = {};
        Carga();
        dialogos.cajas.clear();
        estado.ajustes = {};
        estado.ajustes.*c.ajuste = c.valor;
        install::AddModulos(*proyecto, estado,
                            c.origen.empty() ? addIn : (carpeta.Ruta() / c.origen).string(),
                            dialogos);
        EXPECT_EQ(estado.modulosAnadidos, c.nombrado.empty());
        if (c.nombrado.empty()) {
            EXPECT_NE(IniVal().find("\r\n" + c.escrito + "\r\n"), std::string::npos) << IniVal();
            continue;
        }
        EXPECT_EQ(proyecto->VBComponents().Count(), 1);
        ASSERT_EQ(dialogos.cajas.size(), 1u); // the error report
        EXPECT_NE(glbErr().ErrDescription().find(c.nombrado), std::string::npos)
            << glbErr().ErrDescription();
        EXPECT_EQ(glbErr().ErrProcedure(), "frmAddIn \\ AddModulos");
    }
    EXPECT_EQ(install::Literal("di \"hola\""), "\"di \"\"hola\"\"\"");
}

TEST_F(Modulos, SettingLinesAreFoundFarDownAndOnlyInsideIniVal) {
    // IniVal past line 32767: the line counter must not wrap. A procedure of the user's after
    // IniVal assigns the same settings: its lines are its own, neither installing nor the
    // dialog rewrites them.
    std::string clase = soporte::Lee(install::RutaClase(addIn));
    std::string relleno;
    for (int i = 0; i < 33000; ++i) {
        relleno += "' relleno\r\n";
    }
    clase.insert(clase.find("Public Sub IniVal()"), relleno);
    const std::string propio = "Public Sub Destino(ByVal d As String)\r\n    c_EMailDir = d\r\n"
                               "    m_fLogOnError = False\r\n    c_MsgOnError = \"x\"\r\nEnd Sub";
    clase += "\r\n" + propio + "\r\n";
    const auto otroAddIn = carpeta.Ruta() / "addin";
    std::filesystem::create_directories(otroAddIn / "ClsErrores");
    soporte::Escribe(otroAddIn / "ClsErrores" / "clsErrores.cls", clase);
    std::filesystem::copy_file(install::RutaInfoSistema(addIn),
                               otroAddIn / "ClsErrores" / "InfoSistema.bas");
    Carga();
    install::AddModulos(*proyecto, estado, otroAddIn.string() + "/", dialogos);
    EXPECT_NE(IniVal().find("\r\nm_fLogOnError =  True\r\nEnd Sub\r\n\r\n" + propio),
              std::string::npos);
    EXPECT_EQ(Texto(*proyecto, "clsErrores").find("c_MsgOnError = \"normal\""), std::string::npos);

    estado.ajustes.glbEmailDir = "yo@ejemplo.invalid";
    ASSERT_TRUE(install::ReescribeAjustes(*proyecto, estado.ajustes, 1252));
    EXPECT_NE(IniVal().find("\r\nc_EMailDir = \"yo@ejemplo.invalid\"\r\n"), std::string::npos);
    EXPECT_TRUE(Texto(*proyecto, "clsErrores").ends_with(propio));
}

} // namespace
