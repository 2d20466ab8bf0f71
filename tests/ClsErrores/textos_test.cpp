// The report's text functions on the rows of their tables, whatever machine runs them.

#include "ClsErrores/Textos.h"
#include "ClsErrores/TextosDrives.h"
#include "ClsErrores/TextosFecha.h"
#include "ClsErrores/TextosSistema.h"

#include <gtest/gtest.h>

using namespace infosistema;
using namespace std::string_literals;

namespace {

// Each text as the function gave it, beside the one expected.
void Iguales(const std::vector<std::pair<std::string, std::string>>& casos) {
    for (const auto& [dado, esperado] : casos) {
        EXPECT_EQ(dado, esperado);
    }
}

TEST(Textos, VersionWindowsPorPlataformaYVersion) {
    Iguales({
        {TextoVersionWindows(2, 5, 1, 2600, "SP2"), "Windows XP (2.5.1 Build: 2600) -SP2"},
        {TextoVersionWindows(2, 5, 0, 2195, ""), "Windows 2000 (2.5.0 Build: 2195) -"},
        {TextoVersionWindows(2, 5, 2, 3790, ""),
         "Windows NT, versión desconocida (2.5.2 Build: 3790) -"},
        {TextoVersionWindows(2, 6, 0, 6000, ""),
         "Windows NT, versión desconocida (2.6.0 Build: 6000) -"},
        // NT 4 and 3.51 carry two spaces; 9x's build is shown whole.
        {TextoVersionWindows(2, 4, 0, 1381, ""), "Windows NT 4.0  (2.4.0 Build: 1381) -"},
        {TextoVersionWindows(2, 3, 51, 1057, ""), "Windows NT 3.51  (2.3.51 Build: 1057) -"},
        {TextoVersionWindows(1, 4, 10, 67766446, " A "),
         "Windows 98 SE (1.4.10 Build: 67766446) - A "},
        {TextoVersionWindows(1, 6, 0, 1, ""), "Windows Longhorn (1.6.0 Build: 1) -"},
        {TextoVersionWindows(1, 5, 0, 1, ""), "Windows ME (1.5.0 Build: 1) -"},
        {TextoVersionWindows(1, 4, 0, 950, ""), "Windows 95 (1.4.0 Build: 950) -"},
        {TextoVersionWindows(1, 4, 10, 1998, ""), "Windows 98 (1.4.10 Build: 1998) -"},
        {TextoVersionWindows(1, 4, 90, 3000, ""), "Windows ME (1.4.90 Build: 3000) -"},
        {TextoVersionWindows(1, 4, 50, 1, ""), "Windows, versión desconocida (1.4.50 Build: 1) -"},
        {TextoVersionWindows(1, 3, 10, 1, ""), "Windows 95 o menor (1.3.10 Build: 1) -"},
        {TextoVersionWindows(1, 7, 0, 1, ""), "Windows, versión desconocida (1.7.0 Build: 1) -"},
        {TextoVersionWindows(0, 3, 1, 1, ""), "Windows, versión desconocida (0.3.1 Build: 1) -"},
    });
}

TEST(Textos, ProcesadorPorTipoNivelYModelo) {
    Iguales({
        {TextoProcesador(486, 4, 0), "Intel 386"},
        {TextoProcesador(586, 15, 0x0204), "Pentium"},
        {TextoProcesador(4000, 0, 0), "MIPS R4000"},
        {TextoProcesador(21064, 0, 0), "Alpha 21064"},
        {TextoProcesador(8664, 6, 0x0801), "Unknown"},
        {TextoProcesador(586, 6, 0x0109), "Intel Pentium Pro, Model 01, Stepping 09"},
        {TextoProcesador(586, 6, 0x0302), "Intel Pentium II, Model 3 Stepping 02"},
        {TextoProcesador(586, 6, 0x0502),
         "Intel Pentium II Model 5, Pentium II Xeon Model 5, or Celeron Model 5, Stepping 02"},
        {TextoProcesador(586, 6, 0x0600), "Intel Celeron Model 6 Stepping, 00"},
        {TextoProcesador(586, 6, 0x0703),
         "Intel Pentium III or Pentium III Xeon Model, 07 Stepping 03"},
        {TextoProcesador(586, 6, 0x080A),
         "Intel Pentium III or Pentium III Xeon Model, 08 Stepping 0A"},
        // Model 0x1A reads "1A": the number stops at the letter, so it is model 1.
        {TextoProcesador(586, 6, 0x1A05), "Intel Pentium Pro, Model 1A, Stepping 05"},
    });
    for (std::uint16_t revision : {0x0001, 0x0203, 0x0401, 0x0903, 0x0F02, 0xFFFF}) {
        EXPECT_EQ(TextoProcesador(586, 6, revision), "Unable to determine processor type");
    }
}

TEST(Textos, NumerosVersionesYVideo) {
    Iguales({
        {FormatoNumero(0.4, "."), ""},
        {FormatoNumero(0.5, "."), "1"},
        {FormatoNumero(2.5, "."), "3"},
        {FormatoNumero(999.49, "."), "999"},
        {FormatoNumero(1000, "."), "1.000"},
        {FormatoNumero(4294967296.0, ","), "4,294,967,296"},
        {FormatoNumero(-1234.6, "."), "-1.235"},
        {FormatoNumero(1234567, ""), "1234567"},
        {FormatoNumero(1234567, "\u202f"), "1\u202f234\u202f567"},
        {FormatoNumeroTexto("True Color", "."), "True Color"},
        {FormatoNumeroTexto("", "."), ""},
        {FormatoNumeroTexto("4294967296", "."), "4.294.967.296"},
        {TextoDecimal(0.5f, ","), "0,5"},
        {TextoDecimal(12.0f, ","), "12"},
        {TextoDecimal(11.25f, "."), "11.25"},
        {TextoDecimal(2.0, ","), "2"},
        {TextoDecimal(2.5, ","), "2,5"},
        {CorteMayorMenor("2.80.1022.0"), "2.80"},
        {CorteMayorMenor("10.0.1.2"), "10"},
        {CorteMayorMenor("4.0.8618.0"), "4.0"},
        {CorteMayorMenor("12"), "12"},
        {CorteMayorMenor(""), ""},
        {TextoVersionADO("", "", ""), ""},
        {TextoVersionADO("2.80.1022.0", "2.80.1022.0", "2.80.1022.0"),
         "2.80 (msado15.dll) ; 2.80 (msadox.dll) ; 2.80 (msjro.dll)"},
        {TextoVersionADO("10.0.1.2", "", "2.6.1.0"), "10 (msado15.dll) ; 2.6 (msjro.dll)"},
        {TextoVersionADO("", "2.80.1022.0", ""), "2.80 (msadox.dll) ; "},
        {TextoVersionJet("4.0.8618.0", "4.0.9025.0"), "4.0.8618.0"},
        {TextoVersionJet("4.0.8618.0", "4.1.1.0"),
         "4.0.8618.0(msjet40.dll) ; 4.1.1.0(msjetoledb40.dll)"},
        {TextoVersionJet("", "4.0.9025.0"), ""},
        {TextoVersionJet("4.0.8618.0", ""), ""},
        {TextoColores(24), "True Color"},
        {TextoColores(16), "65536"},
        {TextoColores(32), "4294967296"},
        {TextoColores(1), "2"},
        {TextoMonitores(0), "1"},
        {TextoMonitores(-3), "1"},
        {TextoMonitores(3), "3"},
    });
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

TEST(Textos, PatronesDeFechaYSeparadores) {
    Iguales({
        {PatronFecha("%d/%m/%Y"), "dd/MM/yyyy"},
        {PatronFecha("%m/%d/%y"), "MM/dd/yy"},
        {PatronFecha("%T"), "HH:mm:ss"},
        {PatronFecha("%D"), "MM/dd/yy"},
        {PatronFecha("%F"), "yyyy-MM-dd"},
        {PatronFecha("%r"), "hh:mm:ss tt"},
        {PatronFecha("%I:%M:%S %p"), "hh:mm:ss tt"},
        {PatronFecha("%A, %-d de %B de %Y"), "dddd, d 'de' MMMM 'de' yyyy"},
        {PatronFecha("%e %b %Y"), "d MMM yyyy"},
        {PatronFecha("%Y年%m月%d日"), "yyyy年MM月dd日"},
        {PatronFecha("%H'%M"), "HH''mm"},
        {PatronFecha("%Ey %% %Z"), "yy % %Z"},
        {PatronFecha("100%"), "100%"},
        {SeparadorPatron("%d.%m.%Y"), "."},
        {SeparadorPatron("%Y-%m-%d"), "-"},
        {SeparadorPatron("%D"), "/"},
        {SeparadorPatron("%T"), ":"},
        {SeparadorPatron("%Hh%M"), "h"},
        {SeparadorPatron("%Y"), ""},
        {SeparadorPatron(""), ""},
    });
}

} // namespace
