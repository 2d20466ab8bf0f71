#pragma once
// The probes of the system report: each reads one fact of this machine and returns it as the
// text the report shows, or the empty text when the fact is not available. None throws.

#include <array>
#include <string>

namespace infosistema {

std::string NombreOrdenador();
// Linux has no Windows version: always the empty text.
std::string VersionWindows();
// Folders with a meaning here: no Windows folder; the system libraries, add-on programs and
// shared files of the file-system hierarchy, when they exist.
std::string DirectorioWindows();
std::string DirectorioSystem();
std::string DirectorioProgramFiles();
std::string DirectorioCommonFiles();

// Data access: the registry value, the version resources of the ADO and Jet libraries.
std::string VersionMDAC();
std::string VersionADO();
std::string VersionJet();
// Four numbers joined by "." from a PE file's version resource; empty for any other file.
std::string VersionFichero(const std::string& ruta);

// The user's locale (LC_ALL, LC_*, LANG), in UTF-8.
std::string NombreLenguaje();
std::string NombrePais();
std::string SeparadorFecha();
std::string SeparadorTiempo();
std::string FormatoFechaLarga();
std::string FormatoFechaCorta();
std::string FormatoTiempo();
std::string SeparadorDecimal();
std::string SeparadorMiles();
// "Yes" for a locale whose language Windows writes with a double-byte code page (Chinese,
// Japanese, Korean) / right to left (Arabic, Hebrew and their neighbours), else "No".
std::string HayDBCS();
std::string HayMidEast();
// Today in the locale's short date format, and a time stamp in its general date format.
std::string FechaCorta();
std::string FechaGeneral(long long segundosEpoch);

// Window system facts (empty when no windows are up).
std::string HayRaton();
std::string HayRueda();
std::string BotonesRaton();
std::string NumeroMonitores();
std::string NumeroColores();
std::string ResolucionPantalla();

std::string NumeroCPUs();
std::string TipoProcesador();
std::array<std::string, 4> InfoMemoria();
// Appends the floppy line, the disk line and one line per mounted drive.
void InfoDrives(std::string& informe);

} // namespace infosistema
