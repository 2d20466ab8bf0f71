#pragma once
// Single-byte code pages at the edges. VB6 files are bytes in the code page of the machine that
// wrote them (1252 for Western users, 1253 Greek, 1251 Cyrillic, ...); inside Lintrap they stay
// bytes. Messages, windows and the terminal use UTF-8. The system converts them.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace codepage {

inline constexpr int Predeterminada = 1252;

// True when the system knows the code page.
bool Existe(int cp);

// Bytes in the code page to UTF-8. A byte the code page leaves undefined (0x81 in 1252) is
// shown as U+FFFD so that nothing is hidden. Text that is valid UTF-8 with at least one
// multi-byte sequence is taken as UTF-8 already and returned as it is.
std::string AUtf8(std::string_view bytes, int cp = Predeterminada);

// UTF-8 to bytes in the code page; nothing when a character cannot be held (never replaced
// silently) or the input is not valid UTF-8.
std::optional<std::string> DesdeUtf8(std::string_view utf8, int cp = Predeterminada);

// One character as UTF-8, and back from one whole valid UTF-8 sequence.
std::string Codifica(char32_t c);
char32_t Decodifica(std::string_view s);

// Valid UTF-8 containing at least one multi-byte sequence.
bool EsUtf8Multibyte(std::string_view bytes);

// Case folding over the code page's letters as well as ASCII: table[b] is b in lower case.
const std::array<unsigned char, 256>& TablaMinusculas(int cp = Predeterminada);

// Lower case of the bytes by the code page's table.
std::string Minusculas(std::string_view bytes, int cp = Predeterminada);

// Case-insensitive equality by the code page's table.
bool IgualesSinCaso(std::string_view a, std::string_view b, int cp = Predeterminada);

} // namespace codepage
