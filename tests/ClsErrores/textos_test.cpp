// The report's text functions on the rows of their tables, whatever machine runs them.

#include "ClsErrores/Textos.h"
#include "ClsErrores/TextosDrives.h"
#include "ClsErrores/TextosFecha.h"
#include "ClsErrores/TextosSistema.h"
#include "tests/support/Archivos.h"
#include "tests/support/Texto.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

using namespace infosistema;
using namespace std::string_literals;

namespace {

// The rows of datos/textos.txt: each function's text from its arguments.
TEST(Textos, FilasDeLaTabla) {
    using Args = std::vector<std::string>;
    const auto n = [](const std::string& s) { return std::stol(s, nullptr, 0); };
    const auto d = [](const std::string& s) { return std::stod(s); };
    const std::map<std::string, std::function<std::string(const Args&)>> funciones = {
        {"TextoVersionWindows",
         [&](const Args& a) {
             return TextoVersionWindows(n(a[0]), n(a[1]), n(a[2]), n(a[3]), a[4]);
         }},
        {"TextoProcesador",
         [&](const Args& a) {
             return TextoProcesador(n(a[0]), int(n(a[1])), std::uint16_t(n(a[2])));
         }},
        {"FormatoNumero", [&](const Args& a) { return FormatoNumero(d(a[0]), a[1]); }},
        {"FormatoNumeroTexto", [](const Args& a) { return FormatoNumeroTexto(a[0], a[1]); }},
        {"TextoDecimal",
         [&](const Args& a) {
             return a[0].ends_with('f') ? TextoDecimal(std::stof(a[0]), a[1])
                                        : TextoDecimal(d(a[0]), a[1]);
         }},
        {"CorteMayorMenor", [](const Args& a) { return CorteMayorMenor(a[0]); }},
        {"TextoVersionADO", [](const Args& a) { return TextoVersionADO(a[0], a[1], a[2]); }},
        {"TextoVersionJet", [](const Args& a) { return TextoVersionJet(a[0], a[1]); }},
        {"TextoColores", [&](const Args& a) { return TextoColores(int(n(a[0]))); }},
        {"TextoMonitores", [&](const Args& a) { return TextoMonitores(int(n(a[0]))); }},
        {"PatronFecha", [](const Args& a) { return PatronFecha(a[0]); }},
        {"SeparadorPatron", [](const Args& a) { return SeparadorPatron(a[0]); }},
    };
    int filas = 0;
    std::istringstream tabla(soporte::Lee(std::string(LINTRAP_DATOS_INFORME) + "/textos.txt"));
    for (std::string l; std::getline(tabla, l);) {
        if (l.empty() || l.starts_with('#')) {
            continue;
        }
        Args partes = soporte::Partes(l); // the function, its arguments, the text and ""
        ASSERT_GE(partes.size(), 3u) << l;
        EXPECT_EQ(funciones.at(partes[0])(Args(partes.begin() + 1, partes.end() - 2)),
                  partes[partes.size() - 2])
            << l;
        ++filas;
    }
    EXPECT_EQ(filas, 91);
    EXPECT_EQ(HiWord(0xFFFF0050u), 65535u);
    EXPECT_EQ(LoWord(0x0002FFFFu), 65535u);
}

TEST(Textos, MemoriaEnUnidadesDe1024) {
    const auto m =
        TextosMemoria(1024ull * 1048576 + 1023, 511, 2147352576ull, 2147352576ull - 1536, ".");
    EXPECT_EQ(m, (std::array<std::string, 4>{"1.048.576K", "Ninguna", "2.097.024K", "2.097.022K"}));
    // Available memory rounds halves to even: 0.5 is none, 1.5 and 2.5 are 2, 2.51 is 3.
    for (auto [libre, texto] :
         {std::pair{512, "Ninguna"}, {513, "1K"}, {1536, "2K"}, {2560, "2K"}, {2571, "3K"}}) {
        EXPECT_EQ(TextosMemoria(0, libre, 0, 0, ".")[1], texto) << libre;
    }
    EXPECT_EQ(TextosMemoria(0, 0, 0, 0, ".")[0], "K"); // zero in the pattern is the empty text
}

TEST(Textos, Drives) {
    // B is only looked for as the second entry.
    for (auto [lista, cuenta] : {std::pair{"A:\\\0B:\\\0C:\\\0"s, 2},
                                 {"a:\\\0b:\\\0c:\\\0"s, 2},
                                 {"A:\\\0C:\\\0"s, 1},
                                 {"B:\\\0C:\\\0"s, 0},
                                 {"A:"s, 0}}) {
        EXPECT_EQ(ContarDisqueteras(lista), cuenta) << lista;
    }
    EXPECT_EQ(LineaDrive({"A:", DriveDesconocido, 0}, "."), "   Drive A:...........Unknown   \r\n");
    EXPECT_EQ(LineaDrive({"C:", DriveFijo, 0}, "."),
              "   Drive C:...........Fixed      KB Free\r\n");
    EXPECT_EQ(LineaDrive({"/home", DriveFijo, 499}, "."),
              "   Drive /home...........Fixed      KB Free\r\n");
    EXPECT_EQ(LineaDrive({"N:", DriveRemoto, 5}, "."), "   Drive N:...........Network   \r\n");
    for (int tipo : {1, 6, 7}) { // no root, RAM disk, unknown
        EXPECT_FALSE(LineaDrive({"E:", tipo, 5}, ".")) << tipo;
    }
    const std::vector<Drive> drives = {{"A:", DriveExtraible, 0},
                                       {"C:", DriveFijo, 10'000'000},
                                       {"E:", DriveSinRaiz, 0},
                                       {"D:", DriveCD, 0}};
    EXPECT_EQ(LineasDrives(1, 4, drives, ".", ","),
              "   Floppies............1\r\n"
              "   Disks...............3\r\n"
              "   Drive A:...........Floppy    \r\n"
              "   Drive C:...........Fixed     10.000 KB Free\r\n"
              "   Drive D:...........CD        \r\n");
    EXPECT_EQ(LineasDrives(0, 2.75, {}, ".", ","),
              "   Floppies............0\r\n   Disks...............2,75\r\n");
}

} // namespace
