// The VB6 files that the add-in copies into developers' projects, checked as the VB6
// environment would load them: form of the file, balanced code, declarations, records, texts.
#include "base/CodePage.h"
#include "tests/support/Archivos.h"
#include "tests/vb6/RuntimeFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace vb6check;

// The items of a list written "a, b, c".
std::vector<std::string> Lista(const std::string& texto) {
    std::vector<std::string> r;
    std::istringstream s(texto);
    for (std::string item; std::getline(s >> std::ws, item, ',');) {
        r.push_back(item);
    }
    return r;
}

// "Public Sub Push" for each procedure.
std::vector<std::string> Cabeceras(const Modulo& m) {
    std::vector<std::string> r;
    for (const auto& p : m.Procedimientos()) {
        r.push_back((p.ambito.empty() ? "Public" : p.ambito) + " " + p.clase + " " + p.nombre);
    }
    return r;
}

// Each item of `lista` is one of `cabeceras`.
void Tiene(const std::vector<std::string>& cabeceras, const std::string& lista) {
    for (const std::string& c : Lista(lista)) {
        EXPECT_NE(std::find(cabeceras.begin(), cabeceras.end(), c), cabeceras.end()) << c;
    }
}

TEST(RuntimeSources, FilesAreWhatTheVb6EnvironmentWrites) {
    for (const std::string* bytes : {&BytesClase(), &BytesModulo()}) {
        ASSERT_TRUE(bytes->ends_with("\r\n"));
        EXPECT_FALSE(codepage::EsUtf8Multibyte(*bytes)) << "acentos en UTF-8, no en 1252";
        Modulo m(*bytes);
        EXPECT_EQ(Texto(m.Comprobar()), "");
        ASSERT_FALSE(m.Sentencias().empty());
        EXPECT_TRUE(m.Sentencias()[0].texto.starts_with("Option Explicit"))
            << "Option Explicit must come before any declaration";
    }
    EXPECT_TRUE(
        BytesClase().starts_with(soporte::Crlf("VERSION 1.0 CLASS\nBEGIN\n"
                                               "  MultiUse = -1  'True\n"
                                               "  Persistable = 0  'NotPersistable\n"
                                               "  DataBindingBehavior = 0  'vbNone\n"
                                               "  DataSourceBehavior  = 0  'vbNone\n"
                                               "  MTSTransactionMode  = 0  'NotAnMTSObject\n"
                                               "END\nAttribute VB_Name = \"clsErrores\"\n"
                                               "Attribute VB_GlobalNameSpace = False\n"
                                               "Attribute VB_Creatable = True\n"
                                               "Attribute VB_PredeclaredId = False\n"
                                               "Attribute VB_Exposed = False\n")));
    EXPECT_TRUE(BytesModulo().starts_with("Attribute VB_Name = \"InfoSistema\"\r\n"));
}

// Every string literal of each file, in order, as the golden list (UTF-8, one a line) has it:
// the user's texts and the report's labels in Windows-1252, none lost or reordered.
TEST(RuntimeSources, TextsInWindows1252AsTheGoldenList) {
    for (auto [nombre, bytes] :
         {std::pair{"clsErrores", &BytesClase()}, {"InfoSistema", &BytesModulo()}}) {
        std::string literales;
        for (const std::string& l : Modulo(*bytes).Literales()) {
            literales += codepage::AUtf8(l, 1252) + "\n";
        }
        EXPECT_EQ(literales, soporte::Lee(std::string(LINTRAP_SOURCE_DIR) + "/tests/vb6/datos/" +
                                          nombre + ".literales"))
            << nombre;
    }
}

