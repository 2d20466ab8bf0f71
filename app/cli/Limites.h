#pragma once
// Two limits of the environment that numbering can break: Erl reports line numbers up to
// 65,529 only (the index × 10 numbering passes it after line 6,552), and the editor holds
// lines of at most 1,023 characters (a number in front makes a line longer).

#include "host/vbide/CodeModule.h"

#include <string_view>
#include <vector>

namespace cli {

inline constexpr long kMayorNumeroErl = 65529;
inline constexpr long kLineaMasLarga = 1023;

struct Exceso {
    enum Tipo { Numero, Longitud } tipo;
    long linea;      // 1-based index in the module's code
    long long valor; // the line number, or the line's length
};

// The line's leading line number, or -1 when it has none. Numbers too long for 64 bits count
// as the largest value (they are far beyond the limit anyway).
long long NumeroDeLinea(std::string_view linea);

// Every line of the module that passes one of the two limits, in line order.
std::vector<Exceso> BuscaExcesos(const vbide::CodeModule& m);

} // namespace cli
