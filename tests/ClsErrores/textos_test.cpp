// The report's text functions on the rows of their tables, whatever machine runs them.

#include "ClsErrores/Textos.h"
#include "ClsErrores/TextosDrives.h"
#include "ClsErrores/TextosFecha.h"
#include "ClsErrores/TextosSistema.h"
#include "tests/support/Archivos.h"
#include "tests/support/Tabla.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#ifndef _WIN32
#include "ClsErrores/SondasLinux.h"
#endif

using namespace infosistema;

namespace {

// The rows of data/clserrores/textos.txt: each function's text from its arguments.
TEST(Textos, FilasDeLaTabla) {
    using Args = std::vector<std::string>;
    const auto n = [](const std::string& s) { return std::stoll(s, nullptr, 0); };
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
        {"TextosMemoria", // the four figures parted by ';'
         [&](const Args& a) {
             const auto m = TextosMemoria(std::stoull(a[0]), std::stoull(a[1]), std::stoull(a[2]),
                                          std::stoull(a[3]), ".");
             return m[0] + ";" + m[1] + ";" + m[2] + ";" + m[3];
         }},
        {"ContarDisqueteras", // ';' for each NUL of the list
         [](const Args& a) {
             std::string lista = a[0];
             std::replace(lista.begin(), lista.end(), ';', '\0');
             return std::to_string(ContarDisqueteras(lista));
         }},
        {"LineaDrive", // "-" for no line; its CR LF shown as "<"
         [&](const Args& a) {
             const auto l = LineaDrive({a[0], int(n(a[1])), std::stoull(a[2])}, ".");
             return l ? l->substr(0, l->size() - 2) + (l->ends_with("\r\n") ? "<" : "") : "-";
         }},
        {"LineasDrives", // each drive as name|type|free bytes, one after the other
         [&](const Args& a) {
             const auto p = soporte::Partes(a[2]);
             std::vector<Drive> drives;
             for (std::size_t i = 0; i + 2 < p.size(); i += 3) {
                 drives.push_back({p[i], int(n(p[i + 1])), std::stoull(p[i + 2])});
             }
             return LineasDrives(int(n(a[0])), d(a[1]), drives, a[3], a[4]);
         }},
#ifndef _WIN32
        {"LeeCpuinfo",
         [](const Args& a) {
             const auto p = LeeCpuinfo(soporte::Sustituye(a[0], {{"\\t", "\t"}}));
             return !p ? "-"
                       : std::to_string(p->tipo) + " " + std::to_string(p->nivel) + " " +
                             std::to_string(p->revision) + " " +
                             TextoProcesador(p->tipo, p->nivel, p->revision);
         }},
        {"ValorKB",
         [](const Args& a) {
             const auto v = ValorKB(a[0], a[1]);
             return v ? std::to_string(*v) : "-";
         }},
        {"LeeMontajes",
         [](const Args& a) {
             std::string r;
             for (const auto& m : LeeMontajes(a[0])) {
                 const auto t = TipoMontaje(m, r.find(';') == std::string::npos && !r.empty());
                 r += (r.empty() ? "" : ";") + m.punto + " " + (t ? std::to_string(*t) : "-");
             }
             return r;
         }},
#endif
    };
    std::vector<Args> tabla = soporte::Tabla("clserrores/textos.txt");
#ifndef _WIN32
    for (Args& fila : soporte::Tabla("clserrores/textos_linux.txt")) {
        tabla.push_back(std::move(fila));
    }
#endif
    const int filas = static_cast<int>(tabla.size());
    for (const Args& partes : tabla) {
        // the function, its arguments, the text and ""
        ASSERT_GE(partes.size(), 3u) << partes[0];
        EXPECT_EQ(funciones.at(partes[0])(Args(partes.begin() + 1, partes.end() - 2)),
                  partes[partes.size() - 2])
            << partes[0] << " " << partes[1];
    }
#ifdef _WIN32
    EXPECT_EQ(filas, 111);
#else
    EXPECT_EQ(filas, 120);
#endif
}

} // namespace
