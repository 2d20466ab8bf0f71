// The callers list over projects on disk: which lines count, which entries are left out. (A
// failing model, the list kept so far: tests/ui/dependencias_test.cpp.)

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Guion.h"
#include "tests/support/Proyectos.h"
#include "tests/support/Tabla.h"
#include "ui/viewer/Llamadores.h"

#include <gtest/gtest.h>

namespace {

using Lista = std::vector<std::string>;
using Archivos = std::vector<std::pair<std::string, std::string>>;
using soporte::Bas;

// tests/data/ui/llamadores/Modulo1.bas and the given files, listed in this order after it.
std::unique_ptr<files::Project> Carga(const std::filesystem::path& carpeta, const Archivos& otros) {
    std::filesystem::copy_file(soporte::Datos("ui/llamadores/Modulo1.bas"),
                               carpeta / "Modulo1.bas");
    std::string lineas = "Module=Modulo1; Modulo1.bas\n";
    for (const auto& [archivo, texto] : otros) {
        const std::string nombre = archivo.substr(0, archivo.find('.'));
        const std::string ext = archivo.substr(archivo.find('.') + 1);
        lineas += ext == "bas"   ? "Module=" + nombre + "; " + archivo + "\n"
                  : ext == "cls" ? "Class=" + nombre + "; " + archivo + "\n"
                  : ext == "frm" ? "Form=" + archivo + "\n"
                                 : "UserControl=" + archivo + "\n";
    }
    return files::Project::Load(soporte::EscribeProyecto(carpeta, otros, lineas));
}

std::string Enorme() {
    std::string codigo = "Sub Largo()\n";
    for (int i = 0; i < 40000; ++i)
        codigo += "    x = x + 1\n";
    return codigo + "    Calcula\nEnd Sub\n";
}

TEST(Llamadores, QueLineasCuentanYQueEntradasQuedanFuera) {
    soporte::SilenciaGlbErr();
    for (const auto& c : soporte::Tabla("ui/llamadores.txt")) {
        SCOPED_TRACE(c.at(0));
        Archivos otros;
        for (std::size_t i = 5; i + 1 < c.size(); i += 2) {
            const std::string nombre = c[i].substr(0, c[i].find('.'));
            const std::string texto = c[i + 1] == "@ENORME@" ? Enorme() : c[i + 1];
            otros.push_back(c[i].ends_with(".bas") ? Bas(nombre, texto) : std::pair{c[i], texto});
        }
        soporte::Carpeta carpeta;
        auto proyecto = Carga(carpeta.Ruta(), otros);
        Lista lista;
        const auto O = [&](std::size_t i, const char* si) { return c[i].empty() ? si : c[i]; };
        viewer::BuscaLlamadores(*proyecto,
                                {O(1, "Calcula"), O(2, "Modulo1"), O(3, "Calcula"), 1252}, lista);
        EXPECT_EQ(c[4].empty() ? Lista{} : soporte::Partes(c[4]), lista);
    }
}

} // namespace
