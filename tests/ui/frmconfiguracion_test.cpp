// The configuration dialog and the custom message dialog driven through a recording view: their
// openings, clicks and acceptances over the pending settings and over a project holding the
// class.

#include "tests/support/Carpeta.h"
#include "tests/support/Escena.h"
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

    // The scenario `nombre` of tests/data/ui/frmconfiguracion.txt.
    void Escena(const std::string& nombre) {
        auto pasos = soporte::PasosDe(v);
        const auto si = [](auto& a) { return a[0] == "1"; };
        pasos.insert({
            {"Abre", [&](auto& a) { Abre(a[0].empty() ? nullptr : proyecto.get()); }},
            {"Personaliza", [&](auto& a) { Personaliza(a[0]); }},
            {"Cancela", [&](auto&) { Personaliza(std::nullopt); }},
            {"Check1_Click", [&](auto& a) { f->Check1_Click(si(a)); }},
            {"Check3_Click", [&](auto& a) { f->Check3_Click(si(a)); }},
            {"Combo1_Click", [&](auto& a) { f->Combo1_Click(std::stoi(a[0])); }},
            {"Text1_Change", [&](auto& a) { f->Text1_Change(a[0]); }},
            {"Text1_GotFocus", [&](auto&) { f->Text1_GotFocus(); }},
            {"Text1_LostFocus", [&](auto&) { f->Text1_LostFocus(); }},
            {"OKButton_Click", [&](auto&) { f->OKButton_Click(); }},
            {"CancelButton_Click", [&](auto&) { f->CancelButton_Click(); }},
            {"Ajuste", [&](auto& a) { Ajuste(a[0]) = a[1]; }},
        });
        auto lecturas = soporte::LecturasDe(v);
        for (const auto& [que, lee] : soporte::LecturasDe(vm))
            lecturas["m." + que] = lee; // the custom message dialog's
        lecturas["ajuste"] = [&](auto& c) { return Ajuste(c); };
        lecturas["inival"] = [&](auto&) { return IniVal(); };
        lecturas["modificado"] = [&](auto&) {
            return std::string(proyecto->Modified() ? "1" : "0");
        };
        soporte::Escena("ui/frmconfiguracion.txt", nombre, pasos, lecturas);
    }
    std::string& Ajuste(const std::string& nombre) {
        return nombre == "glbMandaEmail"    ? ajustes.glbMandaEmail
               : nombre == "glbEmailDir"    ? ajustes.glbEmailDir
               : nombre == "glbMsgOnError"  ? ajustes.glbMsgOnError
               : nombre == "glbMsgPersonal" ? ajustes.glbMsgPersonal
                                            : ajustes.glbLogOnError;
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
    Escena("cancelado");
}

TEST_F(Configuracion, DireccionAlMarcarYDesmarcarYColoresDelFoco) {
    Escena("direccion");
}

TEST_F(Configuracion, DireccionVaciaConCorreoSeRechazaYElDialogoSigue) {
    Escena("direccion-vacia");
}

TEST_F(Configuracion, AceptarConLaClaseReescribeLasCuatroLineas) {
    ConClase();
    Escena("con-clase");
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
    Escena("sin-clase");
    EXPECT_FALSE(install::ReescribeAjustes(*proyecto, ajustes, 1252));
}

} // namespace
