// The configuration dialog and the custom message dialog driven through a recording view: their
// openings, clicks and acceptances over the pending settings and over a project holding the
// class.

#include "tests/support/Carpeta.h"
#include "tests/support/Guion.h"
#include "tests/support/Proyectos.h"
#include "tests/support/Tabla.h"
#include "tests/support/VistaGrabadora.h"
#include "ui/config/frmConfiguracion.h"

#include <gtest/gtest.h>

namespace {

using Vista = soporte::VistaGrabadora;

struct Configuracion : ::testing::Test {
    void SetUp() override { soporte::SilenciaGlbErr(); }

    void Abre(vbide::VBProject* p = nullptr) {
        f = std::make_unique<ui::frmConfiguracion>(v, ajustes, p, 1252);
        f->Form_Load();
    }
    // "personalizar" chosen; the custom message dialog it opens gets `texto` and is accepted
    // (or cancelled when there is no text). Its view is kept in `vm`.
    void Personaliza(std::optional<std::string> texto) {
        v.alAbrir = [this, texto](const std::string&) {
            vm = Vista();
            ui::MsgPersonal m(vm, f->Configuracion());
            if (!texto)
                return m.CancelButton_Click();
            m.Text1_Change(*texto);
            m.OKButton_Click();
        };
        f->Combo1_Click(install::MensajePersonalizar);
    }
    // A project holding the shipped test class, whose IniVal lines hold other values.
    void ConClase() {
        std::filesystem::copy_file(soporte::Datos("install/ClsErrores/clsErrores.cls"),
                                   carpeta / "clsErrores.cls");
        Carga("Class=clsErrores; clsErrores.cls\n");
    }
    // A project of one empty module and what `lineas` adds to it.
    void Carga(const std::string& lineas) {
        proyecto = files::Project::Load(soporte::EscribeProyecto(
            carpeta.Ruta(), {soporte::Bas("M", "")}, "Module=M; M.bas\n" + lineas));
    }
    std::string IniVal() {
        auto& m = proyecto->VBComponents().Item("clsErrores").CodeModule();
        const long desde = m.Members().Item("IniVal").CodeLocation();
        return m.Lines(desde, m.CountOfLines() - desde + 1);
    }

