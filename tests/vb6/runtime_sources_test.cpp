// The VB6 files that the add-in copies into developers' projects, checked as the VB6
// environment would load them: form of the file, balanced code, declarations, records, texts.
#include "base/CodePage.h"
#include "tests/vb6/RuntimeFiles.h"
#include "tests/vb6/Vb6Checker.h"
#include "tests/vb6/Vb6Lexico.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace vb6check;

std::vector<std::string> LineasFisicas(const std::string& bytes) {
    std::vector<std::string> lineas;
    std::size_t inicio = 0;
    while (inicio < bytes.size()) {
        std::size_t fin = bytes.find("\r\n", inicio);
        lineas.push_back(bytes.substr(inicio, fin - inicio));
        inicio = fin == std::string::npos ? bytes.size() : fin + 2;
    }
    return lineas;
}

std::string Cp1252(const std::string& utf8) {
    auto bytes = codepage::DesdeUtf8(utf8, 1252);
    if (!bytes)
        ADD_FAILURE() << "no cabe en Windows-1252: " << utf8;
    return bytes.value_or("");
}

// Each text must stand inside one string literal of the file, in Windows-1252.
void TextosPresentes(const Modulo& m, const std::vector<std::string>& textos) {
    const auto literales = m.Literales();
    for (const std::string& texto : textos) {
        std::string buscado = Cp1252(texto);
        bool hallado = std::any_of(literales.begin(), literales.end(), [&](const std::string& l) {
            return l.find(buscado) != std::string::npos;
        });
        EXPECT_TRUE(hallado) << "falta el texto \"" << texto << "\"";
    }
}

// The labels must be whole literals, in this order (other literals may stand between them).
std::size_t EnOrden(const std::vector<std::string>& literales, std::size_t desde,
                    const std::vector<std::string>& etiquetas) {
    for (const std::string& e : etiquetas) {
        std::string buscada = Cp1252(e);
        auto i = std::find(literales.begin() + static_cast<long>(desde), literales.end(), buscada);
        if (i == literales.end()) {
            ADD_FAILURE() << "falta o está fuera de orden: \"" << e << "\"";
            return desde;
        }
        desde = static_cast<std::size_t>(i - literales.begin()) + 1;
    }
    return desde;
}

const Procedimiento* Busca(const std::vector<Procedimiento>& ps, const std::string& clase,
                           const std::string& nombre) {
    for (const auto& p : ps)
        if (p.clase == clase && p.nombre == nombre)
            return &p;
    return nullptr;
}

TEST(RuntimeSources, FilesAreWhatTheVb6EnvironmentWrites) {
    for (const std::string* bytes : {&BytesClase(), &BytesModulo()}) {
        ASSERT_FALSE(bytes->empty());
        EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n");
        EXPECT_FALSE(codepage::EsUtf8Multibyte(*bytes)) << "acentos en UTF-8, no en 1252";
        Modulo m(*bytes);
        EXPECT_EQ(Texto(m.Comprobar()), "");
        ASSERT_FALSE(m.Sentencias().empty());
        EXPECT_EQ(m.Sentencias()[0].texto.substr(0, 15), "Option Explicit")
            << "Option Explicit must come before any declaration";
    }

    auto clase = LineasFisicas(BytesClase());
    const std::vector<std::string> cabecera = {"VERSION 1.0 CLASS",
                                               "BEGIN",
                                               "  MultiUse = -1  'True",
                                               "  Persistable = 0  'NotPersistable",
                                               "  DataBindingBehavior = 0  'vbNone",
                                               "  DataSourceBehavior  = 0  'vbNone",
                                               "  MTSTransactionMode  = 0  'NotAnMTSObject",
                                               "END",
                                               "Attribute VB_Name = \"clsErrores\"",
                                               "Attribute VB_GlobalNameSpace = False",
                                               "Attribute VB_Creatable = True",
                                               "Attribute VB_PredeclaredId = False",
                                               "Attribute VB_Exposed = False"};
    ASSERT_GT(clase.size(), cabecera.size());
    EXPECT_EQ(std::vector<std::string>(clase.begin(), clase.begin() + 13), cabecera);
    EXPECT_EQ(LineasFisicas(BytesModulo())[0], "Attribute VB_Name = \"InfoSistema\"");
}

