// The main window driven through a recording view over real projects in temporary folders:
// the lists and their statuses, the two lists kept in step, Check1 and the options, the insert
// and remove commands with their questions, the menus and the code viewer.

#include "ClsErrores/MsgBox.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Escena.h"
#include "tests/support/Guion.h"
#include "tests/support/Proyectos.h"
#include "tests/support/VistaGrabadora.h"
#include "ui/main/Reglas.h"
#include "ui/main/frmAddIn.h"
#include "ui/viewer/Caracteres.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

using Filas = std::vector<std::string>;
using soporte::Bas;

// `n` procedures P00, P01..., every third with an error handler.
std::string Muchos(int n) {
    std::string codigo;
    for (int i = 0; i < n; ++i)
        codigo += "Public Sub P" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "()\n" +
                  (i % 3 == 0 ? "    On Error Resume Next\n" : "") + "    Debug.Print " +
                  std::to_string(i) + "\nEnd Sub\n";
    return codigo;
}

using F = ui::frmAddIn;
// The handlers a scenario calls without arguments.
#define CLIC(h) std::pair<const char*, void (F::*)()>(#h, &F::h)
const std::array kClics = {
    CLIC(Option1_Click),      CLIC(Option2_Click),   CLIC(Option3_Click),
    CLIC(OptExit_Click),      CLIC(OptResume_Click), CLIC(OptRaise_Click),
    CLIC(Command1_Click),     CLIC(Command2_Click),  CLIC(List1_DblClick),
    CLIC(List2_DblClick),     CLIC(mnuConfig_Click), CLIC(mnuAbout_Click),
    CLIC(mnuRef_Click),       CLIC(mnuCodigo_Click), CLIC(mnuControles_Click),
    CLIC(mnuRefrescar_Click), CLIC(mnuAyuda2_Click), CLIC(FrmCodigo_Unload),
    CLIC(Form_Unload),
};

// The window over `vbe`, loaded; the runtime modules are the source tree's. Its scenarios are
// in tests/data/ui/frmaddin.txt.
struct Ventana {
    explicit Ventana(vbide::VBE& vbe, const std::string& carpeta = LINTRAP_SOURCE_DIR)
        : carpeta(carpeta), f(v, vbe, carpeta) {
        f.Form_Load();
    }
    // A click on the module row `nombre`.
    void Modulo(const std::string& nombre) {
        const Filas& filas = v.filas["List1"];
        const auto i = std::find(filas.begin(), filas.end(), nombre) - filas.begin();
        ASSERT_LT(i, filas.size()) << nombre;
        f.List1_Click(int(i));
    }
    std::string Codigo(const std::string& modulo) {
        return soporte::Texto(*f.VBInstance.ActiveVBProject(), modulo);
    }
    void Escena(const std::string& nombre) {
        using soporte::Campos;
        const auto n = [](const Campos& a, int i = 0) { return std::stoi(a[i]); };
        soporte::Pasos pasos = soporte::PasosDe(v);
        pasos.insert({
            {"Modulo", [&](auto& a) { Modulo(a[0]); }},
            {"List1_Click", [&](auto& a) { f.List1_Click(n(a)); }},
            {"List2_Click", [&](auto& a) { f.List2_Click(n(a), soporte::Numeros(a[1])); }},
            {"List3_Click", [&](auto& a) { f.List3_Click(n(a)); }},
            {"List2_Scroll", [&](auto& a) { f.List2_Scroll(n(a)); }},
            {"List3_Scroll", [&](auto& a) { f.List3_Scroll(n(a)); }},
            {"Check1_Click", [&](auto& a) { f.Check1_Click(a[0] == "1"); }},
            {"Guarda", [&](auto& a) { guardado[a[0]] = Codigo(a[0]); }},
            {"Ajuste", [&](auto& a) { f.Estado().ajustes.glbEmailDir = a[0]; }},
            {"FallaAlAbrir",
             [&](auto&) {
                 v.alAbrir = [](const std::string& ventana) {
                     throw ErrorVB(vberr::FileNotFound, ventana,
                                   "No se encuentra la configuración");
                 };
             }},
            {"EscribeAyuda",
             [&](auto&) { soporte::Escribe(ui::RutaAyuda(carpeta), "<p>Insertar</p>"); }},
        });
        for (const auto& clic : kClics)
            pasos[clic.first] = [this, h = clic.second](auto&) { (f.*h)(); };

        const auto b = [](bool x) { return std::string(x ? "1" : "0"); };
        const engine::EstadoSeleccion& e = f.Estado();
        const std::map<std::string, std::function<std::string()>> estado = {
            {"modo", [&] { return "Option" + std::to_string(int(e.modo) + 1); }},
            {"variante",
             [&] {
                 return std::array{"OptExit", "OptResume", "OptRaise"}[int(e.variante)];
             }},
            {"actual", [&] { return std::to_string(e.actual); }},
            {"selcount", [&] { return std::to_string(e.SelCount()); }},
            {"check1", [&] { return b(e.Check1); }},
            {"vistaModulo", [&] { return b(e.vistaModulo); }},
            {"modulo", [&] { return e.modulo; }},
            {"glbEmailDir", [&] { return e.ajustes.glbEmailDir; }},
            {"glbLogOnError", [&] { return e.ajustes.glbLogOnError; }},
        };
        auto lecturas = soporte::LecturasDe(v);
        lecturas["estado"] = [&](auto& c) { return estado.at(c)(); };
        lecturas["seleccionado"] = [&](auto& c) {
            return b(e.procedimientos.at(std::stoul(c)).seleccionado);
        };
        lecturas["codigo"] = [&](auto& c) { return Codigo(c); };
        lecturas["moduloUtf8"] = [&](auto&) {
            return viewer::Utf8(viewer::Caracteres(e.modulo, 1252));
        };
        lecturas["igual"] = [&](auto& c) { return b(Codigo(c) == guardado.at(c)); };
        // The help file's name differs by system: the path it opens, named as the rule makes it.
        lecturas["ayuda"] = [&](auto&) {
            return v.ayuda == ui::RutaAyuda(carpeta) ? "RutaAyuda(carpeta)" : v.ayuda;
        };
        soporte::Escena("ui/frmaddin.txt", nombre, pasos, lecturas);
    }
    std::string carpeta;
    soporte::VistaGrabadora v;
    ui::frmAddIn f;
    std::map<std::string, std::string> guardado;
};

