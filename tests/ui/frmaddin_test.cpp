// The main window driven through a recording view over real projects in temporary folders:
// the lists and their statuses, the two lists kept in step, Check1 and the options, the insert
// and remove commands with their questions, the menus and the code viewer.

#include "ClsErrores/MsgBox.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Guion.h"
#include "tests/support/Proyectos.h"
#include "tests/support/Tabla.h"
#include "tests/support/VistaGrabadora.h"
#include "ui/main/Reglas.h"
#include "ui/main/frmAddIn.h"
#include "ui/viewer/Caracteres.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>

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

// The window over `vbe`, loaded; the runtime modules are the source tree's.
struct Ventana {
    explicit Ventana(vbide::VBE& vbe, const std::string& carpeta = LINTRAP_SOURCE_DIR)
        : f(v, vbe, carpeta) {
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
        auto& m = f.VBInstance.ActiveVBProject()->VBComponents().Item(modulo).CodeModule();
        return m.Lines(1, m.CountOfLines());
    }
    soporte::VistaGrabadora v;
    ui::frmAddIn f;
};

class frmAddIn : public ::testing::Test {
protected:
    void SetUp() override { soporte::SilenciaGlbErr(); }
    std::unique_ptr<files::Vbe> Demo() { return files::Vbe::Open(soporte::CopiaDemo(tmp.Ruta())); }
    soporte::Carpeta tmp;
};

TEST_F(frmAddIn, ElProyectoDeEjemploSeListaOrdenadoConElEstadoDeCadaProcedimiento) {
    auto vbe = Demo();
    Ventana w(*vbe);
    EXPECT_EQ(w.v.texto["Label5"], "Demo");
    EXPECT_EQ(w.v.filas["List1"],
              (Filas{"clsCliente", "frmCliente", "frmPrincipal", "Utilidades"}));
    // The first module is selected at load; its properties are not procedures.
    EXPECT_EQ(w.v.fila["List1"], 0);
    EXPECT_EQ(w.v.filas["List2"], Filas{"Descripcion"});
    EXPECT_FALSE(w.v.visible["PicManejo"]);
    EXPECT_TRUE(w.v.marcado["Option1"]);
    EXPECT_TRUE(w.v.marcado["OptExit"]);

    w.Modulo("Utilidades");
    EXPECT_EQ(w.v.filas["List2"],
              (Filas{"CodigoPostalValido", "LeerArchivo", "Milisegundos", "NuevoCliente"}));
    EXPECT_EQ(w.v.filas["List3"], (Filas{"No", "Sí", "No", "No"}));
    const long lineas =
        vbe->ActiveVBProject()->VBComponents().Item("Utilidades").CodeModule().CountOfLines();
    EXPECT_EQ(w.v.texto["Label4"], "Lineas: " + std::to_string(lineas));
    EXPECT_FALSE(w.v.visible["ProgressBar1"]);
    EXPECT_FALSE(w.v.reloj);
    // The host's code pane took the focus: the window takes it back.
    EXPECT_TRUE(w.v.ventanas[""]);
    EXPECT_TRUE(w.f.Estado().vistaModulo);
    EXPECT_EQ(w.f.Estado().modulo, "Utilidades");
}

// Which procedures a module lists, and their statuses, as the command line's list shows them
// (tests/cli/lectura_test.cpp); here what the window adds: tests/data/ui/proyectos.txt.
TEST_F(frmAddIn, CadaProyectoMuestraSusModulosProcedimientosYEstados) {
    const auto filas = [](const std::string& s) {
        return s.empty() ? Filas{} : soporte::Partes(s);
    };
    for (const auto& c : soporte::Tabla("ui/proyectos.txt")) {
        SCOPED_TRACE(c[0]);
        auto vbe = files::Vbe::Open(soporte::Datos("ui/proyectos/" + c[0] + "/Proyecto1.vbp"));
        Ventana w(*vbe);
        const auto modulo = [&] {
            return viewer::Utf8(viewer::Caracteres(w.f.Estado().modulo, 1252));
        };
        EXPECT_EQ(w.v.texto["Label5"], "Proyecto1");
        EXPECT_EQ(w.v.filas["List1"], filas(c[1]));
        EXPECT_EQ(w.v.filas["List2"], filas(c[2]));
        EXPECT_EQ(w.v.filas["List3"], filas(c[3]));
        EXPECT_EQ(w.v.texto["Label4"], c[4]);
        EXPECT_EQ(modulo(), c[5]);
        if (filas(c[1]).size() > 1) {
            w.f.List1_Click(1);
            w.f.List1_Click(0);
            EXPECT_EQ(modulo(), c[5]);
            EXPECT_EQ(w.v.filas["List2"], filas(c[2]));
        }
    }
}