TEST(RuntimeSources, ClassInterfaceInSlotOrderWithIniValLast) {
    Modulo m(BytesClase());
    auto ps = m.Procedimientos();

    std::vector<std::string> publicos;
    for (const auto& p : ps)
        if (p.ambito == "Public" || p.ambito.empty())
            publicos.push_back(p.clase + " " + p.nombre);
    const std::vector<std::string> interfaz = {"Property Get MsgOnError",
                                               "Property Let MsgOnError",
                                               "Property Get EmailDir",
                                               "Property Let EmailDir",
                                               "Property Get Destination",
                                               "Property Let Destination",
                                               "Property Get MandaEmailOnError",
                                               "Property Let MandaEmailOnError",
                                               "Property Get LogOnError",
                                               "Property Let LogOnError",
                                               "Property Get MaxProcStackItems",
                                               "Property Let MaxProcStackItems",
                                               "Function ClearLog",
                                               "Sub ManejoError",
                                               "Sub Pop",
                                               "Sub Push",
                                               "Sub MandaEMAIL",
                                               "Sub MandaEMAILCompleto",
                                               "Sub IniVal"};
    EXPECT_EQ(publicos, interfaz);

    for (const char* friendProp : {"ErrDescription", "ErrLine", "ErrNumber", "ErrProcedure"}) {
        auto p = Busca(ps, "Property Get", friendProp);
        ASSERT_NE(p, nullptr) << friendProp;
        EXPECT_EQ(p->ambito, "Friend") << friendProp;
        EXPECT_EQ(Busca(ps, "Property Let", friendProp), nullptr) << friendProp << " is read-only";
    }
    auto graba = Busca(ps, "Sub", "GrabaLog");
    ASSERT_NE(graba, nullptr);
    EXPECT_EQ(graba->ambito, "Private");

    ASSERT_FALSE(ps.empty());
    EXPECT_EQ(ps.back().nombre, "IniVal");

    for (const char* nombre : {"c_MsgOnError", "c_EMailDir", "m_fSendEmailOnError", "m_fLogOnError",
                               "App", "Err", "Erl", "MsgBox", "InformeSistema",
                               "InformeSistemaCorto", "RegistryGetKeyValue", "RegistrySetKeyValue"})
        EXPECT_TRUE(m.Usa(nombre)) << nombre;
}

TEST(RuntimeSources, IniValHoldsTheFourSettingLinesTheAddInRewrites) {
    Modulo m(BytesClase());
    long inicio = 0;
    for (const auto& p : m.Procedimientos())
        if (p.nombre == "IniVal")
            inicio = p.numero;
    ASSERT_GT(inicio, 0);

    // The add-in scans from the IniVal header to the end of the module: each key must find
    // exactly its own line there, and the lines come in the order of the settings.
    for (const auto* claves : {&ClavesInstalacion, &ClavesDialogo}) {
        std::vector<long> halladas;
        for (const char* clave : *claves) {
            std::vector<long> lineas;
            for (const Linea& l : m.Lineas())
                if (l.numero >= inicio && lexico::Minusculas(l.texto).find(
                                              lexico::Minusculas(clave)) != std::string::npos)
                    lineas.push_back(l.numero);
            ASSERT_EQ(lineas.size(), 1u) << clave;
            halladas.push_back(lineas[0]);
        }
        EXPECT_TRUE(std::is_sorted(halladas.begin(), halladas.end()));
    }

    std::vector<std::string> asignaciones;
    for (const Sentencia& s : m.Sentencias())
        if (s.numero > inicio && s.texto.find(" = ") != std::string::npos)
            asignaciones.push_back(s.texto.substr(0, s.texto.find(" = ")));
    EXPECT_EQ(asignaciones, (std::vector<std::string>{"m_fSendEmailOnError", "c_EMailDir",
                                                      "c_MsgOnError", "m_fLogOnError"}));
}

TEST(RuntimeSources, MailRecordsAndCallMatchTheMapiLayout) {
    Modulo m(BytesClase());
    std::map<std::string, std::vector<std::string>> tipos;
    for (const auto& t : m.Tipos())
        for (const auto& c : t.campos)
            tipos[t.nombre].push_back(c.nombre + " As " + c.tipo);
    EXPECT_EQ(tipos["MapiMessage"],
              (std::vector<std::string>{
                  "Reserved As Long", "Subject As String", "NoteText As String",
                  "MessageType As String", "DateReceived As String", "ConversationID As String",
                  "Flags As Long", "RecipCount As Long", "FileCount As Long"}));
    EXPECT_EQ(
        tipos["MapiRecipDesc"],
        (std::vector<std::string>{"Reserved As Long", "RecipClass As Long", "Name As String",
                                  "Address As String", "EIDSize As Long", "EntryID As String"}));
    EXPECT_EQ(tipos["MapiFileDesc"],
              (std::vector<std::string>{"Reserved As Long", "Flags As Long", "Position As Long",
                                        "PathName As String", "FileName As String",
                                        "FileType As String"}));

    auto d = m.Declaraciones();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].nombre, "BMAPISendMail");
    EXPECT_TRUE(lexico::IgualSinCaso(d[0].biblioteca, "MAPI32.DLL"));
}