TEST(RuntimeSources, ClassInterfaceInSlotOrderWithIniValLast) {
    Modulo m(BytesClase());
    std::vector<std::string> publicos;
    for (const std::string& c : Cabeceras(m)) {
        if (c.starts_with("Public ")) {
            publicos.push_back(c.substr(7));
        }
    }
    EXPECT_EQ(publicos,
              Lista("Property Get MsgOnError, Property Let MsgOnError, Property Get EmailDir, "
                    "Property Let EmailDir, Property Get Destination, Property Let Destination, "
                    "Property Get MandaEmailOnError, Property Let MandaEmailOnError, "
                    "Property Get LogOnError, Property Let LogOnError, "
                    "Property Get MaxProcStackItems, Property Let MaxProcStackItems, "
                    "Function ClearLog, Sub ManejoError, Sub Pop, Sub Push, Sub MandaEMAIL, "
                    "Sub MandaEMAILCompleto, Sub IniVal"));
    const auto cabeceras = Cabeceras(m);
    Tiene(cabeceras, "Friend Property Get ErrDescription, Friend Property Get ErrLine, "
                     "Friend Property Get ErrNumber, Friend Property Get ErrProcedure, "
                     "Private Sub GrabaLog");
    for (const std::string& c : cabeceras) { // the error's properties are read-only
        EXPECT_FALSE(c.starts_with("Friend Property Let Err")) << c;
    }
    for (const std::string& nombre :
         Lista("c_MsgOnError, c_EMailDir, m_fSendEmailOnError, m_fLogOnError, App, Err, Erl, "
               "MsgBox, InformeSistema, InformeSistemaCorto, RegistryGetKeyValue, "
               "RegistrySetKeyValue")) {
        EXPECT_TRUE(m.Usa(nombre)) << nombre;
    }
}

TEST(RuntimeSources, IniValHoldsTheFourSettingLinesTheAddInRewrites) {
    Modulo m(BytesClase());
    const long inicio = m.Procedimientos().back().numero;
    ASSERT_EQ(m.Procedimientos().back().nombre, "IniVal");
    // The add-in scans from the IniVal header to the end of the module: each key must find
    // exactly its own line there, and the lines come in the order of the settings.
    for (const auto* claves : {&ClavesInstalacion, &ClavesDialogo}) {
        std::vector<long> halladas;
        for (const char* clave : *claves) {
            std::vector<long> lineas;
            for (const Linea& l : m.Lineas()) {
                if (l.numero >= inicio && codepage::Minusculas(l.texto).find(
                                              codepage::Minusculas(clave)) != std::string::npos) {
                    lineas.push_back(l.numero);
                }
            }
            ASSERT_EQ(lineas.size(), 1u) << clave;
            halladas.push_back(lineas[0]);
        }
        EXPECT_TRUE(std::is_sorted(halladas.begin(), halladas.end()));
    }
    std::vector<std::string> asignaciones;
    for (const Sentencia& s : m.Sentencias()) {
        if (s.numero > inicio && s.texto.find(" = ") != std::string::npos) {
            asignaciones.push_back(s.texto.substr(0, s.texto.find(" = ")));
        }
    }
    EXPECT_EQ(asignaciones, Lista("m_fSendEmailOnError, c_EMailDir, c_MsgOnError, m_fLogOnError"));
}