TEST_F(frmAddIn, UnModuloRenombradoEnElEntornoDejaVaciasAmbasListas) {
    soporte::VbeRenombrable vbe(soporte::AbreModulos(
        tmp.Ruta(), {Bas("Uno", "Public Sub A()\nEnd Sub\n"),
                     Bas("Dos", "Public Sub B()\nEnd Sub\nPublic Sub C()\nEnd Sub\n")}));
    Ventana w(vbe);
    EXPECT_EQ(w.v.filas["List2"].size(), 2u);
    vbe.proyecto.componentes.renombrados.insert("Uno");
    w.f.List1_Click(1);
    EXPECT_TRUE(w.v.filas["List2"].empty());
    EXPECT_TRUE(w.v.filas["List3"].empty());
    EXPECT_FALSE(w.v.visible["ProgressBar1"]);
    EXPECT_FALSE(w.v.reloj);
}

TEST_F(frmAddIn, LaColumnaDeEstadosSigueALaListaDeProcedimientos) {
    auto vbe = soporte::AbreModulos(tmp.Ruta(), {Bas("Largo", Muchos(40))});
    Ventana w(*vbe);
    ASSERT_EQ(w.v.filas["List2"].size(), 40u);
    // Scrolling either list scrolls the other.
    w.f.List2_Scroll(12);
    EXPECT_EQ(w.v.arriba["List3"], 12);
    w.f.List3_Scroll(5);
    EXPECT_EQ(w.v.arriba["List2"], 5);

    w.f.List2_Click(9, {9});
    EXPECT_EQ(w.v.fila["List3"], 9);
    EXPECT_EQ(w.v.arriba["List3"], 5);
    EXPECT_FALSE(w.f.Estado().vistaModulo);
    EXPECT_EQ(w.f.Estado().actual, 9);
    // A status row chooses its procedure.
    w.f.List3_Click(7);
    EXPECT_EQ(w.v.fila["List2"], 7);
    EXPECT_EQ(w.f.Estado().actual, 7);
    EXPECT_EQ(w.f.Estado().SelCount(), 1);
    EXPECT_TRUE(w.f.Estado().procedimientos[7].seleccionado);
    // Extended selection reaches the state the engine reads.
    w.f.List2_Click(10, {7, 10});
    EXPECT_EQ(w.f.Estado().SelCount(), 2);
    EXPECT_TRUE(w.f.Estado().procedimientos[10].seleccionado);

    // After a command the statuses are drawn again where the lists stand.
    w.f.List2_Scroll(20);
    w.f.Command2_Click();
    EXPECT_EQ(w.v.arriba["List3"], 20);
    EXPECT_EQ(w.v.filas["List3"].size(), 40u);
}

TEST_F(frmAddIn, Check1QuitaLaSeleccionYUnProcedimientoLoDesmarca) {
    auto vbe = soporte::AbreModulos(tmp.Ruta(), {Bas("Largo", Muchos(5))});
    Ventana w(*vbe);
    w.f.List2_Click(3, {1, 3});
    w.v.fila["List2"] = 3;        // the user's click, as the list shows it
    w.v.marcado["Check1"] = true; // the user's tick
    w.f.Check1_Click(true);
    EXPECT_TRUE(w.f.Estado().Check1);
    EXPECT_EQ(w.f.Estado().SelCount(), 0);
    EXPECT_EQ(w.v.fila["List2"], -1);
    // The deselection is not a click: the box stays checked and the viewer is not loaded.
    EXPECT_TRUE(w.v.marcado["Check1"]);
    EXPECT_TRUE(w.v.codigos.empty());
    w.f.List2_Click(2, {2});
    EXPECT_FALSE(w.v.marcado["Check1"]);
    EXPECT_FALSE(w.f.Estado().Check1);
    EXPECT_EQ(w.f.Estado().SelCount(), 1);
}