TEST(RuntimeSources, ModuleDeclaresEveryWindowsCallAndRecord) {
    Modulo m(BytesModulo());
    std::map<std::string, std::string> puntos; // entry point -> library
    for (const auto& d : m.Declaraciones()) {
        std::string biblioteca = lexico::Minusculas(d.biblioteca);
        if (biblioteca.size() > 4 && biblioteca.substr(biblioteca.size() - 4) == ".dll" &&
            biblioteca != "version.dll")
            biblioteca.resize(biblioteca.size() - 4);
        puntos[d.alias.empty() ? d.nombre : d.alias] = biblioteca;
    }
    const std::map<std::string, std::string> esperados = {
        {"GetComputerNameA", "kernel32"},
        {"GetVersionExA", "kernel32"},
        {"GetWindowsDirectoryA", "kernel32"},
        {"GetSystemDirectoryA", "kernel32"},
        {"GetUserDefaultLCID", "kernel32"},
        {"GetLocaleInfoA", "kernel32"},
        {"GetSystemInfo", "kernel32"},
        {"GlobalMemoryStatus", "kernel32"},
        {"GetLogicalDriveStringsA", "kernel32"},
        {"GetDriveTypeA", "kernel32"},
        {"GetDiskFreeSpaceExA", "kernel32"},
        {"GetSystemMetrics", "user32"},
        {"GetDesktopWindow", "user32"},
        {"GetDC", "user32"},
        {"ReleaseDC", "user32"},
        {"GetDeviceCaps", "gdi32"},
        {"GetFileVersionInfoSizeA", "version.dll"},
        {"GetFileVersionInfoA", "version.dll"},
        {"VerQueryValueA", "version.dll"},
        {"SHGetFolderPathA", "shell32"},
        {"RegOpenKeyExA", "advapi32"},
        {"RegQueryValueExA", "advapi32"},
        {"RegCreateKeyExA", "advapi32"},
        {"RegSetValueExA", "advapi32"},
        {"RegCloseKey", "advapi32"}};
    for (const auto& [punto, biblioteca] : esperados) {
        auto i = puntos.find(punto);
        ASSERT_NE(i, puntos.end()) << "falta Declare de " << punto;
        EXPECT_EQ(i->second, biblioteca) << punto;
    }

    // Sizes as Windows lays the records out: OSVERSIONINFO must be the 148 bytes the
    // version call is told
    const std::map<std::string, long> bytesPorTipo = {{"Long", 4}, {"Integer", 2}};
    std::map<std::string, long> tamanos;
    for (const auto& t : m.Tipos())
        for (const auto& c : t.campos)
            tamanos[t.nombre] += c.tipo == "String * 128" ? 128 : bytesPorTipo.at(c.tipo);
    EXPECT_EQ(tamanos["OSVERSIONINFO"], 148);
    EXPECT_EQ(tamanos["SYSTEM_INFO"], 36);
    EXPECT_EQ(tamanos["MEMORYSTATUS"], 32);
    EXPECT_EQ(tamanos["VS_FIXEDFILEINFO"], 52);
}

