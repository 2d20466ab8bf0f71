// The controls inspector's chain and report over the example project and small projects.

#include "host/files/Vbe.h"
#include "tests/engine/Apoyo.h"
#include "ui/inspectors/Controles.h"

#include <gtest/gtest.h>

namespace {

using inspectors::Elemento;

std::vector<std::string> Textos(const std::vector<Elemento>& lista) {
    std::vector<std::string> t;
    for (const auto& e : lista) {
        t.push_back(e.texto);
    }
    return t;
}

std::vector<long> Datos(const std::vector<Elemento>& lista) {
    std::vector<long> d;
    for (const auto& e : lista) {
        d.push_back(e.dato);
    }
    return d;
}

std::filesystem::path Demo() {
    return std::filesystem::path(LINTRAP_SOURCE_DIR) / "examples" / "Demo" / "Demo.vbp";
}

TEST(Controles, CadenaSobreElEjemploConMarcoAnidado) {
    auto vbe = files::Vbe::Open(Demo());
    inspectors::Controles c(*vbe, 1252);
    const auto proyectos = c.Proyectos();
    ASSERT_EQ(Textos(proyectos), std::vector<std::string>{"Demo"});
    EXPECT_EQ(proyectos[0].dato, 1);

    const auto formularios = c.Formularios(1);
    EXPECT_EQ(Textos(formularios), (std::vector<std::string>{"frmPrincipal", "frmCliente"}));
    EXPECT_EQ(Datos(formularios), (std::vector<long>{1, 2}));

    // The frame's option buttons come after it, an array's members one by one.
    const auto controles = c.SeleccionaFormulario(1, "frmPrincipal");
    EXPECT_EQ(Textos(controles),
              (std::vector<std::string>{"cmdSalir", "cmdEditar", "lstClientes", "fraOrden",
                                        "optOrden", "optOrden", "optOrden", "lblTotal",
                                        "mnuArchivo", "mnuArchivoNuevo", "mnuArchivoSep1",
                                        "mnuArchivoSalir", "mnuAyuda", "mnuAyudaAcerca"}));
    EXPECT_EQ(controles[6].dato, 7);

    const auto v = c.SeleccionaControl(7, "optOrden");
    EXPECT_EQ(v.label4, "optOrden\r\n (Tipo de Control : OptionButton)");
    EXPECT_EQ(v.label3, "Propiedades de \r\noptOrden");
    ASSERT_GE(v.propiedades.size(), 3u);
    EXPECT_EQ(v.propiedades[0], "Name =  optOrden");
    EXPECT_EQ(v.propiedades[1], "Caption =  Código postal");
    EXPECT_EQ(v.propiedades[3], "Index =  2");
}

TEST(Controles, InformeByteAByte) {
    auto vbe = files::Vbe::Open(Demo());
    inspectors::Controles c(*vbe, 1252);
    c.SeleccionaFormulario(1, "frmPrincipal");
    const auto v = c.SeleccionaControl(1, "cmdSalir");
    EXPECT_EQ(c.Informe("cmdSalir", 1, "frmPrincipal", v.propiedades),
              "PROYECTO: Demo\r\n"
              "CONTROL: cmdSalir (contenido en frmPrincipal)\r\n"
              "TIPO DE CONTROL: CommandButton\r\n"
              "--------------------------------------------------\r\n"
              "Name =  cmdSalir\r\n"
              "Cancel =  -1\r\n"
              "Caption =  &Salir\r\n"
              "Height =  375\r\n"
              "Left =  5040\r\n"
              "TabIndex =  6\r\n"
              "Top =  4080\r\n"
              "Width =  1215\r\n"
              "\r\n\r\n\r\n\r\n\r\n"
              "AddIn Lintrap por Quovant\r\n"
              "https://lintrap.quovant.example/");
    // No form or designer selected: no " (contenido en ...)".
    EXPECT_TRUE(
        c.Informe("cmdSalir", 1, "", {})
            ->starts_with(
                "PROYECTO: Demo\r\nCONTROL: cmdSalir\r\nTIPO DE CONTROL: CommandButton\r\n"));
    // No control selected: no report.
    EXPECT_FALSE(c.Informe("", 0, "frmPrincipal", {}));
}

TEST(Controles, TodasLasClasesDeDisenadorYPosicionesComoDato) {
    auto vbe = files::Vbe::Open(apoyo::Datos("host/projects/Completo/Completo.vbp"));
    inspectors::Controles c(*vbe, 1252);
    const auto formularios = c.Formularios(1);
    EXPECT_EQ(Textos(formularios), (std::vector<std::string>{"Principal", "Control", "Pagina",
                                                             "Documento", "Disenador"}));
    EXPECT_EQ(Datos(formularios), (std::vector<long>{1, 6, 7, 8, 9}));
    for (const auto& f : formularios) {
        EXPECT_EQ(Textos(c.SeleccionaFormulario(1, f.texto)),
                  std::vector<std::string>{"cmdAceptar"})
            << f.texto;
    }
}

TEST(Controles, FormularioSinControlesYProyectoSinFormularios) {
    apoyo::CarpetaTemporal carpeta;
    apoyo::Proyecto(carpeta.ruta,
                    {{"Vacio.frm", "VERSION 5.00\nBegin VB.Form Vacio\n   Caption = \"Vacio\"\n"
                                   "End\nAttribute VB_Name = \"Vacio\"\n"},
                     {"M.bas", "Attribute VB_Name = \"M\"\n"}},
                    "Form=Vacio.frm\nModule=M; M.bas\n");
    auto vbe = files::Vbe::Open(carpeta.ruta / "Proyecto1.vbp");
    inspectors::Controles c(*vbe, 1252);
    EXPECT_EQ(Textos(c.Formularios(1)), std::vector<std::string>{"Vacio"});
    EXPECT_TRUE(c.SeleccionaFormulario(1, "Vacio").empty());
    EXPECT_TRUE(c.HayDisenador());
    // No control to show: the label keeps its text, the list is cleared.
    const auto v = c.SeleccionaControl(1, "");
    EXPECT_FALSE(v.label4);
    EXPECT_TRUE(v.propiedades.empty());

    apoyo::CarpetaTemporal otra;
    apoyo::Proyecto(otra.ruta, {{"M.bas", "Attribute VB_Name = \"M\"\n"}}, "Module=M; M.bas\n");
    auto soloModulos = files::Vbe::Open(otra.ruta / "Proyecto1.vbp");
    EXPECT_TRUE(inspectors::Controles(*soloModulos, 1252).Formularios(1).empty());
}

TEST(Controles, ElInformeNombraElProyectoActivoAunqueSeEscojaOtro) {
    apoyo::CarpetaTemporal carpeta;
    for (const std::string nombre : {"Uno", "Dos"}) {
        std::filesystem::create_directory(carpeta.ruta / nombre);
        apoyo::Escribe(carpeta.ruta / nombre / "F.frm",
                       apoyo::Crlf("VERSION 5.00\nBegin VB.Form F" + nombre +
                                   "\nBegin VB.Label L\nEnd\nEnd\nAttribute VB_Name = \"F" +
                                   nombre + "\"\n"));
        apoyo::Escribe(carpeta.ruta / nombre / (nombre + ".vbp"),
                       apoyo::Crlf("Type=Exe\nForm=F.frm\nName=\"" + nombre + "\"\n"));
    }
    apoyo::Escribe(carpeta.ruta / "G.vbg", apoyo::Crlf("VBGROUP 5.0\nProject=Uno\\Uno.vbp\n"
                                                       "StartupProject=Dos\\Dos.vbp\n"));
    auto vbe = files::Vbe::Open(carpeta.ruta / "G.vbg");
    inspectors::Controles c(*vbe, 1252);
    EXPECT_EQ(Textos(c.Proyectos()), (std::vector<std::string>{"Uno", "Dos"}));
    c.SeleccionaFormulario(1, "FUno");
    EXPECT_EQ(c.Informe("L", 1, "FUno", {})->substr(0, 15), "PROYECTO: Dos\r\n");
}

} // namespace