TEST_F(frmAddIn, LasOpcionesEligenModoYVarianteYOption2MuestraLasVariantes) {
    auto vbe = Demo();
    Ventana w(*vbe);
    using engine::Modo, engine::Variante;
    const struct {
        void (ui::frmAddIn::*clic)();
        Modo modo;
        Variante variante;
        bool variantes;
    } pasos[] = {
        {&ui::frmAddIn::Option2_Click, Modo::Option2, Variante::OptExit, true},
        {&ui::frmAddIn::OptRaise_Click, Modo::Option2, Variante::OptRaise, true},
        {&ui::frmAddIn::OptResume_Click, Modo::Option2, Variante::OptResume, true},
        {&ui::frmAddIn::Option3_Click, Modo::Option3, Variante::OptResume, false},
        {&ui::frmAddIn::OptExit_Click, Modo::Option3, Variante::OptExit, false},
        {&ui::frmAddIn::Option1_Click, Modo::Option1, Variante::OptExit, false},
    };
    for (const auto& p : pasos) {
        (w.f.*p.clic)();
        EXPECT_EQ(w.f.Estado().modo, p.modo);
        EXPECT_EQ(w.f.Estado().variante, p.variante);
        EXPECT_EQ(w.v.visible["PicManejo"], p.variantes);
    }
}

TEST_F(frmAddIn, SinNadaSeleccionadoONoALaPreguntaNadaCambiaYConSiSeNumeraYDesnumera) {
    auto vbe = Demo();
    Ventana w(*vbe);
    w.Modulo("Utilidades");
    const std::string antes = w.Codigo("Utilidades");
    w.f.Command1_Click();
    // No to the all-procedures question changes nothing either.
    w.f.Check1_Click(true);
    w.v.respuestas = {vb::vbNo, vb::vbNo};
    w.f.Command1_Click();
    w.f.Command2_Click();
    EXPECT_EQ(w.v.mensajes, (Filas{"Lintrap: No hay ningún procedimiento seleccionado.\r\n"
                                   "Seleccione antes algún procedimiento",
                                   "Lintrap: ¿Seguro que quiere insertar en todos los "
                                   "procedimientos en este módulo?",
                                   "Lintrap: ¿Seguro que quiere quitar en todos los "
                                   "procedimientos en este módulo?"}));
    EXPECT_EQ(w.Codigo("Utilidades"), antes);
    // The statuses are rebuilt from the code.
    EXPECT_EQ(w.v.filas["List3"], (Filas{"No", "Si", "No", "No"}));
    EXPECT_FALSE(w.v.visible["ProgressBar1"]);
    EXPECT_FALSE(w.v.reloj);

    // Yes: the four procedures are numbered with progress, then unnumbered.
    w.v.valores.clear();
    w.v.respuestas = {vb::vbYes};
    w.f.Command1_Click();
    EXPECT_TRUE(w.v.relojEnMensaje);
    const auto& valores = w.v.valores["ProgressBar1"];
    ASSERT_GE(valores.size(), 4u);
    EXPECT_EQ(std::vector<int>(valores.end() - 4, valores.end()),
              (std::vector<int>{25, 50, 75, 0})); // empty again once done
    EXPECT_TRUE(std::regex_search(w.Codigo("Utilidades"),
                                  std::regex("\r\n[0-9]+ +Set NuevoCliente = c\r\n")));
    EXPECT_FALSE(w.v.reloj);
    EXPECT_FALSE(w.v.visible["ProgressBar1"]);

    w.v.respuestas = {vb::vbYes};
    w.f.Command2_Click();
    EXPECT_EQ(w.v.filas["List3"], (Filas{"No", "Si", "No", "No"}));
    EXPECT_FALSE(std::regex_search(w.Codigo("Utilidades"), std::regex("\r\n[0-9]")));
}

// Proves: the progress bar never shows a value left from earlier: it is empty whenever it is
// shown or hidden, and out of the way (hidden, empty) while a box is up, until the work moves it.
TEST(BarraDeProgreso, NuncaMuestraUnValorViejo) {
    struct Vista : soporte::VistaGrabadora {
        std::pair<bool, int> Barra() {
            const auto& v = valores["B"];
            return {visible["B"], v.empty() ? 0 : v.back()};
        }
        int Mensaje(const std::string& t, int b, const std::string& titulo) override {
            enMensaje = Barra();
            return VistaGrabadora::Mensaje(t, b, titulo);
        }
        std::pair<bool, int> enMensaje{true, -1};
    } v;
    ui::ProgresoVista p(v, "B");
    ui::DialogosVista d(v, &p);
    const std::function<void()> mensaje = [&] { d.MsgBox("aviso", 0, ""); };
    struct Paso {
        std::function<void()> haz;
        std::pair<bool, int> barra;
    };
    const Paso pasos[] = {
        {[&] { p.Muestra(true); }, {true, 0}},
        {[&] { p.Valor(40); }, {true, 40}},
        {mensaje, {false, 0}},
        {[&] { p.Valor(60); }, {true, 60}},
        {[&] { p.Muestra(false); }, {false, 0}},
        {[&] { p.Muestra(true); }, {true, 0}},
        {[&] { p.Valor(80); }, {true, 80}},
        {[&] { p.Muestra(false); }, {false, 0}},
        {mensaje, {false, 0}},
        {[&] { p.Valor(10); }, {false, 10}},
    };
    int i = 0;
    for (const auto& [haz, barra] : pasos) {
        haz();
        EXPECT_EQ(v.Barra(), barra) << "paso " << i++;
    }
    EXPECT_EQ(v.enMensaje, std::pair(false, 0));
}

