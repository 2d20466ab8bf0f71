// The callers list over projects on disk: which lines count, which entries are left out.

#include "tests/engine/Apoyo.h"
#include "ui/viewer/Llamadores.h"

#include <gtest/gtest.h>

namespace {

using Lista = std::vector<std::string>;

const std::string Modulo1 = "Attribute VB_Name = \"Modulo1\"\n"
                            "Option Explicit\n"
                            "Public Function Calcula(n As Long) As Long\n"
                            "    If n > 0 Then Calcula = Calcula(n - 1)\n"
                            "End Function\n"
                            "Sub Usa()\n"
                            "    x = Calcula(2)\n"
                            "End Sub\n";

struct Llamadores : ::testing::Test {
    void SetUp() override { apoyo::SilenciaGlbErr(); }

    // Modulo1 and the given modules, listed in this order after it.
    void Carga(const std::vector<std::pair<std::string, std::string>>& otros,
               files::CodeLoading carga = files::CodeLoading::Now) {
        std::vector<std::pair<std::string, std::string>> archivos = {{"Modulo1.bas", Modulo1}};
        std::string lineas = "Module=Modulo1; Modulo1.bas\n";
        for (const auto& [archivo, texto] : otros) {
            archivos.emplace_back(archivo, texto);
            const std::string nombre = archivo.substr(0, archivo.find('.'));
            const std::string ext = archivo.substr(archivo.find('.') + 1);
            lineas += ext == "bas"   ? "Module=" + nombre + "; " + archivo + "\n"
                      : ext == "cls" ? "Class=" + nombre + "; " + archivo + "\n"
                      : ext == "frm" ? "Form=" + archivo + "\n"
                                     : "UserControl=" + archivo + "\n";
        }
        for (const auto& [nombre, texto] : archivos) {
            apoyo::Escribe(carpeta.ruta / nombre, apoyo::Crlf(texto));
        }
        apoyo::Escribe(carpeta.ruta / "Proyecto1.vbp",
                       apoyo::Crlf("Type=Exe\n" + lineas + "Name=\"Proyecto1\"\n"));
        proyecto = files::Project::Load(carpeta.ruta / "Proyecto1.vbp", 1252, carga);
    }

    Lista Busca(const std::string& nombre = "Calcula", const std::string& modulo = "Modulo1",
                const std::string& proc = "Calcula") {
        Lista lista;
        viewer::BuscaLlamadores(*proyecto, {nombre, modulo, proc, 1252}, lista);
        return lista;
    }

