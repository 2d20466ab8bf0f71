#pragma once
// The standard streams: whether a person is at the other end.

namespace plataforma {

enum class Flujo { Entrada, Salida, Errores };

// True when the stream is a terminal (a console), not a file or a pipe.
bool EsTerminal(Flujo flujo);

} // namespace plataforma
