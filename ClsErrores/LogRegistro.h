#pragma once
// The texts of the log file: where it lives, the date and time, one record, and the
// conversion to the single-byte code page the file is written in.

#include <string>
#include <string_view>

class clsErrores;

namespace logerrores {

// The log path for a program folder: the folder without a trailing separator, then
// "/Errores.log", so that a root folder does not give two separators in a row.
std::string RutaLog(std::string carpeta);

// The current date and time as the user's locale writes them: short date, a space, the time.
// Falls back to the C locale when the environment names a locale that does not exist.
std::string FechaHora();

// One record in UTF-8, lines joined by CR LF, without the final CR LF.
std::string TextoRegistro(const clsErrores& e, std::string_view fecha);

// UTF-8 text in the single-byte code page `cp`. A character the code page cannot hold (or a
// byte that is not UTF-8) becomes '?': the log is a record of what happened and must be
// written even when a description carries characters of another script.
std::string ACodigoPagina(std::string_view utf8, int cp);

// Number of characters (UTF-8 code points) of the text.
std::size_t Caracteres(std::string_view utf8);

} // namespace logerrores
