#pragma once
// The viewer's text as a rich-text document holds it. The colouring counts each CR LF as two
// characters; the document keeps one separator per line break and counts in UTF-16 units.
// These give the document's text and carry offsets and runs over, so that the document colours
// exactly the characters the colouring names: a run ending on a CR, or a comment's range
// through its CR LF, reaches the line's separator and stops there.

#include "ui/viewer/ColoresCodigo.h"

#include <string>
#include <vector>

namespace viewer {

// The text with one '\n' per line break (CR LF, or a lone CR or LF).
std::u16string TextoDocumento(std::u32string_view texto);
// The same written at `destino`, which has room for LargoDocumento(texto) units: a skin writes
// a whole module's text straight into its toolkit's own string, with no copy in between.
size_t LargoDocumento(std::u32string_view texto);
void EscribeDocumento(std::u32string_view texto, char16_t* destino);

// The document position of a text offset (a caret place: before that character).
long PosicionDocumento(std::u32string_view texto, long offset);

// Runs over text offsets (in order, not overlapping) as runs over document positions. A CR LF
// is one separator with the CR's format; a run left empty (a lone LF of a pair) is dropped.
std::vector<Tramo> TramosDocumento(std::u32string_view texto, const std::vector<Tramo>& tramos);

} // namespace viewer
