#pragma once
// The viewer's text as characters. The code module holds bytes in the project's code page; the
// viewer counts what it shows: one character per byte for a single-byte code page, one per code
// point for a module written in UTF-8. Each CR LF stays two characters.

#include <string>
#include <string_view>

namespace viewer {

// The bytes of the code module as the characters the viewer shows.
std::u32string Caracteres(std::string_view bytes, int codepage);
// The same into `destino`, whose block is kept: a text no longer than the one it held is
// written without asking the system for memory.
void Caracteres(std::string_view bytes, int codepage, std::u32string& destino);

// The characters as UTF-8.
std::string Utf8(std::u32string_view texto);

// A letter, a digit or an underscore: what a whole-word match may not touch on either side.
bool EsDePalabra(char32_t c);

// The character in lower case, for searches that ignore case.
char32_t Minuscula(char32_t c);

} // namespace viewer