TEST(RuntimeSources, ModuleHoldsReportsProbesAndRegistryButNoGlobalHandler) {
    Modulo m(BytesModulo());
    auto ps = m.Procedimientos();
    for (const char* publica : {"InformeSistema",
                                "InformeSistemaCorto",
                                "RegistryGetKeyValue",
                                "NombreOrdenador",
                                "VersionWindows",
                                "DirectorioWindows",
                                "DirectorioSystem",
                                "DirectorioProgramFiles",
                                "DirectorioCommonFiles",
                                "VersionMDAC",
                                "VersionADO",
                                "VersionJet",
                                "VersionFichero",
                                "NombreLenguaje",
                                "NombrePais",
                                "SeparadorFecha",
                                "SeparadorTiempo",
                                "FormatoFechaLarga",
                                "FormatoFechaCorta",
                                "FormatoTiempo",
                                "SeparadorDecimal",
                                "HayDBCS",
                                "HayMidEast",
                                "HayRueda",
                                "BotonesRaton",
                                "NumeroMonitores",
                                "NumeroCPUs",
                                "NumeroColores",
                                "ResolucionPantalla",
                                "TipoProcesador",
                                "InfoMemoria"}) {
        auto p = Busca(ps, "Function", publica);
        ASSERT_NE(p, nullptr) << publica;
        EXPECT_EQ(p->ambito, "Public") << publica;
    }
    for (const char* publica : {"InfoDrives", "RegistrySetKeyValue"}) {
        auto p = Busca(ps, "Sub", publica);
        ASSERT_NE(p, nullptr) << publica;
        EXPECT_EQ(p->ambito, "Public") << publica;
    }
    // Common names: private so that they never clash with a project's own HiWord
    for (const char* interna : {"HiWord", "LoWord"}) {
        auto p = Busca(ps, "Function", interna);
        ASSERT_NE(p, nullptr) << interna;
        EXPECT_EQ(p->ambito, "Private") << interna;
    }

    EXPECT_FALSE(m.Usa("glbErr")) << "the add-in adds the declaration itself";
    for (const char* objeto : {"App", "Printer", "Screen", "Err"})
        EXPECT_TRUE(m.Usa(objeto)) << objeto;
}

TEST(RuntimeSources, ClassTextsInWindows1252) {
    TextosPresentes(Modulo(BytesClase()),
                    {"\\Errores.log",
                     "normal",
                     "Ha ocurrido un error.",
                     "Procedimiento:   '",
                     "Línea: ",
                     "<desconocida>",
                     "Nº Error: ",
                     "Descripción: ",
                     "Se enviará automáticamente un email informando",
                     "del tipo de error al autor de la aplicación.",
                     "Pulse 'Cancelar' si no quiere que se envie ningún mensaje",
                     "Ocurrió un error inesperado.",
                     "SOFTWARE\\Microsoft\\Windows Messaging Subsystem\\MSMapiApps",
                     "tarvolk",
                     "Microsoft Outlook",
                     std::string(20, '='),
                     "Fecha = ",
                     "ErrorNumber = ",
                     "ErrorDescription = ",
                     "ErrorSource = ",
                     "ErrorLine = ",
                     "Procedimiento = ",
                     "PilaLlamadas = ",
                     "Email = ",
                     "MsgBox = ",
                     "Log Borrado el ",
                     "Informe de Error Remoto en ",
                     "Informe de Errores Remotos en ",
                     "IPM.",
                     "Informe de error en ",
                     std::string(27, '='),
                     "Error nº: ",
                     "Informe de errores en ",
                     "No ha podido enviarse el email con el informe de errores. ",
                     "Para enviar el informe puede ponerse en contacto con "});
}

