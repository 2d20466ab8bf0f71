// The report's text functions on the rows of their tables, whatever machine runs them.

#include "ClsErrores/Textos.h"
#include "ClsErrores/TextosDrives.h"
#include "ClsErrores/TextosFecha.h"
#include "ClsErrores/TextosSistema.h"

#include <gtest/gtest.h>

using namespace infosistema;
using namespace std::string_literals;

TEST(TextosVersionWindows, NombresDeLaTabla) {
    EXPECT_EQ(TextoVersionWindows(2, 5, 1, 2600, "Service Pack 2"),
              "Windows XP (2.5.1 Build: 2600) -Service Pack 2");
    EXPECT_EQ(TextoVersionWindows(2, 5, 0, 2195, "Service Pack 4"),
              "Windows 2000 (2.5.0 Build: 2195) -Service Pack 4");
    EXPECT_EQ(TextoVersionWindows(2, 5, 2, 3790, ""),
              "Windows NT, versión desconocida (2.5.2 Build: 3790) -");
    EXPECT_EQ(TextoVersionWindows(2, 6, 0, 6000, ""),
              "Windows NT, versión desconocida (2.6.0 Build: 6000) -");
    EXPECT_EQ(TextoVersionWindows(1, 6, 0, 1, ""), "Windows Longhorn (1.6.0 Build: 1) -");
    EXPECT_EQ(TextoVersionWindows(1, 5, 0, 1, ""), "Windows ME (1.5.0 Build: 1) -");
    EXPECT_EQ(TextoVersionWindows(1, 4, 0, 950, ""), "Windows 95 (1.4.0 Build: 950) -");
    EXPECT_EQ(TextoVersionWindows(1, 4, 10, 1998, ""), "Windows 98 (1.4.10 Build: 1998) -");
    EXPECT_EQ(TextoVersionWindows(1, 4, 90, 3000, ""), "Windows ME (1.4.90 Build: 3000) -");
    EXPECT_EQ(TextoVersionWindows(1, 4, 50, 1, ""),
              "Windows, versión desconocida (1.4.50 Build: 1) -");
    EXPECT_EQ(TextoVersionWindows(1, 3, 10, 1, ""), "Windows 95 o menor (1.3.10 Build: 1) -");
    EXPECT_EQ(TextoVersionWindows(1, 7, 0, 1, ""),
              "Windows, versión desconocida (1.7.0 Build: 1) -");
    EXPECT_EQ(TextoVersionWindows(0, 3, 1, 1, ""),
              "Windows, versión desconocida (0.3.1 Build: 1) -");
}

TEST(TextosVersionWindows, NT4YNT351LlevanDosEspaciosYElBuildSinMascara) {
    EXPECT_EQ(TextoVersionWindows(2, 4, 0, 1381, "Service Pack 6"),
              "Windows NT 4.0  (2.4.0 Build: 1381) -Service Pack 6");
    EXPECT_EQ(TextoVersionWindows(2, 3, 51, 1057, ""), "Windows NT 3.51  (2.3.51 Build: 1057) -");
    // Windows 9x puts the version in the build's high word; it is shown as given.
    EXPECT_EQ(TextoVersionWindows(1, 4, 10, 67766446, " A "),
              "Windows 98 SE (1.4.10 Build: 67766446) - A ");
}

TEST(TextosProcesador, TiposSinNivel) {
    EXPECT_EQ(TextoProcesador(386, 3, 0), "Intel 386");
    EXPECT_EQ(TextoProcesador(486, 4, 0), "Intel 386");
    EXPECT_EQ(TextoProcesador(586, 5, 0x0204), "Pentium");
    EXPECT_EQ(TextoProcesador(586, 15, 0x0204), "Pentium");
    EXPECT_EQ(TextoProcesador(4000, 0, 0), "MIPS R4000");
    EXPECT_EQ(TextoProcesador(21064, 0, 0), "Alpha 21064");
    EXPECT_EQ(TextoProcesador(0, 6, 0x0801), "Unknown");
    EXPECT_EQ(TextoProcesador(8664, 6, 0x0801), "Unknown");
}

