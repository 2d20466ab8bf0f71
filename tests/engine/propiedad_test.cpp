// Over generated modules: inserting into every procedure and then removing gives the module
// back, except for what removal cannot know (blank-line runs collapsed, one empty line under
// each header after the error-handling block, exit statements written in their usual case).

#include "engine/Motor.h"
#include "engine/Procedimientos.h"
#include "tests/engine/Apoyo.h"

#include <gtest/gtest.h>

#include <random>

using namespace engine;

namespace {

struct Generado {
    std::vector<std::string> lineas;    // the module's code lines
    std::vector<std::size_t> cabeceras; // index of each header's last line
    std::size_t declaraciones = 0;
};

Generado Genera(std::mt19937& azar) {
    auto tira = [&](int n) { return static_cast<int>(azar() % static_cast<unsigned>(n)); };
    Generado g;
    g.lineas = {"Option Explicit", "Private m_x As Long"};
    g.declaraciones = g.lineas.size();
    const int procedimientos = 1 + tira(6);
    for (int p = 0; p < procedimientos; ++p) {
        for (int i = tira(3); i > 0; --i) {
            g.lineas.push_back(tira(2) ? "" : "' nota " + std::to_string(i));
        }
        const bool funcion = tira(2);
        const std::string tipo = funcion ? "Function" : "Sub";
        const char* ambitos[] = {"", "Public ", "Private ", "Static ", "Private Static "};
        std::string cabecera = std::string(ambitos[tira(5)]) + tipo + " " +
                               (funcion ? "SubCalculo" : "Paso") + std::to_string(p) + "(";
        if (tira(3) == 0) {
            g.lineas.push_back(cabecera + "a As Long, _");
            cabecera = "    b As Long";
        }
        g.lineas.push_back(cabecera + (funcion ? ") As Long" : ")"));
        g.cabeceras.push_back(g.lineas.size() - 1);
        const std::string salir = "Exit " + tipo;
        const std::vector<std::vector<std::string>> cuerpos = {
            {"    x = x + 1"},
            {"    Dim v As Long"},
            {"    ' comentario"},
            {""},
            {"", ""},
            {"    If x > 1 Then", "        x = 0", "    End If"},
            {"    " + salir},
            {"    " + codepage::Minusculas(salir)},
            {"    If x Then " + salir},
            {"Etiqueta" + std::to_string(p) + ":"},
            {"#If DEBUG Then", "    Debug.Print x", "#End If"},
            {"    Select Case x", "        Case 1", "            y = 1", "    End Select"},
            {"    s = _", "        5 + x"},
            {"    Static n As Long"},
            {"    Debug.Print \"" + salir + "\""},
        };
        for (int i = tira(9); i > 0; --i) {
            const auto& c =
                cuerpos[static_cast<std::size_t>(tira(static_cast<int>(cuerpos.size())))];
            g.lineas.insert(g.lineas.end(), c.begin(), c.end());
        }
        g.lineas.push_back("End " + tipo);
    }
    for (int i = tira(3); i > 0; --i) {
        g.lineas.push_back("");
    }
    return g;
}

// Every run of blank lines below the declarations becomes one blank line.
std::vector<std::string> Colapsa(const std::vector<std::string>& lineas, std::size_t desde) {
    std::vector<std::string> r;
    for (std::size_t i = 0; i < lineas.size(); ++i) {
        if (i >= desde && lineas[i].empty() && !r.empty() && r.back().empty()) {
            continue;
        }
        r.push_back(lineas[i]);
    }
    return r;
}

std::string Texto(const std::vector<std::string>& lineas) {
    std::string r;
    for (const auto& l : lineas) {
        r += l + "\n";
    }
    return r;
}

struct Propiedad : ::testing::Test {
    void SetUp() override { apoyo::SilenciaGlbErr(); }

    void Prepara(const Generado& g) {
        archivo = apoyo::Modulo(Texto(g.lineas));
        estado = {};
        estado.procedimientos = ListaProcedimientos(archivo->Code(), 1252, progreso);
    }
    void InsertaYQuita(Modo modo) {
        estado.modo = modo;
        Motor motor(estado, progreso, dialogos);
        for (int i = 0; i < static_cast<int>(estado.procedimientos.size()); ++i) {
            int index = i;
            motor.Insertar(archivo->Code(), index);
        }
        estado.Check1 = true;
        motor.QuitaCodigo(archivo->Code());
    }

    apoyo::DialogosGuion dialogos;
    apoyo::ProgresoAnotado progreso;
    EstadoSeleccion estado;
    std::unique_ptr<files::ModuleFile> archivo;
};

TEST_F(Propiedad, InsertThenRemoveGivesTheModuleBack) {
    std::mt19937 azar(20240611);
    for (int caso = 0; caso < 200; ++caso) {
        const Generado g = Genera(azar);
        SCOPED_TRACE("generated module:\n" + Texto(g.lineas));

        Prepara(g);
        ASSERT_EQ(estado.procedimientos.size(), g.cabeceras.size());
        InsertaYQuita(Modo::Option3);
        EXPECT_EQ(apoyo::Codigo(*archivo), Texto(g.lineas)) << "Resume Next";

        Prepara(g);
        InsertaYQuita(Modo::Option1);
        EXPECT_EQ(apoyo::Codigo(*archivo), Texto(Colapsa(g.lineas, g.declaraciones)))
            << "line numbers";

        // The error-handling block: one empty line under each header, and exits as usual.
        std::vector<std::string> esperado;
        std::size_t siguiente = 0;
        for (std::size_t i = 0; i < g.lineas.size(); ++i) {
            std::string l = g.lineas[i];
            for (const char* salir : {"exit sub", "exit function"}) {
                if (l == std::string("    ") + salir) {
                    l = ReemplazaTodo(l, salir, salir[5] == 's' ? "Exit Sub" : "Exit Function",
                                      codepage::TablaMinusculas(1252));
                }
            }
            esperado.push_back(l);
            if (siguiente < g.cabeceras.size() && i == g.cabeceras[siguiente]) {
                esperado.push_back("");
                ++siguiente;
            }
        }
        for (Variante v : {Variante::OptExit, Variante::OptResume, Variante::OptRaise}) {
            Prepara(g);
            estado.variante = v;
            InsertaYQuita(Modo::Option2);
            EXPECT_EQ(apoyo::Codigo(*archivo), Texto(Colapsa(esperado, g.declaraciones)))
                << "error handler, variant " << static_cast<int>(v);
        }
        if (HasFailure()) {
            return;
        }
    }
    EXPECT_TRUE(dialogos.cajas.empty());
}

} // namespace
