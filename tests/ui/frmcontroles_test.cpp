// The controls inspector driven through a recording view: the chain of selections on opening
// and on clicks, the report put on the clipboard, and the cases that must leave things as they
// were, over the example project and small projects.

#include "host/files/Vbe.h"
#include "tests/support/Archivos.h"
#include "tests/support/Tabla.h"
#include "tests/support/VistaGrabadora.h"
#include "ui/inspectors/Predeterminadas.h"
#include "ui/inspectors/frmControles.h"

#include <algorithm>
#include <map>

#include <gtest/gtest.h>

namespace {

using Filas = std::vector<std::string>;

// The line of List2 for the property `nombre`, empty when none.
std::string Linea(const Filas& lista, const std::string& nombre) {
    for (const auto& l : lista) {
        if (l.starts_with(nombre + " =  ")) {
            return l;
        }
    }
    return {};
}

struct Inspector : ::testing::Test {
    void Abre(const std::filesystem::path& vbp) {
        v = soporte::VistaGrabadora();
        vbe = files::Vbe::Open(vbp);
        f = std::make_unique<ui::frmControles>(v, *vbe, 1252);
        f->Form_Load();
    }
    void AbreDemo() {
        Abre(std::filesystem::path(LINTRAP_SOURCE_DIR) / "examples" / "Demo" / "Demo.vbp");
    }

