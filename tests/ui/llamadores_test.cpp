// The callers list over projects on disk: which lines count, which entries are left out. (A
// failing model, the list kept so far: tests/ui/dependencias_test.cpp.)

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Guion.h"
#include "tests/support/Proyectos.h"
#include "ui/viewer/Llamadores.h"

#include <gtest/gtest.h>

namespace {

using Lista = std::vector<std::string>;
using Archivos = std::vector<std::pair<std::string, std::string>>;
using soporte::Bas;

const std::string Modulo1 = "Option Explicit\n"
                            "Public Function Calcula(n As Long) As Long\n"
                            "    If n > 0 Then Calcula = Calcula(n - 1)\n"
                            "End Function\n"
                            "Sub Usa()\n"
                            "    x = Calcula(2)\n"
                            "End Sub\n";

// Modulo1 and the given files, listed in this order after it.
std::unique_ptr<files::Project> Carga(const std::filesystem::path& carpeta, const Archivos& otros) {
    Archivos archivos = {Bas("Modulo1", Modulo1)};
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
    return files::Project::Load(soporte::EscribeProyecto(carpeta, archivos, lineas));
}

std::string Enorme() {
    std::string codigo = "Sub Largo()\n";
    for (int i = 0; i < 40000; ++i)
        codigo += "    x = x + 1\n";
    return codigo + "    Calcula\nEnd Sub\n";
}

TEST(Llamadores, QueLineasCuentanYQueEntradasQuedanFuera) {
    soporte::SilenciaGlbErr();
    struct Caso {
        const char* nombre;
        Archivos otros;
        Lista lista;
        // The name looked for, and the main window's module and procedure.
        std::string busca = "Calcula", modulo = "Modulo1", proc = "Calcula";
    };
    const Archivos otroCalcula = {
        Bas("Otro", "Function Calcula() As Long\n    Calcula = 1\nEnd Function\n'\n")};
    const Caso casos[] = {
        {"el seleccionado fuera aunque se llame a sí mismo, el de otro módulo dentro",
         otroCalcula,
         {"Modulo1 / Usa", "Otro / Calcula"}},
        {"otra selección: el procedimiento mismo se lista",
         otroCalcula,
         {"Modulo1 / Calcula", "Modulo1 / Usa"},
         "Calcula",
         "Otro"},
        {"los nombres se comparan tal como se escriben",
         otroCalcula,
         {"Modulo1 / Calcula", "Modulo1 / Usa", "Otro / Calcula"},
         "Calcula",
         "modulo1"},
        // SoloLargos never names it as a whole word: the pre-filter passes it by.
        {"comentario solo pasa el filtro; la prueba de línea es de subcadena",
         {Bas("Comentado", "Sub Otro()\n    ' llama a Calcula\nEnd Sub\n'\n"),
          Bas("SoloLargos", "Sub Tres()\n    CalculaTodo\nEnd Sub\n'\n"),
          Bas("Largos", "Sub Uno()\n    Calcula 1\nEnd Sub\nSub Dos()\n"
                        "    y = RecalculaTodo(3)\nEnd Sub\n'\n")},
         {"Modulo1 / Usa", "Largos / Uno", "Largos / Dos"}},
        {"literales y declaraciones cuentan",
         {Bas("Manejo", "Const K = \"calcula\"\nSub Cinco()\n"
                        "    glbErr.Push \"Modulo1 \\ Calcula\"\nEnd Sub\n'\n")},
         {"Modulo1 / Usa", "Manejo / ", "Manejo / Cinco"}},
        {"una entrada por racha de líneas",
         {Bas("Rachas", "Sub A()\n    Calcula\n    Calcula\nEnd Sub\nSub B()\n    Calcula\n"
                        "End Sub\nSub C()\n    Calcula\nEnd Sub\nSub A2()\nEnd Sub\n'\n")},
         {"Modulo1 / Usa", "Rachas / A", "Rachas / B", "Rachas / C"}},
        {"la última línea no se mira",
         {Bas("Ultima", "Option Explicit\nPublic Const K = \"Calcula\"")},
         {"Modulo1 / Usa"}},
        {"la penúltima sí",
         {Bas("Ultima", "Option Explicit\nPublic Const K = \"Calcula\"\n'")},
         {"Modulo1 / Usa", "Ultima / "}},
        {"un módulo de más de 32767 líneas se recorre entero",
         {Bas("Enorme", Enorme())},
         {"Modulo1 / Usa", "Enorme / Largo"}},
        {"clases y formularios sí, controles de usuario no",
         {{"Clase1.cls", "VERSION 1.0 CLASS\nBEGIN\n  MultiUse = -1\nEND\n"
                         "Attribute VB_Name = \"Clase1\"\nSub Metodo()\n    Calcula\nEnd Sub\n'\n"},
          {"Form1.frm",
           "VERSION 5.00\nBegin VB.Form Form1\n   Caption = \"Form1\"\nEnd\n"
           "Attribute VB_Name = \"Form1\"\nSub Form_Load()\n    Calcula\nEnd Sub\n'\n"},
          {"Control1.ctl", "VERSION 5.00\nBegin VB.UserControl Control1\nEnd\n"
                           "Attribute VB_Name = \"Control1\"\nSub UserControl_Show()\n    Calcula\n"
                           "End Sub\n'\n"}},
         {"Modulo1 / Usa", "Clase1 / Metodo", "Form1 / Form_Load"}},
        {"\"Todos\" no busca nada",
         {Bas("Todos", "Sub Todos()\n    Todos\nEnd Sub\n'\n")},
         {},
         "Todos"},
        {"\"todos\" sí",
         {Bas("Todos", "Sub Todos()\n    Todos\nEnd Sub\n'\n")},
         {"Todos / Todos"},
         "todos"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        soporte::Carpeta carpeta;
        auto proyecto = Carga(carpeta.Ruta(), c.otros);
        Lista lista;
        viewer::BuscaLlamadores(*proyecto, {c.busca, c.modulo, c.proc, 1252}, lista);
        EXPECT_EQ(lista, c.lista);
    }
}

} // namespace