TEST(RuntimeSources, ReportLabelsInWindows1252AndInReportOrder) {
    Modulo m(BytesModulo());
    const std::vector<std::string> completo = {"   Nombre del Ordenador........",
                                               "   App.Title...................",
                                               "   App.Path....................",
                                               "   App.Version.................",
                                               "   Instancias Previas..........",
                                               "   EXEName...................",
                                               "   EXE modificado el ............",
                                               "   Tamaño EXE................",
                                               " bytes",
                                               "Sistema Operativo ",
                                               "=================",
                                               "   Version Windows.....",
                                               "   Directorio Windows ...",
                                               "   Directorio 'System' ...",
                                               "   Directorio 'Program Files' ...",
                                               "   Directorio 'Common Files' ...",
                                               "   CurDir........",
                                               "Configuraciones locales",
                                               "=======================",
                                               "   Lenguaje..............     ",
                                               "   Pais......................     ",
                                               "   Separador de fecha   ",
                                               "   Separador de tiempo      ",
                                               "   Formato LongDate   ",
                                               "   Formato ShortDate   ",
                                               "   Formato tiempo        ",
                                               "   Separador decimal   ",
                                               "   MidEast.............",
                                               "   DCBS................",
                                               "Memoria",
                                               "=======",
                                               "   Memoria fisica total..........",
                                               "   Memoria fisica disponible.....",
                                               "   Memoria virtual...............",
                                               "   Memoria virtual disponible....",
                                               "Procesador",
                                               "==========",
                                               "   CPU.................",
                                               "   Número de CPUs......",
                                               "Drives",
                                               "======",
                                               "Impresora por defecto",
                                               "=====================",
                                               "   DeviceName...........",
                                               "   DriverName...........",
                                               "   PaperSize................",
                                               "   Orientation...........",
                                               "   ColorMode............",
                                               "   Duplex...............",
                                               "   Zoom...................",
                                               "   FontName.............",
                                               "   FontSize.............",
                                               "   Height...............",
                                               "   ScaleHeight...........",
                                               "   Width................",
                                               "   ScaleWidth...........",
                                               "   Scalemode.............",
                                               "   TextWidth('Hola')....",
                                               "Hola",
                                               "   TextHeight('X')....",
                                               "X",
                                               "Información Video",
                                               "=================",
                                               "   Colores.......................",
                                               "   Resolucion pantalla...........",
                                               "   Numero de monitores...........",
                                               "Ratón",
                                               "=====",
                                               "   Hay raton.......",
                                               "   Nº botones raton.......",
                                               "   Rueda en el raton......."};
    const std::vector<std::string> corto = {"   App.Title...................",
                                            "   App.Path....................",
                                            "   App.Version.................",
                                            "Sistema Operativo ",
                                            "=================",
                                            "   Version Windows.....",
                                            "Configuraciones locales",
                                            "=======================",
                                            "   Lenguaje..............     ",
                                            "   Formato LongDate   ",
                                            "   Formato ShortDate   ",
                                            "   Formato tiempo        ",
                                            "Impresora por defecto",
                                            "=====================",
                                            "   PaperSize................",
                                            "   FontName.............",
                                            "   FontSize............."};
    const std::vector<std::string> comunes = {" ====================================",
                                              "      Informe Sistema   ",
                                              " ====================================",
                                              "General",
                                              "=======",
                                              "Acceso a Datos ",
                                              "=================",
                                              "   Version MDAC.....",
                                              "   Version ADO.....",
                                              "   Version Jet40....."};
    // The full report comes first in the module, then the short one, then the shared parts
    auto literales = m.Literales();
    std::size_t p = EnOrden(literales, 0, completo);
    p = EnOrden(literales, p, corto);
    EnOrden(literales, p, comunes);

    // What stands in for an empty data-access value
    TextosPresentes(m, {"    No existe el valor "
                        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\DataAccess\\FullInstallVer",
                        "    No se encuentra información sobre dlls de ado",
                        "    No se encuentra información para msjet40.dll o msjetoledb40.dll"});
}

TEST(RuntimeSources, ProbeTextsInWindows1252) {
    TextosPresentes(Modulo(BytesModulo()),
                    {"Windows NT 3.51 ",
                     "Windows NT 4.0 ",
                     "Windows 2000",
                     "Windows XP",
                     "Windows NT, versión desconocida",
                     "Windows Longhorn",
                     "Windows ME",
                     "Windows 95",
                     "Windows 98",
                     "Windows, versión desconocida",
                     "Windows 95 o menor",
                     " (",
                     " Build: ",
                     ") -",
                     "Intel 386",
                     "Pentium",
                     "Intel Pentium Pro, Model ",
                     ", Stepping ",
                     "Intel Pentium II, Model 3",
                     " Stepping ",
                     "Intel Pentium II Model 5, Pentium II Xeon Model 5, or Celeron Model 5,",
                     "Intel Celeron Model 6",
                     " Stepping, ",
                     "Intel Pentium III or Pentium III Xeon Model, ",
                     "Unable to determine processor type",
                     "MIPS R4000",
                     "Alpha 21064",
                     "Unknown",
                     "\\System\\ado\\msado15.dll",
                     "\\System\\ado\\msadox.dll",
                     "\\System\\ado\\msjro.dll",
                     " (msado15.dll) ; ",
                     " (msadox.dll) ; ",
                     " (msjro.dll)",
                     "\\msjet40.dll",
                     "\\msjetoledb40.dll",
                     "(msjet40.dll) ; ",
                     "(msjetoledb40.dll)",
                     "Ninguna",
                     "K",
                     "True Color",
                     " x ",
                     "Yes",
                     "No",
                     "   Floppies............",
                     "   Disks...............",
                     "A:\\",
                     "B:\\",
                     "   Drive ",
                     "...........Unknown   ",
                     "...........Floppy    ",
                     "...........Fixed     ",
                     " KB Free",
                     "...........Network   ",
                     "...........CD        ",
                     "###,###,###",
                     "Software\\Microsoft\\DataAccess",
                     "FullInstallVer",
                     "Error: ",
                     ". ",
                     "RegistryGetKeyValue",
                     "RegistrySetKeyValue"});
}

} // namespace
