// What each system's implementation of the platform layer must give alike: errno numbers for the
// callers' messages, a file's identity across a replace, locks that exclude as they say (against
// another process too), names with letters beyond ASCII, and the Spanish alphabetical order.

#include "base/plataforma/Archivo.h"
#include "base/plataforma/Colacion.h"
#include "base/plataforma/Estado.h"
#include "base/plataforma/Proceso.h"
#include "tests/support/Carpeta.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#endif

using namespace plataforma;
namespace fs = std::filesystem;

TEST(PlataformaSistema, ALockHeldByAnotherProcessExcludesUntilItEnds) {
    soporte::Carpeta c("lintrap-cerrojo");
    const fs::path cerrojo = c / "Proyecto.vbp.lock";
    // The helper reads its input until it closes: the pipe is its life.
    const fs::path programa = Ejecutable().parent_path() / LINTRAP_CERROJO_AJENO;
    std::string orden = "\"" + programa.string() + "\" \"" + cerrojo.string() + "\"";
#ifdef _WIN32
    orden = "\"" + orden + "\""; // cmd.exe takes off the outer quotes
#endif
    FILE* ajeno = popen(orden.c_str(), "w");
    ASSERT_NE(ajeno, nullptr);

    int error = 0;
    Archivo propio = Archivo::Cerrojo(cerrojo, error);
    int intento = 0;
    for (int i = 0; i < 500; ++i) { // until the helper has it (it starts slowly under wine)
        propio = Archivo::Cerrojo(cerrojo, error);
        ASSERT_EQ(error, 0);
        intento = propio.Bloquea(false, false);
        if (intento != 0) {
            break;
        }
        propio.Cierra();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(intento, EWOULDBLOCK);
    EXPECT_EQ(propio.Bloquea(true, false), EWOULDBLOCK) << "a shared lock too waits";

    EXPECT_EQ(pclose(ajeno), 0);
    EXPECT_EQ(propio.Bloquea(false, false), 0) << "free once the other process has ended";
    EXPECT_EQ(propio.Cierra(), 0);
    // Shared locks go together; an exclusive one waits for them.
    Archivo lector = Archivo::Cerrojo(cerrojo, error);
    Archivo otroLector = Archivo::Cerrojo(cerrojo, error);
    Archivo escritor = Archivo::Cerrojo(cerrojo, error);
    EXPECT_EQ(lector.Bloquea(true, false), 0);
    EXPECT_EQ(otroLector.Bloquea(true, false), 0);
    EXPECT_EQ(escritor.Bloquea(false, false), EWOULDBLOCK);
}

TEST(PlataformaSistema, NamesWithAccentsAreTheSameFilesBothWays) {
    soporte::Carpeta c("lintrap-nombres");
    const fs::path carpeta = c / "José";
    fs::create_directory(carpeta);
    const struct {
        std::string nombre;
        std::wstring ancho;
    } casos[] = {{"módulo.bas", L"m\u00f3dulo.bas"},
                 {"Año € 2024.cls", L"A\u00f1o \u20ac 2024.cls"},
                 {"Ελληνικά.frm", L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac.frm"}};
    for (const auto& caso : casos) {
        int error = 0;
        Archivo nuevo = Archivo::Nuevo(carpeta / caso.nombre, 0644, error);
        ASSERT_EQ(error, 0) << caso.nombre;
        EXPECT_EQ(nuevo.EscribeTodo(caso.nombre), 0);
        EXPECT_EQ(nuevo.Cierra(), 0);

        Estado estado;
        ASSERT_EQ(LeeEstado(carpeta / caso.nombre, estado), 0) << caso.nombre;
        EXPECT_EQ(estado.tamano, caso.nombre.size());
#ifdef _WIN32
        // The system holds the name in UTF-16, each character as itself.
        EXPECT_TRUE(fs::exists(fs::path(c.Ruta().wstring() + L"\\Jos\u00e9\\" + caso.ancho)))
            << caso.nombre;
#endif
    }
    EXPECT_EQ(Sustituye(carpeta / "módulo.bas", carpeta / "Año € 2024.cls"), 0);
    int error = 0;
    Archivo leido = Archivo::Lectura(carpeta / "Año € 2024.cls", error);
    ASSERT_EQ(error, 0);
    char datos[64] = {};
    std::size_t n = 0;
    EXPECT_EQ(leido.Lee(datos, sizeof datos, n), 0);
    EXPECT_EQ(std::string(datos, n), "módulo.bas");
}

TEST(PlataformaSistema, SpanishOrderPutsÑAfterNAndAccentsBesideTheirLetters) {
    auto clave = [](const std::string& texto) {
        auto k = ClaveDeOrden(texto, "es");
        EXPECT_TRUE(k.has_value()) << texto;
        return k.value_or("");
    };
    const std::vector<std::string> esperado = {"Ángel", "árbol",  "avión", "cafe",  "café", "Casa",
                                               "Chile", "cosa",   "llama", "luz",   "nube", "ñu",
                                               "Oso",   "pésame", "peso",  "zapato"};
    std::vector<std::string> palabras(esperado.rbegin(),
                                      esperado.rend()); // every pair the wrong way
    std::stable_sort(
        palabras.begin(), palabras.end(),
        [&](const std::string& a, const std::string& b) { return clave(a) < clave(b); });
    EXPECT_EQ(palabras, esperado);
    EXPECT_EQ(clave("casa"), clave("CASA")) << "case does not count";
    EXPECT_NE(clave("cafe"), clave("café")) << "accents do";
}

TEST(PlataformaSistema, ARemovedFileFreesItsNameAtOnceEvenWhileOpen) {
    // A lock file removed by its holder, still open in a process waiting for it, must leave
    // the name to the next run at once.
    soporte::Carpeta c("lintrap-borra");
    int error = 0;
    Archivo primero = Archivo::Cerrojo(c / "p.lock", error);
    ASSERT_EQ(error, 0);
    Archivo quienEspera = Archivo::Cerrojo(c / "p.lock", error);
    ASSERT_EQ(error, 0);
    EXPECT_EQ(Borra(c / "p.lock"), 0);
    Estado estado;
    EXPECT_EQ(LeeEstado(c / "p.lock", estado), ENOENT);
    Archivo siguiente = Archivo::Cerrojo(c / "p.lock", error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(siguiente.Bloquea(false, false), 0);
    EXPECT_FALSE(quienEspera.EsElDe(c / "p.lock"));
    EXPECT_TRUE(siguiente.EsElDe(c / "p.lock"));
}

TEST(Plataforma, FilesAnswerWithErrnoNumbersAndKnowWhenTheyWereReplaced) {
    soporte::Carpeta c("lintrap-plataforma");
    int error = 0;
    Archivo a = Archivo::Nuevo(c / "a", 0644, error);
    ASSERT_EQ(error, 0);
    EXPECT_EQ(a.EscribeTodo("abc"), 0);
    EXPECT_EQ(a.Vacia(), 0);
    EXPECT_FALSE(Archivo::Nuevo(c / "a", 0644, error).Abierto());
    EXPECT_EQ(error, EEXIST);

    Estado estado;
    ASSERT_EQ(LeeEstado(c / "a", estado), 0);
    EXPECT_EQ(estado.tipo, Tipo::Archivo);
    EXPECT_EQ(estado.tamano, 3u);
    ASSERT_EQ(LeeEstado(c.Ruta(), estado), 0);
    EXPECT_EQ(estado.tipo, Tipo::Carpeta);
    EXPECT_EQ(LeeEstado(c / "no", estado), ENOENT);
    EXPECT_EQ(Borra(c / "no"), ENOENT);
    EXPECT_EQ(Sustituye(c / "no", c / "a"), ENOENT);
    std::filesystem::create_directory(c / "carpeta");
    EXPECT_EQ(Sustituye(c / "a", c / "carpeta"), EISDIR) << "a folder is not replaced by a file";
    EXPECT_TRUE(std::filesystem::is_directory(c / "carpeta"));

    // Open across a replace: still a file, no longer the one by that name.
    EXPECT_TRUE(a.EsElDe(c / "a"));
    Archivo::Nuevo(c / "b", 0644, error);
    EXPECT_EQ(Sustituye(c / "b", c / "a"), 0);
    EXPECT_FALSE(a.EsElDe(c / "a"));
    EXPECT_EQ(a.Cierra(), 0);
    EXPECT_EQ(a.Cierra(), EBADF);
}