TEST(TextosProcesador, NivelSeisPorModelo) {
    EXPECT_EQ(TextoProcesador(586, 6, 0x0109), "Intel Pentium Pro, Model 01, Stepping 09");
    EXPECT_EQ(TextoProcesador(586, 6, 0x0302), "Intel Pentium II, Model 3 Stepping 02");
    EXPECT_EQ(TextoProcesador(586, 6, 0x0502),
              "Intel Pentium II Model 5, Pentium II Xeon Model 5, or Celeron Model 5, Stepping 02");
    EXPECT_EQ(TextoProcesador(586, 6, 0x0600), "Intel Celeron Model 6 Stepping, 00");
    EXPECT_EQ(TextoProcesador(586, 6, 0x0703),
              "Intel Pentium III or Pentium III Xeon Model, 07 Stepping 03");
    EXPECT_EQ(TextoProcesador(586, 6, 0x080A),
              "Intel Pentium III or Pentium III Xeon Model, 08 Stepping 0A");
    // A model of 0x1A reads "1A": the number stops at the letter, so it is taken as model 1.
    EXPECT_EQ(TextoProcesador(586, 6, 0x1A05), "Intel Pentium Pro, Model 1A, Stepping 05");
}

TEST(TextosProcesador, NivelSeisSinModeloConocido) {
    for (std::uint16_t revision :
         {0x0001, 0x0203, 0x0401, 0x0903, 0x0A01, 0x0F02, 0x5504, 0xFFFF}) {
        EXPECT_EQ(TextoProcesador(586, 6, revision), "Unable to determine processor type")
            << std::hex << revision;
    }
}

TEST(TextosNumero, PatronConSeparadorDeMiles) {
    EXPECT_EQ(FormatoNumero(0, "."), "");
    EXPECT_EQ(FormatoNumero(0.4, "."), "");
    EXPECT_EQ(FormatoNumero(0.5, "."), "1");
    EXPECT_EQ(FormatoNumero(2.5, "."), "3");
    EXPECT_EQ(FormatoNumero(999.49, "."), "999");
    EXPECT_EQ(FormatoNumero(1000, "."), "1.000");
    EXPECT_EQ(FormatoNumero(65536, ","), "65,536");
    EXPECT_EQ(FormatoNumero(123456789, "."), "123.456.789");
    EXPECT_EQ(FormatoNumero(4294967296.0, "."), "4.294.967.296");
    EXPECT_EQ(FormatoNumero(-1234.6, "."), "-1.235");
    EXPECT_EQ(FormatoNumero(1234567, ""), "1234567");
    EXPECT_EQ(FormatoNumero(1234567, "\u202f"), "1\u202f234\u202f567");
}

TEST(TextosNumero, PatronSobreTextoYDecimales) {
    EXPECT_EQ(FormatoNumeroTexto("True Color", "."), "True Color");
    EXPECT_EQ(FormatoNumeroTexto("", "."), "");
    EXPECT_EQ(FormatoNumeroTexto("65536", "."), "65.536");
    EXPECT_EQ(FormatoNumeroTexto("4294967296", "."), "4.294.967.296");
    EXPECT_EQ(TextoDecimal(0.5f, ","), "0,5");
    EXPECT_EQ(TextoDecimal(12.0f, ","), "12");
    EXPECT_EQ(TextoDecimal(11.25f, "."), "11.25");
    EXPECT_EQ(TextoDecimal(2.0, ","), "2");
    EXPECT_EQ(TextoDecimal(2.5, ","), "2,5");
}

TEST(TextosNumero, PalabrasYCorteMayorMenor) {
    EXPECT_EQ(HiWord(0x00020050u), 2u);
    EXPECT_EQ(LoWord(0x00020050u), 0x50u);
    EXPECT_EQ(HiWord(0xFFFF0000u), 65535u);
    EXPECT_EQ(LoWord(0x0000FFFFu), 65535u);
    EXPECT_EQ(CorteMayorMenor("2.80.1022.0"), "2.80");
    EXPECT_EQ(CorteMayorMenor("10.0.1.2"), "10");
    EXPECT_EQ(CorteMayorMenor("4.0.8618.0"), "4.0");
    EXPECT_EQ(CorteMayorMenor("1.2"), "1.2");
    EXPECT_EQ(CorteMayorMenor("12"), "12");
    EXPECT_EQ(CorteMayorMenor(""), "");
}

