// The configuration dialog's logic: its openings and acceptances over the pending settings and
// over a project holding the class.

#include "install/Configuracion.h"
#include "tests/engine/Apoyo.h"

#include <gtest/gtest.h>

namespace {

using install::Aceptacion;
using install::Configuracion;

struct ConfiguracionDialogo : ::testing::Test {
    void SetUp() override { apoyo::SilenciaGlbErr(); }

    // A project holding the shipped test class, whose IniVal lines hold other values.
    void ConClase() {
        const std::string cls = apoyo::Lee(apoyo::Datos("install/ClsErrores/clsErrores.cls"));
        apoyo::Escribe(carpeta.ruta / "clsErrores.cls", cls);
        proyecto = apoyo::Proyecto(carpeta.ruta, {{"M.bas", "Attribute VB_Name = \"M\"\n"}},
                                   "Module=M; M.bas\nClass=clsErrores; clsErrores.cls\n");
    }
    std::string IniVal() {
        auto& m = proyecto->VBComponents().Item("clsErrores").CodeModule();
        const long desde = m.Members().Item("IniVal").CodeLocation();
        return m.Lines(desde, m.CountOfLines() - desde + 1);
    }

    engine::AjustesPendientes ajustes;
    apoyo::CarpetaTemporal carpeta;
    std::unique_ptr<files::Project> proyecto;
};

TEST_F(ConfiguracionDialogo, TrasCargarLaVentanaPrincipal) {
    Configuracion d(ajustes);
    d.Carga();
    EXPECT_FALSE(d.Check1());
    EXPECT_FALSE(d.Text1Visible());
    EXPECT_FALSE(d.Label2Visible());
    EXPECT_EQ(d.Combo1(), install::MensajeNo);
    EXPECT_TRUE(d.Check3());
    EXPECT_FALSE(d.Cargando());
}

TEST_F(ConfiguracionDialogo, AperturaConAjustesPendientes) {
    ajustes.glbMandaEmail = "TRUE";
    ajustes.glbEmailDir = "yo@ejemplo.invalid";
    ajustes.glbMsgOnError = "Algo ha fallado";
    ajustes.glbLogOnError = "false";
    Configuracion d(ajustes);
    d.Carga();
    EXPECT_TRUE(d.Check1());
    EXPECT_TRUE(d.Text1Visible());
    EXPECT_EQ(d.Text1(), "yo@ejemplo.invalid");
    // A custom message pending selects "personalizar" without opening its dialog.
    EXPECT_EQ(d.Combo1(), install::MensajePersonalizar);
    EXPECT_FALSE(d.Check3());

    ajustes.glbMsgOnError = "NORMAL";
    Configuracion normal(ajustes);
    normal.Carga();
    EXPECT_EQ(normal.Combo1(), install::MensajeNormal);
    ajustes.glbMsgOnError = "   ";
    Configuracion blanco(ajustes);
    blanco.Carga();
    EXPECT_EQ(blanco.Combo1(), install::MensajeNo);
}

TEST_F(ConfiguracionDialogo, PersonalizarVacioYCancelado) {
    Configuracion d(ajustes);
    d.Carga();
    // Cancelled without any message ever typed: no message box.
    EXPECT_TRUE(d.EligeMensaje(install::MensajePersonalizar));
    EXPECT_EQ(d.Acepta(nullptr, 1252), Aceptacion::Cerrar);
    EXPECT_EQ(ajustes.glbMsgOnError, "");

    Configuracion otra(ajustes);
    otra.Carga();
    EXPECT_TRUE(otra.EligeMensaje(install::MensajePersonalizar));
    otra.AceptaMsgPersonal("");
    EXPECT_EQ(ajustes.glbMsgPersonal, "\"\"");
    EXPECT_EQ(otra.Combo1(), install::MensajePersonalizar);
    otra.Acepta(nullptr, 1252);
    EXPECT_EQ(ajustes.glbMsgOnError, "\"\"");
}

TEST_F(ConfiguracionDialogo, DireccionAlMarcarYDesmarcar) {
    ajustes.glbEmailDir = "pendiente@ejemplo.invalid";
    Configuracion d(ajustes);
    d.Carga();
    d.MarcaCheck1(true);
    EXPECT_EQ(d.Text1(), "pendiente@ejemplo.invalid");
    d.EscribeText1("escrita@ejemplo.invalid");
    d.MarcaCheck1(false);
    EXPECT_FALSE(d.Text1Visible());
    // Ticked again: the pending address comes back, what was typed is gone.
    d.MarcaCheck1(true);
    EXPECT_EQ(d.Text1(), "pendiente@ejemplo.invalid");
    // Unticked with text in the box: the text is still stored as the address.
    d.EscribeText1("otra@ejemplo.invalid");
    d.MarcaCheck1(false);
    EXPECT_EQ(d.Acepta(nullptr, 1252), Aceptacion::Cerrar);
    EXPECT_EQ(ajustes.glbMandaEmail, "False");
    EXPECT_EQ(ajustes.glbEmailDir, "otra@ejemplo.invalid");
}

TEST_F(ConfiguracionDialogo, DireccionVaciaConCorreoSeRechaza) {
    ajustes.glbMsgOnError = "normal";
    Configuracion d(ajustes);
    d.Carga();
    d.MarcaCheck1(true);
    d.EligeMensaje(install::MensajeNo);
    d.MarcaCheck3(false);
    EXPECT_EQ(d.Acepta(nullptr, 1252), Aceptacion::DireccionVacia);
    // The e-mail flag is stored; nothing after the address is.
    EXPECT_EQ(ajustes.glbMandaEmail, "True");
    EXPECT_EQ(ajustes.glbMsgOnError, "normal");
    EXPECT_EQ(ajustes.glbLogOnError, "True");
}

TEST_F(ConfiguracionDialogo, AceptarConLaClaseReescribeLasCuatroLineas) {
    ConClase();
    Configuracion d(ajustes);
    d.Carga();
    d.MarcaCheck1(true);
    d.EscribeText1("dice\"hola\"@ejemplo.invalid");
    d.EligeMensaje(install::MensajePersonalizar);
    d.AceptaMsgPersonal("Ha ocurrido un error");
    d.MarcaCheck3(false);
    EXPECT_EQ(d.Acepta(proyecto.get(), 1252), Aceptacion::Cerrar);
    // Indentation lost, quotes inside a text doubled so that the line stays valid code.
    EXPECT_EQ(IniVal(), "Public Sub IniVal()\r\n"
                        "    ' Valores de fabrica\r\n"
                        "m_fSendEmailOnError = True\r\n"
                        "c_EMailDir = \"dice\"\"hola\"\"@ejemplo.invalid\"\r\n"
                        "c_MsgOnError = \"Ha ocurrido un error\"\r\n"
                        "m_fLogOnError =  False\r\n"
                        "End Sub");
    EXPECT_TRUE(proyecto->Modified());
}

// A value that would leave its string literal or its line, typed as the address or as the
// custom message: refused naming the setting and the reason, nothing stored, nothing written.
TEST_F(ConfiguracionDialogo, ValoresQueLaClaseNoPuedeGuardarSeRechazan) {
    ConClase();
    const std::string antes = IniVal();
    const struct {
        std::string valor;
        bool direccion, mensaje; // refused as the address, as the message
        std::string motivo;
    } casos[] = {
        {"a@b.com\"\nShell Environ$(Chr$(72))\n", true, true, "un salto de línea (LF)"},
        {"a@b.com\rx", true, true, "un retorno de carro (CR)"},
        {"a@b.com\r\nx", true, true, "un retorno de carro (CR)"},
        {"a@b.com\tx", true, true, "un tabulador (TAB)"},
        {std::string("a@b.com\0x", 9), true, true, "un carácter nulo (NUL)"},
        {"a\x1B]52;c;x\x07", true, true, "un carácter de control (0x1B)"},
        {"a@b.com\x7F", true, true, "(DEL)"},
        {std::string(2000, 'x'), true, true, "demasiado largo"},
        {std::string(600, '"'), true, true, "tendría"}, // doubled, its line passes 1023
        {std::string(1007, 'x'), false, true, "1024 caracteres"},
        {std::string(1006, 'x'), false, false, ""}, // its line is exactly 1023
        {"yo @ejemplo.invalid", true, false, "no es una dirección de correo"},
        {"<yo@ejemplo.invalid>", true, false, "no es una dirección de correo"},
        {"a@b.com,c@d.com", true, false, "no es una dirección de correo"},
    };
    for (const auto& c : casos) {
        engine::AjustesPendientes pendientes;
        Configuracion d(pendientes);
        d.Carga();
        d.MarcaCheck1(true);
        d.EscribeText1(c.valor);
        // An address the class can hold is accepted without the project: nothing is written.
        EXPECT_EQ(d.Acepta(c.direccion ? proyecto.get() : nullptr, 1252) ==
                      Aceptacion::ValorNoValido,
                  c.direccion);
        if (c.direccion) {
            EXPECT_NE(d.Motivo().find("c_EMailDir"), std::string::npos) << d.Motivo();
            EXPECT_NE(d.Motivo().find(c.motivo), std::string::npos) << d.Motivo();
            EXPECT_EQ(pendientes.glbMandaEmail, "False");
            EXPECT_EQ(pendientes.glbEmailDir, "");
        }
        Configuracion m(pendientes);
        m.Carga();
        m.EligeMensaje(install::MensajePersonalizar);
        EXPECT_EQ(m.AceptaMsgPersonal(c.valor), !c.mensaje);
        if (c.mensaje) {
            EXPECT_NE(m.Motivo().find("c_MsgOnError"), std::string::npos) << m.Motivo();
            EXPECT_NE(m.Motivo().find(c.motivo), std::string::npos) << m.Motivo();
            EXPECT_NE(pendientes.glbMsgPersonal, c.valor);
        }
    }
    EXPECT_EQ(IniVal(), antes);
    EXPECT_FALSE(proyecto->Modified());
}

TEST_F(ConfiguracionDialogo, SinLaClaseLosAjustesQuedanPendientes) {
    proyecto = apoyo::Proyecto(carpeta.ruta, {{"M.bas", "Attribute VB_Name = \"M\"\n"}},
                               "Module=M; M.bas\n");
    Configuracion d(ajustes);
    d.Carga();
    d.EligeMensaje(install::MensajeNormal);
    EXPECT_EQ(d.Acepta(proyecto.get(), 1252), Aceptacion::Cerrar);
    EXPECT_EQ(ajustes.glbMsgOnError, "normal");
    EXPECT_FALSE(proyecto->Modified());
    EXPECT_FALSE(install::ReescribeAjustes(*proyecto, ajustes, 1252));
}

} // namespace