TEST_F(frmAddIn, ElPrimerManejadorAnadeLosDosModulosYRecargaConLasOpcionesIniciales) {
    auto vbe = Demo();
    Ventana w(*vbe);
    w.Modulo("Utilidades");
    w.f.Option2_Click();
    w.f.OptResume_Click();
    w.f.List2_Click(3, {3}); // NuevoCliente
    w.f.Command1_Click();
    EXPECT_EQ(w.v.mensajes.back(),
              "Lintrap: Se ha añadido una clase para manejo de errores (clsErrores.cls) y un "
              "módulo (InfoSistema.bas)");
    EXPECT_EQ(w.v.filas["List1"], (Filas{"clsCliente", "clsErrores", "frmCliente", "frmPrincipal",
                                         "InfoSistema", "Utilidades"}));
    EXPECT_EQ(w.v.fila["List1"], 5);
    EXPECT_EQ(w.v.filas["List3"], (Filas{"No", "Sí", "No", "Sí"}));
    EXPECT_NE(w.Codigo("Utilidades").find("glbErr.Push"), std::string::npos);
    // The reload put the options back.
    EXPECT_EQ(w.f.Estado().modo, engine::Modo::Option1);
    EXPECT_FALSE(w.v.visible["PicManejo"]);

    // The runtime class is the add-in's own.
    w.Modulo("clsErrores");
    const std::string clase = w.Codigo("clsErrores");
    w.f.Check1_Click(true);
    w.f.Command1_Click();
    EXPECT_EQ(w.v.mensajes.back(),
              "Lintrap: Este módulo clsErrores pertenece al Complemento y no se puede modificar");
    EXPECT_EQ(w.Codigo("clsErrores"), clase);
    EXPECT_FALSE(w.v.reloj);
}

TEST_F(frmAddIn, LosMenusAbrenSusVentanasYRecarganConLosAjustesIniciales) {
    auto vbe = Demo();
    Ventana w(*vbe, tmp.Ruta().string());
    w.f.mnuConfig_Click();
    w.f.mnuAbout_Click();
    w.f.mnuRef_Click();
    w.f.mnuControles_Click();
    EXPECT_EQ(w.v.abiertas, (Filas{"frmConfiguracion", "frmAbout"}));
    EXPECT_TRUE(w.v.ventanas["frmRefs"]);
    EXPECT_TRUE(w.v.ventanas["frmControles"]);

    // An error in a menu command reaches the runtime's handler, whose box is the window's.
    w.v.alAbrir = [](const std::string& ventana) {
        throw ErrorVB(vberr::FileNotFound, ventana, "No se encuentra la configuración");
    };
    w.f.mnuConfig_Click();
    ASSERT_FALSE(w.v.mensajes.empty());
    EXPECT_NE(w.v.mensajes.back().find("No se encuentra la configuración"), std::string::npos)
        << w.v.mensajes.back();

    // Help is shown only when its file can be read.
    w.v.mensajes.clear();
    w.f.mnuAyuda2_Click();
    EXPECT_EQ(w.v.ayuda, "");
    EXPECT_TRUE(w.v.mensajes.empty());
    soporte::Escribe(ui::RutaAyuda(tmp.Ruta().string()), "<p>Insertar</p>");
    w.f.mnuAyuda2_Click();
    EXPECT_EQ(w.v.ayuda, ui::RutaAyuda(tmp.Ruta().string()));

    // "Actualizar" (F5) reloads with the options and the pending settings reset.
    w.Modulo("Utilidades");
    w.f.Option2_Click();
    w.f.Estado().ajustes.glbEmailDir = "yo@example.com";
    w.f.mnuRefrescar_Click();
    EXPECT_EQ(w.v.fila["List1"], 0);
    EXPECT_EQ(w.v.filas["List2"], Filas{"Descripcion"});
    EXPECT_TRUE(w.v.marcado["Option1"]);
    EXPECT_FALSE(w.v.visible["PicManejo"]);
    EXPECT_EQ(w.f.Estado().modo, engine::Modo::Option1);
    EXPECT_EQ(w.f.Estado().ajustes.glbEmailDir, "");
    EXPECT_EQ(w.f.Estado().ajustes.glbLogOnError, "True");
}