TEST(TextosVideo, ColoresYMonitores) {
    EXPECT_EQ(TextoColores(24), "True Color");
    EXPECT_EQ(TextoColores(16), "65536");
    EXPECT_EQ(TextoColores(8), "256");
    EXPECT_EQ(TextoColores(32), "4294967296");
    EXPECT_EQ(TextoColores(1), "2");
    EXPECT_EQ(TextoMonitores(0), "1");
    EXPECT_EQ(TextoMonitores(-3), "1");
    EXPECT_EQ(TextoMonitores(1), "1");
    EXPECT_EQ(TextoMonitores(3), "3");
}

TEST(TextosMemoria, UnidadesDe1024YRedondeos) {
    const auto m =
        TextosMemoria(1024ull * 1048576 + 1023, 511, 2147352576ull, 2147352576ull - 1536, ".");
    EXPECT_EQ(m[0], "1.048.576K"); // fraction dropped
    EXPECT_EQ(m[1], "Ninguna");    // below half a unit
    EXPECT_EQ(m[2], "2.097.024K");
    EXPECT_EQ(m[3], "2.097.022K");
    // Available memory rounds halves to even: 0.5 is none, 1.5 and 2.5 are 2, 2.51 is 3.
    EXPECT_EQ(TextosMemoria(0, 512, 0, 0, ".")[1], "Ninguna");
    EXPECT_EQ(TextosMemoria(0, 513, 0, 0, ".")[1], "1K");
    EXPECT_EQ(TextosMemoria(0, 1536, 0, 0, ".")[1], "2K");
    EXPECT_EQ(TextosMemoria(0, 2560, 0, 0, ".")[1], "2K");
    EXPECT_EQ(TextosMemoria(0, 2571, 0, 0, ".")[1], "3K");
    // Zero in the pattern is the empty text.
    EXPECT_EQ(TextosMemoria(0, 0, 0, 0, ".")[0], "K");
}

TEST(TextosAccesoDatos, VersionesDeADO) {
    EXPECT_EQ(TextoVersionADO("", "", ""), "");
    EXPECT_EQ(TextoVersionADO("2.80.1022.0", "2.80.1022.0", "2.80.1022.0"),
              "2.80 (msado15.dll) ; 2.80 (msadox.dll) ; 2.80 (msjro.dll)");
    EXPECT_EQ(TextoVersionADO("10.0.1.2", "", "2.6.1.0"), "10 (msado15.dll) ; 2.6 (msjro.dll)");
    EXPECT_EQ(TextoVersionADO("", "2.80.1022.0", ""), "2.80 (msadox.dll) ; ");
}

TEST(TextosAccesoDatos, VersionesDeJet) {
    EXPECT_EQ(TextoVersionJet("4.0.8618.0", "4.0.9025.0"), "4.0.8618.0");
    EXPECT_EQ(TextoVersionJet("4.0.8618.0", "4.1.1.0"),
              "4.0.8618.0(msjet40.dll) ; 4.1.1.0(msjetoledb40.dll)");
    EXPECT_EQ(TextoVersionJet("", "4.0.9025.0"), "");
    EXPECT_EQ(TextoVersionJet("4.0.8618.0", ""), "");
}

TEST(TextosDrives, Disqueteras) {
    EXPECT_EQ(ContarDisqueteras("A:\\\0B:\\\0C:\\\0"s), 2);
    EXPECT_EQ(ContarDisqueteras("a:\\\0b:\\\0c:\\\0"s), 2);
    EXPECT_EQ(ContarDisqueteras("A:\\\0C:\\\0D:\\\0"s), 1);
    EXPECT_EQ(ContarDisqueteras("C:\\\0D:\\\0"s), 0);
    // B is only looked for as the second entry.
    EXPECT_EQ(ContarDisqueteras("B:\\\0C:\\\0"s), 0);
    EXPECT_EQ(ContarDisqueteras(""), 0);
    EXPECT_EQ(ContarDisqueteras("A:"), 0);
}

