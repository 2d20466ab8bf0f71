#pragma once
// What the system knows about characters: its code pages, and Unicode's letters and case pairs.

#include <optional>
#include <string>
#include <string_view>

namespace plataforma {

// The number of UTF-8 among code pages, as Windows numbers it.
inline constexpr int kUtf8 = 65001;

// True when the system can convert text in code page `cp` ("CP<n>" of the C library, the code
// page of Windows), a page of the machines that write VB6 code: not UTF-8 nor UTF-7 themselves.
bool ConocePagina(int cp);

// `texto` from code page `desde` to code page `hacia` (kUtf8 for UTF-8); nothing when a
// character has no place in `hacia` or is not valid in `desde` (never replaced silently).
std::optional<std::string> ConviertePagina(std::string_view texto, int desde, int hacia);

// A character's lower case, and whether it is a letter or a digit, by Unicode's tables.
char32_t MinusculaUnicode(char32_t c);
bool EsLetraOCifra(char32_t c);

} // namespace plataforma