    engine::AjustesPendientes ajustes;
    soporte::Carpeta carpeta;
    std::unique_ptr<files::Project> proyecto;
    Vista v, vm;
    std::unique_ptr<ui::frmConfiguracion> f;
};

// The pending settings and what the dialog opens with: tests/data/ui/apertura.txt.
TEST_F(Configuracion, AperturaSegunLosAjustesPendientes) {
    for (const auto& c : soporte::Tabla("ui/apertura.txt")) {
        SCOPED_TRACE(c[2]);
        ajustes = {c[0], c[1], c[2], c[2], c[3]};
        v = Vista();
        Abre();
        const bool check1 = c[4] == "s";
        EXPECT_EQ(v.marcado["Check1"], check1);
        EXPECT_EQ(v.visible["Text1"], check1);
        EXPECT_EQ(v.visible["Label2"], check1);
        EXPECT_EQ(v.texto["Text1"], c[1]);
        EXPECT_EQ(v.fila["Combo1"], std::stoi(c[5]));
        EXPECT_EQ(v.marcado["Check3"], c[6] == "s");
        EXPECT_TRUE(v.abiertas.empty());
        EXPECT_FALSE(f->Configuracion().Cargando());
    }
}

// Cancelled, either dialog stores nothing, and chosen again the custom message dialog opens
// again; accepted with nothing typed, it stores two double quotes.
TEST_F(Configuracion, CanceladoNoGuardaYAceptadoVacioGuardaDosComillas) {
    Abre();
    Personaliza(std::nullopt);
    Personaliza(std::nullopt);
    EXPECT_EQ(v.abiertas, (std::vector<std::string>{"MsgPersonal", "MsgPersonal"}));
    EXPECT_EQ(vm.cerrada, false);
    f->OKButton_Click();
    EXPECT_EQ(ajustes.glbMsgOnError + ajustes.glbMsgPersonal, "");
    Abre();
    f->Check1_Click(true);
    f->Text1_Change("yo@ejemplo.invalid");
    f->Check3_Click(false);
    f->CancelButton_Click();
    EXPECT_EQ(v.cerrada, false);
    EXPECT_EQ(ajustes.glbMandaEmail + ajustes.glbEmailDir + ajustes.glbLogOnError, "FalseTrue");
    Abre();
    Personaliza("");
    EXPECT_EQ(vm.texto["Text1"], "\"\"");
    EXPECT_EQ(vm.cerrada, true);
    EXPECT_EQ(ajustes.glbMsgPersonal, "\"\"");
    v.cerrada.reset();
    f->OKButton_Click();
    EXPECT_EQ(v.cerrada, true);
    EXPECT_EQ(ajustes.glbMsgOnError, "\"\"");
}

TEST_F(Configuracion, DireccionAlMarcarYDesmarcarYColoresDelFoco) {
    ajustes.glbEmailDir = "pendiente@ejemplo.invalid";
    Abre();
    f->Check1_Click(true);
    EXPECT_TRUE(v.visible["Text1"]);
    EXPECT_TRUE(v.visible["Label2"]);
    EXPECT_EQ(v.texto["Text1"], "pendiente@ejemplo.invalid");
    f->Text1_GotFocus();
    EXPECT_EQ(v.fondo["Text1"], (ui::Color{255, 255, 192}));
    f->Text1_LostFocus();
    EXPECT_EQ(v.fondo["Text1"], (ui::Color{255, 255, 255}));

    f->Text1_Change("escrita@ejemplo.invalid");
    f->Check1_Click(false);
    EXPECT_FALSE(v.visible["Text1"]);
    EXPECT_FALSE(v.visible["Label2"]);
    // Ticked again: the pending address replaces what was typed.
    f->Check1_Click(true);
    EXPECT_EQ(v.texto["Text1"], "pendiente@ejemplo.invalid");
    // Unticked with text in the box: accepted, the text is the address.
    f->Text1_Change("otra@ejemplo.invalid");
    f->Check1_Click(false);
    f->OKButton_Click();
    EXPECT_EQ(v.cerrada, true);
    EXPECT_EQ(ajustes.glbMandaEmail, "False");
    EXPECT_EQ(ajustes.glbEmailDir, "otra@ejemplo.invalid");
}

TEST_F(Configuracion, DireccionVaciaConCorreoSeRechazaYElDialogoSigue) {
    ajustes.glbMsgOnError = "normal";
    Abre();
    f->Check1_Click(true);
    f->Combo1_Click(install::MensajeNo);
    f->Check3_Click(false);
    f->OKButton_Click();
    EXPECT_EQ(v.mensajes, std::vector<std::string>{
                              "Lintrap: No es posible dejar vacía la dirección electrónica de "
                              "destino"});
    EXPECT_FALSE(v.cerrada);
    // The e-mail flag is stored; nothing after the address is.
    EXPECT_EQ(ajustes.glbMandaEmail, "True");
    EXPECT_EQ(ajustes.glbMsgOnError, "normal");
    EXPECT_EQ(ajustes.glbLogOnError, "True");
}

TEST_F(Configuracion, AceptarConLaClaseReescribeLasCuatroLineas) {
    ConClase();
    Abre(proyecto.get());
    f->Check1_Click(true);
    f->Text1_Change("dice\"hola\"@ejemplo.invalid");
    Personaliza("Ha ocurrido un error");
    f->Check3_Click(false);
    f->OKButton_Click();
    EXPECT_EQ(v.cerrada, true);
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

// A value the class cannot hold (tests/data/ui/valores.txt), typed as the address or as the
// custom message: refused in its dialog naming the setting and the reason, the dialog stays
// open, nothing stored, nothing written.
TEST_F(Configuracion, ValoresQueLaClaseNoPuedeGuardarSeRechazanEnSuDialogo) {
    ConClase();
    const std::string antes = IniVal();
    for (const auto& fila : soporte::Tabla("ui/valores.txt")) {
        const bool direccion = fila[0] == "s", mensaje = fila[1] == "s"; // refused as either
        const std::string& motivo = fila[2];
        std::string valor = fila[3]; // a tab and other bytes written as escapes
        for (auto i = valor.find('\\'); i != std::string::npos; i = valor.find('\\', i + 1)) {
            if (valor.compare(i, 2, "\\t") == 0)
                valor.replace(i, 2, "\t");
            else if (valor.compare(i, 2, "\\x") == 0)
                valor.replace(i, 4, 1, char(std::stoi(valor.substr(i + 2, 2), nullptr, 16)));
        }
        ajustes = {};
        v = Vista();
        // An address the class can hold is accepted without the project: nothing is written.
        Abre(direccion ? proyecto.get() : nullptr);
        f->Check1_Click(true);
        f->Text1_Change(valor);
        f->OKButton_Click();
        EXPECT_EQ(v.cerrada.has_value(), !direccion) << motivo;
        if (direccion) {
            ASSERT_EQ(v.mensajes.size(), 1u);
            EXPECT_TRUE(v.mensajes[0].starts_with(
                "Lintrap: No se puede guardar la configuración: c_EMailDir"))
                << v.mensajes[0];
            EXPECT_NE(v.mensajes[0].find(motivo), std::string::npos) << v.mensajes[0];
            EXPECT_EQ(ajustes.glbMandaEmail, "False");
            EXPECT_EQ(ajustes.glbEmailDir, "");
        }
        ajustes = {};
        Abre();
        Personaliza(valor);
        EXPECT_EQ(vm.cerrada.has_value(), !mensaje) << motivo;
        if (mensaje) {
            ASSERT_EQ(vm.mensajes.size(), 1u);
            EXPECT_TRUE(
                vm.mensajes[0].starts_with("Lintrap: No se puede guardar el mensaje: c_MsgOnError"))
                << vm.mensajes[0];
            EXPECT_NE(vm.mensajes[0].find(motivo), std::string::npos) << vm.mensajes[0];
            EXPECT_EQ(ajustes.glbMsgPersonal, "");
        }
    }
    EXPECT_EQ(IniVal(), antes);
    EXPECT_FALSE(proyecto->Modified());
}

TEST_F(Configuracion, SinLaClaseLosAjustesQuedanPendientes) {
    Carga("");
    Abre(proyecto.get());
    f->Combo1_Click(install::MensajeNormal);
    f->OKButton_Click();
    EXPECT_EQ(v.cerrada, true);
    EXPECT_EQ(ajustes.glbMsgOnError, "normal");
    EXPECT_FALSE(proyecto->Modified());
    EXPECT_FALSE(install::ReescribeAjustes(*proyecto, ajustes, 1252));
}

} // namespace