TEST(TextosDrives, LineaPorTipo) {
    EXPECT_EQ(LineaDrive({"A:", DriveDesconocido, 0}, "."), "   Drive A:...........Unknown   \r\n");
    EXPECT_EQ(LineaDrive({"A:", DriveExtraible, 0}, "."), "   Drive A:...........Floppy    \r\n");
    EXPECT_EQ(LineaDrive({"C:", DriveFijo, 1234567}, "."),
              "   Drive C:...........Fixed     1.235 KB Free\r\n");
    EXPECT_EQ(LineaDrive({"C:", DriveFijo, 0}, "."),
              "   Drive C:...........Fixed      KB Free\r\n");
    EXPECT_EQ(LineaDrive({"/home", DriveFijo, 499}, "."),
              "   Drive /home...........Fixed      KB Free\r\n");
    EXPECT_EQ(LineaDrive({"N:", DriveRemoto, 5}, "."), "   Drive N:...........Network   \r\n");
    EXPECT_EQ(LineaDrive({"D:", DriveCD, 5}, "."), "   Drive D:...........CD        \r\n");
    EXPECT_FALSE(LineaDrive({"E:", DriveSinRaiz, 5}, "."));
    EXPECT_FALSE(LineaDrive({"R:", DriveRAM, 5}, "."));
    EXPECT_FALSE(LineaDrive({"S:", 7, 5}, "."));
}

TEST(TextosDrives, CuentasYLineasEnOrden) {
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
    EXPECT_EQ(LineasDrives(0, 2.75, {}, ".", ","), "   Floppies............0\r\n"
                                                   "   Disks...............2,75\r\n");
}

TEST(TextosFecha, PatronesComoImagen) {
    EXPECT_EQ(PatronFecha("%d/%m/%Y"), "dd/MM/yyyy");
    EXPECT_EQ(PatronFecha("%m/%d/%y"), "MM/dd/yy");
    EXPECT_EQ(PatronFecha("%d.%m.%Y"), "dd.MM.yyyy");
    EXPECT_EQ(PatronFecha("%H:%M:%S"), "HH:mm:ss");
    EXPECT_EQ(PatronFecha("%T"), "HH:mm:ss");
    EXPECT_EQ(PatronFecha("%D"), "MM/dd/yy");
    EXPECT_EQ(PatronFecha("%F"), "yyyy-MM-dd");
    EXPECT_EQ(PatronFecha("%r"), "hh:mm:ss tt");
    EXPECT_EQ(PatronFecha("%I:%M:%S %p"), "hh:mm:ss tt");
    EXPECT_EQ(PatronFecha("%A, %-d de %B de %Y"), "dddd, d 'de' MMMM 'de' yyyy");
    EXPECT_EQ(PatronFecha("%e %b %Y"), "d MMM yyyy");
    EXPECT_EQ(PatronFecha("%Y年%m月%d日"), "yyyy年MM月dd日");
    EXPECT_EQ(PatronFecha("%H'%M"), "HH''mm");
    EXPECT_EQ(PatronFecha("%Ey %% %Z"), "yy % %Z");
    EXPECT_EQ(PatronFecha("100%"), "100%");
}

TEST(TextosFecha, Separadores) {
    EXPECT_EQ(SeparadorPatron("%d/%m/%Y"), "/");
    EXPECT_EQ(SeparadorPatron("%d.%m.%Y"), ".");
    EXPECT_EQ(SeparadorPatron("%Y-%m-%d"), "-");
    EXPECT_EQ(SeparadorPatron("%D"), "/");
    EXPECT_EQ(SeparadorPatron("%H:%M:%S"), ":");
    EXPECT_EQ(SeparadorPatron("%T"), ":");
    EXPECT_EQ(SeparadorPatron("%Hh%M"), "h");
    EXPECT_EQ(SeparadorPatron("%Y"), "");
    EXPECT_EQ(SeparadorPatron(""), "");
}
