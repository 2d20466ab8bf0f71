#pragma once
// The code viewer's formats: a colour and a bold flag per character, and runs of characters
// that share one. The colouring computes them; a window shows them.

#include <cstdint>

namespace viewer {

// 0xRRGGBB.
using Color = std::uint32_t;
inline constexpr Color kNegro = 0x000000;
inline constexpr Color kAzul = 0x0000FA;   // keywords
inline constexpr Color kMorado = 0xA000A0; // error-handling terms
inline constexpr Color kVerde = 0x007800;  // comments
inline constexpr Color kRojo = 0xFF0000;   // highlights

struct Formato {
    Color color = kNegro;
    bool negrita = false;
    bool operator==(const Formato&) const = default;
};

// A run of characters that share one format.
struct Tramo {
    long inicio = 0;
    long largo = 0;
    Formato formato;
    bool operator==(const Tramo&) const = default;
};

} // namespace viewer