TEST_F(frmAddIn, ElMenuVerCodigoMuestraUOcultaElVisorQueSeRefrescaEnCadaCambio) {
    auto vbe = soporte::AbreModulos(
        tmp.Ruta(), {Bas("Diez", Muchos(10)), Bas("Otro", "Public Sub Uno()\nEnd Sub\n")});
    Ventana w(*vbe);
    // With the viewer not loaded, selections do no viewer work.
    w.f.List1_Click(1);
    w.f.List1_Click(0);
    w.f.List2_Click(4, {4});
    w.f.Check1_Click(true);
    EXPECT_TRUE(w.v.codigos.empty());
    EXPECT_FALSE(w.v.ventanas.contains("FrmCodigo"));

    w.f.mnuCodigo_Click();
    EXPECT_EQ(w.v.texto["mnuCodigo"], "Ocultar Codigo");
    EXPECT_TRUE(w.v.ventanas["FrmCodigo"]);
    ASSERT_EQ(w.v.codigos.size(), 1u);
    // The current procedure...
    EXPECT_EQ(w.v.codigos.back().caption, "P04");
    EXPECT_EQ(w.v.codigos.back().tag, "P04");
    // ...and the one clicked, once per click.
    w.f.List2_Click(3, {3});
    EXPECT_EQ(w.v.codigos.size(), 2u);
    EXPECT_EQ(w.v.codigos.back().caption, "P03");
    EXPECT_TRUE(w.v.codigos.back().mnuDepVisible);
    // Check1 shows the whole module again while the viewer is loaded.
    w.f.Check1_Click(true);
    EXPECT_EQ(w.v.codigos.back().caption, "Diez");
    EXPECT_EQ(w.v.codigos.back().tag, "Todos");

    w.f.mnuCodigo_Click();
    EXPECT_EQ(w.v.texto["mnuCodigo"], "&Ver Codigo");
    EXPECT_FALSE(w.v.ventanas["FrmCodigo"]);
    // Hidden but loaded, it is still given each selection.
    w.f.List2_Click(5, {5});
    EXPECT_EQ(w.v.codigos.back().caption, "P05");

    // Hidden, a double click on a module or a procedure opens it again; shown, it stays.
    w.f.List1_Click(1);
    w.f.List1_DblClick();
    EXPECT_TRUE(w.v.ventanas["FrmCodigo"]);
    EXPECT_EQ(w.v.codigos.back().caption, "Otro");
    w.f.List2_Click(0, {0});
    w.f.List2_DblClick();
    EXPECT_TRUE(w.v.ventanas["FrmCodigo"]);
    EXPECT_EQ(w.v.texto["mnuCodigo"], "Ocultar Codigo");

    // Closing the viewer gives the entry its caption back; a double click opens it again.
    w.f.FrmCodigo_Unload();
    EXPECT_EQ(w.v.texto["mnuCodigo"], "&Ver Codigo");
    w.v.ventanas.clear();
    w.f.List2_DblClick();
    EXPECT_TRUE(w.v.ventanas["FrmCodigo"]);
    EXPECT_EQ(w.v.texto["mnuCodigo"], "Ocultar Codigo");

    // Three of the ten procedures changed: the viewer refreshed three times, the ten statuses
    // rebuilt (every third procedure has a handler), the current procedure shown numbered.
    w.f.List1_Click(0);
    w.f.List2_Click(8, {1, 3, 8});
    const auto antes = w.v.codigos.size();
    w.f.Command1_Click();
    EXPECT_EQ(w.v.codigos.size(), antes + 3);
    EXPECT_EQ(w.v.filas["List3"],
              (Filas{"Si", "No", "No", "Si", "No", "No", "Si", "No", "No", "Si"}));
    EXPECT_EQ(w.v.codigos.back().caption, "P08");
    EXPECT_TRUE(std::regex_search(w.v.codigos.back().texto.value_or(""),
                                  std::regex("\n[0-9]+ +Debug.Print 8")));

    // Unloading the main window unloads the viewer: nothing more is shown in it.
    w.f.Form_Unload();
    const auto refrescos = w.v.codigos.size();
    w.f.List2_Click(0, {0});
    EXPECT_EQ(w.v.codigos.size(), refrescos);
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
