// The controls inspector driven through a recording view: the chain of selections on opening
// and on clicks, the report put on the clipboard, and the cases that must leave things as they
// were, over the example project and small projects.

#include "host/files/Vbe.h"
#include "tests/support/Archivos.h"
#include "tests/support/Escena.h"
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
    // The scenario `nombre` of tests/data/ui/frmcontroles.txt (the example project is
    // ../../examples/Demo/Demo.vbp there).
    void Escena(const std::string& nombre) {
        auto pasos = soporte::PasosDe(v);
        const auto n = [](auto& a) { return std::stoi(a[0]); };
        pasos.insert({
            {"Abre", [&](auto& a) { Abre(soporte::Datos(a[0])); }},
            {"List0_Click", [&](auto& a) { f->List0_Click(n(a)); }},
            {"List1_Click", [&](auto& a) { f->List1_Click(n(a)); }},
            {"Command1_Click", [&](auto&) { f->Command1_Click(); }},
            {"Portapapeles", [&](auto& a) { v.portapapeles = a[0]; }},
        });
        auto lecturas = soporte::LecturasDe(v);
        lecturas["propiedad"] = [&](auto& c) { return Linea(v.filas["List2"], c); };
        lecturas["primera"] = [&](auto& c) { return v.filas[c].empty() ? "" : v.filas[c][0]; };
        soporte::Escena("ui/frmcontroles.txt", nombre, pasos, lecturas);
    }

    soporte::VistaGrabadora v;
    std::unique_ptr<files::Vbe> vbe;
    std::unique_ptr<ui::frmControles> f;
};

TEST_F(Inspector, Escenas) {
    for (const std::string nombre : {"cadena", "copiar", "sin-controles", "grupo", "disenadores"})
        Escena(nombre);
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

} // namespace
