#pragma once
// Number and version texts of the system report. Pure functions of their inputs: the probes
// read the facts, these write them the way the report shows them.

#include <cstdint>
#include <string>
#include <string_view>

namespace infosistema {

// The report's number pattern "###,###,###": rounded to a whole number (halves away from zero),
// grouped in threes with `separadorMiles`, no leading zeros, so zero is the empty text.
std::string FormatoNumero(double n, std::string_view separadorMiles);

// The pattern applied to a text: a number is grouped, anything else ("True Color", the empty
// text) passes unchanged.
std::string FormatoNumeroTexto(std::string_view texto, std::string_view separadorMiles);

// A number in its shortest decimal form with the locale's decimal separator ("0,5", "12").
std::string TextoDecimal(double n, std::string_view separadorDecimal);
std::string TextoDecimal(float n, std::string_view separadorDecimal);

// High and low 16-bit halves of a 32-bit value, as unsigned numbers.
unsigned HiWord(std::uint32_t valor);
unsigned LoWord(std::uint32_t valor);

// The major.minor cut: the text before the first "." at or after its third character
// ("2.80.1022.0" gives "2.80", "10.0.1.2" gives "10"); a text with no such "." stays whole.
std::string CorteMayorMenor(std::string_view version);

} // namespace infosistema
