// The configuration dialog and the custom message dialog driven through a recording view: their
// openings, clicks and acceptances over the pending settings and over a project holding the
// class.

#include "tests/support/Carpeta.h"
#include "tests/support/Escena.h"
#include "tests/support/Guion.h"
#include "tests/support/Proyectos.h"
#include "tests/support/VistaGrabadora.h"
#include "ui/config/frmConfiguracion.h"

#include <gtest/gtest.h>

namespace {

using Vista = soporte::VistaGrabadora;

struct Configuracion : ::testing::Test {
    void SetUp() override { soporte::SilenciaGlbErr(); }

    void Abre(vbide::VBProject* p = nullptr) {
        v = Vista();
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
            {"Limpia", [&](auto&) { ajustes = {}; }},
            {"ConClase", [&](auto&) { ConClase(); }},
            {"SinClase", [&](auto&) { Carga(""); }},
            {"Escribe", [&](auto& a) { f->Text1_Change(Valor(a[0])); }},
            {"PersonalizaValor", [&](auto& a) { Personaliza(Valor(a[0])); }},
        });
        auto lecturas = soporte::LecturasDe(v);
        for (const auto& [que, lee] : soporte::LecturasDe(vm))
            lecturas["m." + que] = lee; // the custom message dialog's
        lecturas["ajuste"] = [&](auto& c) { return Ajuste(c); };
        lecturas["inival"] = [&](auto&) { return soporte::IniVal(*proyecto); };
        lecturas["modificado"] = [&](auto&) {
            return std::string(proyecto->Modified() ? "1" : "0");
        };
        lecturas["cargando"] = [&](auto&) {
            return std::string(f->Configuracion().Cargando() ? "1" : "0");
        };
        soporte::Escena("ui/frmconfiguracion.txt", nombre, pasos, lecturas);
    }
    // A value with a tab and other bytes written as escapes ("\\t", "\\xHH").
    static std::string Valor(std::string valor) {
        for (auto i = valor.find('\\'); i != std::string::npos; i = valor.find('\\', i + 1)) {
            if (valor.compare(i, 2, "\\t") == 0)
                valor.replace(i, 2, "\t");
            else if (valor.compare(i, 2, "\\x") == 0)
                valor.replace(i, 4, 1, char(std::stoi(valor.substr(i + 2, 2), nullptr, 16)));
        }
        return valor;
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

// The scenarios of tests/data/ui/frmconfiguracion.txt in turn; without the class the settings
// stay pending.
TEST_F(Configuracion, Escenas) {
    for (const std::string nombre : {"apertura", "cancelado", "direccion", "direccion-vacia",
                                     "valores", "con-clase", "sin-clase"})
        Escena(nombre);
    EXPECT_FALSE(install::ReescribeAjustes(*proyecto, ajustes, 1252));
}

} // namespace