    apoyo::CarpetaTemporal carpeta;
    std::unique_ptr<files::Project> proyecto;
};

std::string Bas(const std::string& nombre, const std::string& codigo) {
    return "Attribute VB_Name = \"" + nombre + "\"\n" + codigo;
}

TEST_F(Llamadores, SeleccionadoFueraAunqueSeLlameASiMismoYElDeOtroModuloDentro) {
    Carga({{"Otro.bas", Bas("Otro", "Function Calcula() As Long\n    Calcula = 1\nEnd Function\n"
                                    "'\n")}});
    EXPECT_EQ(Busca(), (Lista{"Modulo1 / Usa", "Otro / Calcula"}));
    // Another selection in the main window: the procedure itself is listed then.
    EXPECT_EQ(Busca("Calcula", "Otro", "Calcula"), (Lista{"Modulo1 / Calcula", "Modulo1 / Usa"}));
    // Names are compared with the selection as they are written.
    EXPECT_EQ(Busca("Calcula", "modulo1", "Calcula").front(), "Modulo1 / Calcula");
}

TEST_F(Llamadores, ComentarioSoloPasaElFiltroSinEntradaYLaPruebaDeLineaEsDeSubcadena) {
    Carga({{"Comentado.bas", Bas("Comentado", "Sub Otro()\n    ' llama a Calcula\nEnd Sub\n'\n")},
           {"SoloLargos.bas", Bas("SoloLargos", "Sub Tres()\n    CalculaTodo\nEnd Sub\n'\n")},
           {"Largos.bas", Bas("Largos", "Sub Uno()\n    Calcula 1\nEnd Sub\n"
                                        "Sub Dos()\n    y = RecalculaTodo(3)\nEnd Sub\n'\n")}});
    // SoloLargos never names it as a whole word: the pre-filter passes it by.
    EXPECT_EQ(Busca(), (Lista{"Modulo1 / Usa", "Largos / Uno", "Largos / Dos"}));
}

TEST_F(Llamadores, LiteralDeCadenaYDeclaracionesCuentan) {
    Carga({{"Manejo.bas", Bas("Manejo", "Const K = \"calcula\"\n"
                                        "Sub Cinco()\n    glbErr.Push \"Modulo1 \\ Calcula\"\n"
                                        "End Sub\n'\n")}});
    EXPECT_EQ(Busca(), (Lista{"Modulo1 / Usa", "Manejo / ", "Manejo / Cinco"}));
}

TEST_F(Llamadores, UnaEntradaPorRachaDeLineas) {
    Carga({{"Rachas.bas", Bas("Rachas", "Sub A()\n    Calcula\n    Calcula\nEnd Sub\n"
                                        "Sub B()\n    Calcula\nEnd Sub\n"
                                        "Sub C()\n    Calcula\nEnd Sub\n"
                                        "Sub A2()\nEnd Sub\n'\n")}});
    EXPECT_EQ(Busca(), (Lista{"Modulo1 / Usa", "Rachas / A", "Rachas / B", "Rachas / C"}));
}

TEST_F(Llamadores, LaUltimaLineaNoSeMira) {
    Carga({{"Ultima.bas", Bas("Ultima", "Option Explicit\nPublic Const K = \"Calcula\"")}});
    EXPECT_EQ(Busca(), (Lista{"Modulo1 / Usa"}));
    Carga({{"Ultima.bas", Bas("Ultima", "Option Explicit\nPublic Const K = \"Calcula\"\n'")}});
    EXPECT_EQ(Busca(), (Lista{"Modulo1 / Usa", "Ultima / "}));
}

TEST_F(Llamadores, ModuloDeMasDe32767LineasSeRecorreEntero) {
    std::string codigo = "Sub Largo()\n";
    for (int i = 0; i < 40000; ++i) {
        codigo += "    x = x + 1\n";
    }
    codigo += "    Calcula\nEnd Sub\n";
    Carga({{"Enorme.bas", Bas("Enorme", codigo)}});
    ASSERT_GT(proyecto->VBComponents().Item("Enorme").CodeModule().CountOfLines(), 40000);
    EXPECT_EQ(Busca(), (Lista{"Modulo1 / Usa", "Enorme / Largo"}));
}

TEST_F(Llamadores, ClasesYFormulariosSiControlesDeUsuarioNo) {
    const std::string forma = "VERSION 5.00\nBegin VB.Form Form1\n   Caption = \"Form1\"\nEnd\n"
                              "Attribute VB_Name = \"Form1\"\nSub Form_Load()\n    Calcula\n"
                              "End Sub\n'\n";
    const std::string control = "VERSION 5.00\nBegin VB.UserControl Control1\nEnd\n"
                                "Attribute VB_Name = \"Control1\"\nSub UserControl_Show()\n"
                                "    Calcula\nEnd Sub\n'\n";
    Carga(
        {{"Clase1.cls", "VERSION 1.0 CLASS\nBEGIN\n  MultiUse = -1\nEND\n"
                        "Attribute VB_Name = \"Clase1\"\nSub Metodo()\n    Calcula\nEnd Sub\n'\n"},
         {"Form1.frm", forma},
         {"Control1.ctl", control}});
    EXPECT_EQ(Busca(), (Lista{"Modulo1 / Usa", "Clase1 / Metodo", "Form1 / Form_Load"}));
}

TEST_F(Llamadores, TodosNoBuscaNada) {
    Carga({{"Todos.bas", Bas("Todos", "Sub Todos()\n    Todos\nEnd Sub\n'\n")}});
    EXPECT_TRUE(Busca("Todos", "Modulo1", "Calcula").empty());
    EXPECT_EQ(Busca("todos", "Modulo1", "Calcula"), (Lista{"Todos / Todos"}));
}

TEST_F(Llamadores, UnErrorDelModeloDejaLaListaParcial) {
    Carga({{"Cambiado.bas", Bas("Cambiado", "Sub Z()\n    Calcula\nEnd Sub\n'\n")}},
          files::CodeLoading::WhenUsed);
    // The file changes on disk after the project was read: its code cannot be used.
    apoyo::Escribe(carpeta.ruta / "Cambiado.bas",
                   apoyo::Crlf(Bas("Cambiado", "Sub Z()\n    Calcula 2\nEnd Sub\n'\n")));
    Lista lista;
    EXPECT_THROW(viewer::BuscaLlamadores(*proyecto, {"Calcula", "Modulo1", "Calcula", 1252}, lista),
                 ErrorVB);
    EXPECT_EQ(lista, (Lista{"Modulo1 / Usa"}));
}

} // namespace
