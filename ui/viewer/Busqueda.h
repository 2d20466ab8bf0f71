#pragma once
// The rich-text box's word search over the viewer's text: case ignored, optionally whole words
// only. Offsets are 0-based characters, each CR LF two.

#include <string>
#include <string_view>

namespace viewer {

// Options of Find, as the rich-text box numbers them.
enum OpcionBusqueda : int {
    rtfSinOpciones = 0,
    rtfWholeWord = 2,   // no letter, digit or underscore right before or after the match
    rtfNoHighlight = 8, // the selection is left alone (the view never selects while colouring)
};

class TextoBuscable {
public:
    explicit TextoBuscable(const std::u32string& texto);

    // The text changed in place: folded again into the blocks already held.
    void Rehaz();

    // The offset of the first match of `termino` at or after `desde`, or -1. An empty term has
    // no match, so that a loop over the matches of what the user typed (or of a cancelled
    // input box) ends at once. With `hasta` (an offset), only a match ending before it counts.
    long Find(std::u32string_view termino, long desde, int opciones, long hasta = -1) const;

private:
    bool EsPalabraEntera(size_t inicio, size_t largo) const;

    const std::u32string& texto_;
    // The text folded once, one byte per character: ASCII in lower case, any other letter or
    // digit kOtraLetra, anything else kOtroSigno. The colouring's terms are ASCII, and a byte
    // string is searched, and its word edges read, many times faster.
    std::string ascii_;
    // The text folded whole, made for the first term that is not ASCII.
    mutable std::u32string minusculas_;
};

// How many times strFind occurs in strIn (case counts), overlapping occurrences included.
long CuentaVeces(std::u32string_view strIn, std::u32string_view strFind);

} // namespace viewer