TEST(RuntimeSources, RecordsAndWindowsCallsAsWindowsLaysThemOut) {
    std::map<std::string, std::string> campos;
    std::map<std::string, long> tamanos; // bytes of each record of the module
    for (const auto& t : Modulo(BytesClase()).Tipos()) {
        for (const auto& c : t.campos) {
            campos[t.nombre] += (campos[t.nombre].empty() ? "" : ", ") + c.nombre + " As " + c.tipo;
        }
    }
    for (const auto& t : Modulo(BytesModulo()).Tipos()) {
        for (const auto& c : t.campos) {
            tamanos[t.nombre] += c.tipo == "String * 128" ? 128 : c.tipo == "Integer" ? 2 : 4;
        }
    }
    EXPECT_EQ(campos["MapiMessage"],
              "Reserved As Long, Subject As String, NoteText As String, MessageType As String, "
              "DateReceived As String, ConversationID As String, Flags As Long, RecipCount As "
              "Long, FileCount As Long");
    EXPECT_EQ(campos["MapiRecipDesc"], "Reserved As Long, RecipClass As Long, Name As String, "
                                       "Address As String, EIDSize As Long, EntryID As String");
    EXPECT_EQ(campos["MapiFileDesc"], "Reserved As Long, Flags As Long, Position As Long, "
                                      "PathName As String, FileName As String, FileType As String");
    // OSVERSIONINFO must be the 148 bytes the version call is told.
    EXPECT_EQ(tamanos, (std::map<std::string, long>{{"MEMORYSTATUS", 32},
                                                    {"OSVERSIONINFO", 148},
                                                    {"SYSTEM_INFO", 36},
                                                    {"VS_FIXEDFILEINFO", 52}}));

    const auto correo = Modulo(BytesClase()).Declaraciones();
    ASSERT_EQ(correo.size(), 1u);
    EXPECT_EQ(correo[0].nombre + " " + codepage::Minusculas(correo[0].biblioteca),
              "BMAPISendMail mapi32.dll");
    std::string puntos; // entry point:library of each Declare, in order
    for (const auto& d : Modulo(BytesModulo()).Declaraciones()) {
        std::string biblioteca = codepage::Minusculas(d.biblioteca);
        if (biblioteca.ends_with(".dll") && biblioteca != "version.dll") {
            biblioteca.resize(biblioteca.size() - 4);
        }
        puntos += (d.alias.empty() ? d.nombre : d.alias) + ":" + biblioteca + ", ";
    }
    for (const std::string& punto : Lista(
             "GetComputerNameA:kernel32, GetVersionExA:kernel32, GetWindowsDirectoryA:kernel32, "
             "GetSystemDirectoryA:kernel32, GetUserDefaultLCID:kernel32, GetLocaleInfoA:kernel32, "
             "GetSystemInfo:kernel32, GlobalMemoryStatus:kernel32, "
             "GetLogicalDriveStringsA:kernel32, GetDriveTypeA:kernel32, "
             "GetDiskFreeSpaceExA:kernel32, GetSystemMetrics:user32, GetDesktopWindow:user32, "
             "GetDC:user32, ReleaseDC:user32, GetDeviceCaps:gdi32, "
             "GetFileVersionInfoSizeA:version.dll, GetFileVersionInfoA:version.dll, "
             "VerQueryValueA:version.dll, SHGetFolderPathA:shell32, RegOpenKeyExA:advapi32, "
             "RegQueryValueExA:advapi32, RegCreateKeyExA:advapi32, RegSetValueExA:advapi32, "
             "RegCloseKey:advapi32")) {
        EXPECT_NE(puntos.find(punto + ", "), std::string::npos) << "falta Declare de " << punto;
    }
}

TEST(RuntimeSources, ModuleHoldsReportsProbesAndRegistryButNoGlobalHandler) {
    Modulo m(BytesModulo());
    std::string funciones;
    for (const std::string& f :
         Lista("InformeSistema, InformeSistemaCorto, RegistryGetKeyValue, NombreOrdenador, "
               "VersionWindows, DirectorioWindows, DirectorioSystem, DirectorioProgramFiles, "
               "DirectorioCommonFiles, VersionMDAC, VersionADO, VersionJet, VersionFichero, "
               "NombreLenguaje, NombrePais, SeparadorFecha, SeparadorTiempo, FormatoFechaLarga, "
               "FormatoFechaCorta, FormatoTiempo, SeparadorDecimal, HayDBCS, HayMidEast, "
               "HayRueda, BotonesRaton, NumeroMonitores, NumeroCPUs, NumeroColores, "
               "ResolucionPantalla, TipoProcesador, InfoMemoria")) {
        funciones += "Public Function " + f + ", ";
    }
    // Common names are private, so that they never clash with a project's own HiWord.
    Tiene(Cabeceras(m), funciones + "Public Sub InfoDrives, Public Sub RegistrySetKeyValue, "
                                    "Private Function HiWord, Private Function LoWord");
    EXPECT_FALSE(m.Usa("glbErr")) << "the add-in adds the declaration itself";
    for (const char* objeto : {"App", "Printer", "Screen", "Err"}) {
        EXPECT_TRUE(m.Usa(objeto)) << objeto;
    }
}

} // namespace
