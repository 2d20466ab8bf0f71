// The platform layer's file calls as every system must answer them: errno numbers for the
// callers' messages, a file's identity across a replace, and locks that exclude as they say.

#include "base/plataforma/Archivo.h"
#include "tests/support/Carpeta.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

using namespace plataforma;

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

TEST(Plataforma, LocksAreSharedOnlyBetweenSharedOnes) {
    soporte::Carpeta c("lintrap-plataforma");
    const struct {
        bool primero, segundo;
        int esperado;
    } casos[] = {{true, true, 0}, {true, false, EWOULDBLOCK}, {false, true, EWOULDBLOCK}};
    for (const auto& caso : casos) {
        int error = 0;
        Archivo uno = Archivo::Cerrojo(c / "cerrojo", error);
        Archivo otro = Archivo::Cerrojo(c / "cerrojo", error);
        ASSERT_EQ(uno.Bloquea(caso.primero, false), 0);
        EXPECT_EQ(otro.Bloquea(caso.segundo, false), caso.esperado)
            << caso.primero << " " << caso.segundo;
    }
}