    soporte::VistaGrabadora v;
    std::unique_ptr<files::Vbe> vbe;
    std::unique_ptr<ui::frmControles> f;
};

TEST_F(Inspector, AlAbrirSeEligeElPrimeroDeCadaListaYCadaClicSigueLaCadena) {
    AbreDemo();
    EXPECT_EQ(v.filas["List3"], Filas{"Demo"});
    EXPECT_EQ(v.fila["List3"], 0);
    EXPECT_EQ(v.filas["List0"], (Filas{"frmPrincipal", "frmCliente"}));
    EXPECT_EQ(v.fila["List0"], 0);
    // The frame's option buttons come after it, an array's members one by one.
    EXPECT_EQ(v.filas["List1"],
              (Filas{"cmdSalir", "cmdEditar", "lstClientes", "fraOrden", "optOrden", "optOrden",
                     "optOrden", "lblTotal", "mnuArchivo", "mnuArchivoNuevo", "mnuArchivoSep1",
                     "mnuArchivoSalir", "mnuAyuda", "mnuAyudaAcerca"}));
    EXPECT_EQ(v.fila["List1"], 0);
    EXPECT_EQ(v.texto["Label4"], "cmdSalir\r\n (Tipo de Control : CommandButton)");
    EXPECT_EQ(v.texto["Label3"], "Propiedades de \r\ncmdSalir");
    EXPECT_EQ(Linea(v.filas["List2"], "Caption"), "Caption =  &Salir");
    EXPECT_TRUE(v.mensajes.empty());

    // Clicks along the chain, through a nested frame.
    f->List1_Click(6); // the third optOrden: its item data tells it from the others
    EXPECT_EQ(v.texto["Label4"], "optOrden\r\n (Tipo de Control : OptionButton)");
    EXPECT_EQ(Linea(v.filas["List2"], "Caption"), "Caption =  Código postal");
    EXPECT_EQ(Linea(v.filas["List2"], "Index"), "Index =  2");
    f->List0_Click(1);
    EXPECT_EQ(v.filas["List1"].size(), 10u);
    EXPECT_EQ(v.texto["Label4"], "fraDatos\r\n (Tipo de Control : Frame)");
    f->List1_Click(3);
    EXPECT_EQ(v.texto["Label4"], "txtCodigoPostal\r\n (Tipo de Control : TextBox)");
    EXPECT_EQ(v.filas["List2"][0], "Name =  txtCodigoPostal");
}

TEST_F(Inspector, CopiarPoneElInformeEnElPortapapeles) {
    AbreDemo();
    f->List1_Click(5);
    f->Command1_Click();
    // The report as the command line prints it.
    EXPECT_EQ(v.portapapeles, soporte::Lee(soporte::Datos("cli/salidas/controls_optorden")));
    // No form or designer selected: no " (contenido en ...)".
    f->List0_Click(-1);
    f->Command1_Click();
    EXPECT_TRUE(v.portapapeles.starts_with(
        "PROYECTO: Demo\r\nCONTROL: optOrden\r\nTIPO DE CONTROL: OptionButton\r\n"));
    // No control selected: nothing copied, nothing said.
    v.portapapeles = "antes";
    f->List1_Click(-1);
    f->Command1_Click();
    EXPECT_EQ(v.portapapeles, "antes");
    EXPECT_TRUE(v.mensajes.empty());
}

TEST_F(Inspector, TodasLasClasesDeDisenador) {
    Abre(soporte::Datos("host/projects/Completo/Completo.vbp"));
    EXPECT_EQ(v.filas["List0"],
              (Filas{"Principal", "Control", "Pagina", "Documento", "Disenador"}));
    for (int i = 0; i < 5; ++i) {
        f->List0_Click(i);
        EXPECT_EQ(v.filas["List1"], Filas{"cmdAceptar"}) << i;
    }
}

TEST_F(Inspector, FormularioSinControlesYProyectoSinFormularios) {
    Abre(soporte::Datos("ui/proyectos/formularios/Proyecto1.vbp"));
    EXPECT_EQ(v.filas["List0"], (Filas{"Lleno", "Vacio"}));
    f->List0_Click(1);
    // No controls: the properties and labels keep what they showed, nothing to copy.
    EXPECT_TRUE(v.filas["List1"].empty());
    EXPECT_EQ(v.texto["Label4"], "Etiqueta\r\n (Tipo de Control : Label)");
    EXPECT_EQ(v.filas["List2"].front(), "Name =  Etiqueta");
    EXPECT_EQ(Linea(v.filas["List2"], "Caption"), "Caption =  Hola");
    f->Command1_Click();
    EXPECT_EQ(v.portapapeles, "");

    Abre(soporte::Datos("ui/proyectos/modulo/Proyecto1.vbp"));
    EXPECT_TRUE(v.filas["List0"].empty());
    EXPECT_FALSE(v.texto.contains("Label4"));
    EXPECT_FALSE(v.texto.contains("Label3"));
}

// What List2 lists for each kind of control: tests/data/ui/propiedades.txt.
TEST_F(Inspector, LosControlesDeVB6MuestranTodasSusPropiedades) {
    Abre(soporte::Datos("ui/proyectos/propiedades/Proyecto1.vbp"));
    for (const auto& c : soporte::Casos("ui/propiedades.txt")) {
        SCOPED_TRACE(c.cabecera);
        f->List1_Click(std::stoi(c.cabecera));
        const Filas& lista = v.filas["List2"];
        const std::string ausente = c.cabecera.substr(c.cabecera.find(' ') + 1);
        if (ausente == "=") {
            EXPECT_EQ(lista, c.lineas);
            continue;
        }
        EXPECT_GE(lista.size(), 30u);
        EXPECT_EQ(lista.front(), c.lineas.front());
        auto desde = lista.begin();
        for (const auto& l : c.lineas) {
            auto hallada = std::find(desde, lista.end(), l);
            EXPECT_NE(hallada, lista.end()) << l;
            desde = hallada == lista.end() ? desde : hallada;
        }
        EXPECT_EQ(Linea(lista, ausente), "");
    }
}

// What each class lists for what its file leaves out: tests/data/ui/predeterminadas.txt.
TEST(Predeterminadas, CadaClaseSusValoresUnaVezCadaPropiedad) {
    struct Caso {
        inspectors::Propiedades escritas{{"Name", "X"}}, formulario;
        std::map<std::string, std::string> esperadas; // "" for a property not listed
    };
    std::vector<std::pair<std::string, Caso>> casos;
    for (const auto& f : soporte::Tabla("ui/predeterminadas.txt")) {
        if (casos.empty() || casos.back().first != f[0])
            casos.push_back({f[0], {}});
        Caso& c = casos.back().second;
        if (f.size() == 4 && f[1] == "=")
            c.esperadas[f[2]] = f[3];
        else if (f.size() == 4)
            (f[1] == "w" ? c.escritas : c.formulario).emplace_back(f[2], f[3]);
    }
    for (const auto& [clase, c] : casos) {
        SCOPED_TRACE(clase);
        const auto todas = inspectors::CompletaPropiedades(clase, c.escritas, c.formulario);
        std::map<std::string, std::string> valores;
        for (const auto& [nombre, valor] : todas)
            EXPECT_TRUE(valores.emplace(nombre, valor).second) << nombre;
        EXPECT_GE(todas.size(), 5u);
        EXPECT_EQ(todas.front().first, "Name");
        for (const auto& [nombre, valor] : c.esperadas)
            EXPECT_EQ(valores.contains(nombre) ? valores[nombre] : "", valor) << nombre;
    }
}

TEST_F(Inspector, ElInformeNombraElProyectoActivoAunqueSeEscojaOtro) {
    Abre(soporte::Datos("ui/proyectos/grupo/G.vbg"));
    EXPECT_EQ(v.filas["List3"], (Filas{"Uno", "Dos"}));
    EXPECT_EQ(v.filas["List0"], Filas{"FUno"});
    f->Command1_Click();
    EXPECT_EQ(v.portapapeles.substr(0, 45), "PROYECTO: Dos\r\nCONTROL: L (contenido en FUno)");
}

} // namespace