// The project of each scenario, in a fresh temporary folder: one under tests/data/ui/proyectos/,
// the modules Largo (of so many procedures) and Otro, or a copy of the example.
std::unique_ptr<files::Vbe> Proyecto(const std::string& escena, const soporte::Carpeta& tmp) {
    const std::map<std::string, int> procs = {{"columna", 40}, {"check1", 5}, {"visor", 10}};
    if (escena.starts_with("proyectos/"))
        return files::Vbe::Open(soporte::Datos("ui/" + escena + "/Proyecto1.vbp"));
    if (procs.contains(escena))
        return soporte::AbreModulos(tmp.Ruta(), {Bas("Largo", Muchos(procs.at(escena))),
                                                 Bas("Otro", "Public Sub Uno()\nEnd Sub\n")});
    return files::Vbe::Open(soporte::CopiaDemo(tmp.Ruta()));
}

// The scenarios of tests/data/ui/frmaddin.txt; "menus" looks for the help file in the temporary
// folder.
TEST(frmAddIn, Escenas) {
    soporte::SilenciaGlbErr();
    for (const std::string nombre :
         {"demo", "columna", "check1", "opciones", "sin-nada", "manejador", "menus", "visor",
          "proyectos/declaraciones", "proyectos/codigos", "proyectos/vacio"}) {
        soporte::Carpeta tmp;
        auto vbe = Proyecto(nombre, tmp);
        Ventana(*vbe, nombre == "menus" ? tmp.Ruta().string() : LINTRAP_SOURCE_DIR).Escena(nombre);
    }
}

// Proves: the progress bar never shows a value left from earlier: it is empty whenever it is
// shown or hidden, and out of the way (hidden, empty) while a box is up, until the work moves it.
TEST(BarraDeProgreso, NuncaMuestraUnValorViejo) {
    struct Vista : soporte::VistaGrabadora {
        std::string Barra() {
            return std::string(visible["B"] ? "1 " : "0 ") +
                   std::to_string(valores["B"].empty() ? 0 : valores["B"].back());
        }
        int Mensaje(const std::string& t, int b, const std::string& titulo) override {
            enMensaje = Barra();
            return VistaGrabadora::Mensaje(t, b, titulo);
        }
        std::string enMensaje;
    } v;
    ui::ProgresoVista p(v, "B");
    ui::DialogosVista d(v, &p);
    auto pasos = soporte::PasosDe(v);
    pasos["Muestra"] = [&](auto& a) { p.Muestra(a[0] == "1"); };
    pasos["Valor"] = [&](auto& a) { p.Valor(std::stoi(a[0])); };
    pasos["Mensaje"] = [&](auto&) { d.MsgBox("aviso", 0, ""); };
    auto lecturas = soporte::LecturasDe(v);
    lecturas["barra"] = [&](auto&) { return v.Barra(); };
    lecturas["enMensaje"] = [&](auto&) { return v.enMensaje; };
    soporte::Escena("ui/frmaddin.txt", "barra", pasos, lecturas);
}

// Where the help file stands, whatever the folder's last separator.
TEST(Reglas, RutaDeLaAyuda) {
    for (const auto& [carpeta, ruta] : {std::pair{"/opt/lintrap", "/opt/lintrap/"},
                                        {"/opt/lintrap/", "/opt/lintrap/"},
                                        {"C:\\Lintrap\\", "C:\\Lintrap\\"},
                                        {"", "/"}})
        EXPECT_EQ(ui::RutaAyuda(carpeta), ruta + std::string(ui::ArchivoAyuda)) << carpeta;
}

} // namespace
