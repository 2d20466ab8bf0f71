// The unified diff --dry-run prints: the hunks diff -u makes, and the marker of a last line
// without its line break.
#include "app/cli/Diferencia.h"

#include <gtest/gtest.h>

#include <string>

using cli::DiferenciaUnificada;

namespace {

std::string Lineas(int desde, int hasta, const std::string& prefijo = "x") {
    std::string texto;
    for (int i = desde; i <= hasta; ++i)
        texto += prefijo + std::to_string(i) + "\r\n";
    return texto;
}

} // namespace

TEST(Diferencia, CambiosCercanosEnUnTrozoComoDiffU) {
    // Changes at lines 5 and 12: their contexts touch, so diff -u gives one hunk; at line 30, a
    // second.
    std::string antes = Lineas(1, 40);
    std::string despues = Lineas(1, 4) + "cinco\r\n" + Lineas(6, 11) + "doce\r\n" + Lineas(13, 29) +
                          "treinta\r\n" + Lineas(31, 40);
    EXPECT_EQ(
        DiferenciaUnificada(antes, despues, "M.bas"),
        "--- a/M.bas\n+++ b/M.bas\n"
        "@@ -2,14 +2,14 @@\n x2\r\n x3\r\n x4\r\n-x5\r\n+cinco\r\n x6\r\n x7\r\n x8\r\n x9\r\n"
        " x10\r\n x11\r\n-x12\r\n+doce\r\n x13\r\n x14\r\n x15\r\n"
        "@@ -27,7 +27,7 @@\n x27\r\n x28\r\n x29\r\n-x30\r\n+treinta\r\n x31\r\n x32\r\n"
        " x33\r\n");
    EXPECT_EQ(DiferenciaUnificada(antes, antes, "M.bas"), "");
}

TEST(Diferencia, UltimaLineaSinSaltoYArchivoNuevo) {
    EXPECT_EQ(DiferenciaUnificada("a\r\nb", "a\r\nc", "M.bas"),
              "--- a/M.bas\n+++ b/M.bas\n@@ -1,2 +1,2 @@\n a\r\n-b\n\\ No newline at end of "
              "file\n+c\n\\ No newline at end of file\n");
    EXPECT_EQ(DiferenciaUnificada("", "a\r\n", "N.bas", true),
              "--- /dev/null\n+++ b/N.bas\n@@ -0,0 +1,1 @@\n+a\r\n");
}
