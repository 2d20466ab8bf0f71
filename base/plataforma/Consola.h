#pragma once
// The standard streams and the program's arguments: whether a person is at the other end, and
// text in UTF-8 both ways.

#include <string>
#include <vector>

namespace plataforma {

enum class Flujo { Entrada, Salida, Errores };

// True when the stream is a terminal (a console), not a file or a pipe.
bool EsTerminal(Flujo flujo);

// Called first in main: the streams carry UTF-8 bytes as they are (a console shows them with
// their accents) and no line end is changed on the way.
void PreparaConsola();

// The program's arguments in UTF-8, whatever the system's own code page.
std::vector<std::string> ArgumentosUtf8(int argc, const char* const* argv);

} // namespace plataforma
