#pragma once
// The colour and bold flag of every character of the code viewer's text: keywords blue,
// error-handling terms purple and bold, comments green, and the user's highlights red and bold.
// FrmCodigo shows the result; the command line's `view` prints it. No widgets here.
//
// Offsets are 0-based characters of the text as the viewer holds it, each CR LF two.

#include "ui/viewer/Busqueda.h"
#include "ui/viewer/Tramo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace viewer {

// The format of every character, one byte each (its colour's place in a small palette and the
// bold flag): a whole module's formats are then written, and compared into runs, a quarter
// as much memory as whole Formato values would take.
class FormatosPorCaracter {
public:
    FormatosPorCaracter(const std::vector<std::uint8_t>& codigos, const std::vector<Color>& paleta)
        : codigos_(codigos), paleta_(paleta) {}
    Formato operator[](size_t i) const {
        return {paleta_[codigos_[i] & kColor], (codigos_[i] & kNegrita) != 0};
    }
    size_t size() const { return codigos_.size(); }

    static constexpr std::uint8_t kNegrita = 0x80;
    static constexpr std::uint8_t kColor = 0x7F;

private:
    const std::vector<std::uint8_t>& codigos_;
    const std::vector<Color>& paleta_;
};

class ColoresCodigo {
public:
    // A text just put into the view: every character black, not bold.
    explicit ColoresCodigo(std::u32string texto);
    // Another text, from the module's bytes, every character black: the blocks of the one
    // before are kept, so that a refresh with a text no longer than the last asks the system
    // for no memory. After a failure the text is empty, never half made.
    void PonTexto(std::string_view bytes, int codepage);
    // The search keeps a view of the text: one object per text, never copied.
    ColoresCodigo(const ColoresCodigo&) = delete;
    ColoresCodigo& operator=(const ColoresCodigo&) = delete;

    const std::u32string& Texto() const { return texto_; }
    FormatosPorCaracter Formatos() const { return {formatos_, paleta_}; }

    // The whole text back to black, then the three passes in order: keywords, error-handling
    // terms, comments (green overrides the keyword colours inside a comment; bold stays).
    void formateaCodigo();

    // Every occurrence of the term (any substring, case ignored) red and bold, on top of what is
    // there, until the next formateaCodigo. An empty term changes nothing. Returns the number of
    // occurrences.
    long Resaltar(std::u32string_view termino);

    // numCar + 1 characters from `principio` get the colour (or bold); a range past the end
    // stops at the end, a count below zero does nothing.
    void Pinta(long principio, long numCar, Color lngColor);
    void Negrita(long principio, long numCar);
    void textoNormal();

    void AzulReservadas() { AzulReservadas(0, Largo()); }
    void ErrorReservadas() { ErrorReservadas(0, Largo()); }
    void VerdeComentarios() { VerdeComentarios(0, Largo()); }

    // The maximal runs of characters that are not plain black, in order.
    std::vector<Tramo> Tramos() const;
    // The same into `r`, whose block is kept from one refresh to the next.
    void Tramos(std::vector<Tramo>& r) const;
    // Every maximal run of one format, plain black ones included, covering the whole text.
    std::vector<Tramo> TodosLosTramos() const;

private:
    long Largo() const { return static_cast<long>(texto_.size()); }
    // The passes over the characters [desde, hasta) alone, a run of whole lines: no term holds a
    // line break, nor does a comment run past its line's, so the text is coloured the same
    // piece by piece as whole.
    void AzulReservadas(long desde, long hasta);
    void ErrorReservadas(long desde, long hasta);
    void VerdeComentarios(long desde, long hasta);
    // [inicio, inicio + numCar + 1) inside the text, or an empty range.
    std::pair<size_t, size_t> Rango(long principio, long numCar) const;
    // The colour's place in the palette, added at its first use.
    std::uint8_t Indice(Color c);

    std::u32string texto_;
    TextoBuscable busqueda_;
    std::vector<std::uint8_t> formatos_; // FormatosPorCaracter's codes
    std::vector<Color> paleta_{kNegro, kAzul, kMorado, kVerde, kRojo};
};

} // namespace viewer
