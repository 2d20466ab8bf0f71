#include "ui/viewer/ColoresCodigo.h"

#include "ui/viewer/Caracteres.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace viewer {
namespace {

// The keywords, in the order the blue pass looks for them.
const std::array<std::u32string_view, 36> kReservadas = {
    U"As",      U"Boolean", U"ByRef",  U"ByVal",    U"Declare", U"Do",     U"Dim",      U"Double",
    U"End",     U"Else",    U"Exit",   U"Explicit", U"False",   U"For",    U"Function", U"GoTo",
    U"If",      U"Integer", U"Long",   U"Loop",     U"Next",    U"Option", U"Property", U"Public",
    U"Private", U"Resume",  U"Single", U"String",   U"Sub",     U"Then",   U"True",     U"Type",
    U"Variant", U"Until",   U"While",  U"With"};

// The error-handling terms, in the order the purple pass looks for them.
const std::array<std::u32string_view, 11> kTerminosError = {
    U"On Error", U"Resume",          U"Resume Next", U"Err.Raise", U"Err.Number",   U"Err",
    U"Raise",    U"Err.Description", U"Err.Source",  U"Err.Clear", U"On Error GoTo"};

constexpr std::u32string_view kSaltoLinea = U"\r\n";

// The characters of a piece of the colouring passes, about (its lines are kept whole).
constexpr long kPieza = 16384;

// InStr over 1-based positions: where `buscado` first starts at or after `desde`, 0 for none.
long InStr(std::u32string_view t, long desde, std::u32string_view buscado) {
    const size_t p = t.find(buscado, static_cast<size_t>(desde - 1));
    return p == std::u32string_view::npos ? 0 : static_cast<long>(p) + 1;
}

// InStrRev over 1-based positions: the last `buscado` that ends at or before `hasta`, 0 for
// none.
long InStrRev(std::u32string_view t, long hasta, std::u32string_view buscado) {
    if (hasta < static_cast<long>(buscado.size()))
        return 0;
    const size_t p = t.rfind(buscado, static_cast<size_t>(hasta) - buscado.size());
    return p == std::u32string_view::npos ? 0 : static_cast<long>(p) + 1;
}

} // namespace

ColoresCodigo::ColoresCodigo(std::u32string texto)
    : texto_(std::move(texto)), busqueda_(texto_), formatos_(texto_.size()) {}

void ColoresCodigo::PonTexto(std::string_view bytes, int codepage) {
    try {
        Caracteres(bytes, codepage, texto_);
        busqueda_.Rehaz();
        formatos_.assign(texto_.size(), std::uint8_t{0});
    } catch (...) {
        // Never a text without its folded copy or its formats: none at all instead. Emptying
        // asks for no memory.
        texto_.clear();
        busqueda_.Rehaz();
        formatos_.clear();
        throw;
    }
}

std::pair<size_t, size_t> ColoresCodigo::Rango(long principio, long numCar) const {
    const long n = static_cast<long>(texto_.size());
    if (principio < 0 || numCar < 0 || principio >= n)
        return {0, 0};
    const long fin = principio + numCar + 1 < n ? principio + numCar + 1 : n;
    return {static_cast<size_t>(principio), static_cast<size_t>(fin)};
}

std::uint8_t ColoresCodigo::Indice(Color c) {
    const auto it = std::find(paleta_.begin(), paleta_.end(), c);
    if (it != paleta_.end())
        return static_cast<std::uint8_t>(it - paleta_.begin());
    if (paleta_.size() > FormatosPorCaracter::kColor)
        throw std::length_error("Demasiados colores en el visor de código");
    paleta_.push_back(c);
    return static_cast<std::uint8_t>(paleta_.size() - 1);
}

void ColoresCodigo::Pinta(long principio, long numCar, Color lngColor) {
    auto [desde, hasta] = Rango(principio, numCar);
    const std::uint8_t color = Indice(lngColor);
    for (size_t i = desde; i < hasta; ++i)
        formatos_[i] =
            static_cast<std::uint8_t>((formatos_[i] & FormatosPorCaracter::kNegrita) | color);
}

void ColoresCodigo::Negrita(long principio, long numCar) {
    auto [desde, hasta] = Rango(principio, numCar);
    for (size_t i = desde; i < hasta; ++i)
        formatos_[i] |= FormatosPorCaracter::kNegrita;
}

// The first character is reset too: a highlight or a colour left on it would otherwise survive
// every refresh.
void ColoresCodigo::textoNormal() {
    std::fill(formatos_.begin(), formatos_.end(), std::uint8_t{0}); // black, kNegro's place
}

void ColoresCodigo::formateaCodigo() {
    textoNormal();
    // The three passes piece by piece, each piece a run of whole lines small enough to stay in
    // the processor's cache through the 47 searches: the time then grows with the text alone.
    const std::u32string_view t(texto_);
    for (long desde = 0; desde < Largo();) {
        const size_t salto = t.find(kSaltoLinea, size_t(desde) + kPieza);
        const long hasta = salto == t.npos ? Largo() : long(salto) + 2;
        AzulReservadas(desde, hasta);
        ErrorReservadas(desde, hasta);
        VerdeComentarios(desde, hasta);
        desde = hasta;
    }
}

void ColoresCodigo::AzulReservadas(long desde, long hasta) {
    for (std::u32string_view palabra : kReservadas) {
        const long largo = static_cast<long>(palabra.size());
        const int opciones = rtfWholeWord | rtfNoHighlight;
        for (long p = busqueda_.Find(palabra, desde, opciones, hasta); p != -1;
             p = busqueda_.Find(palabra, p + 1, opciones, hasta))
            Pinta(p, largo, kAzul); // the word and the character after it
    }
}

void ColoresCodigo::ErrorReservadas(long desde, long hasta) {
    for (std::u32string_view termino : kTerminosError) {
        const long largo = static_cast<long>(termino.size());
        for (long p = busqueda_.Find(termino, desde, rtfWholeWord, hasta); p != -1;
             p = busqueda_.Find(termino, p + 1, rtfWholeWord, hasta)) {
            Pinta(p, largo, kMorado);
            Negrita(p, largo);
        }
    }
}

// Positions here are 1-based within the piece, as the text functions count them. A comment's
// range starts at offset `pos`, the character after its apostrophe, and reaches through the
// line's CR LF. A piece starts a line, and is searched as if it were the whole text: its
// leading apostrophe is the one the loop would have met there, with the same result.
void ColoresCodigo::VerdeComentarios(long desde, long hasta) {
    const std::u32string_view t = std::u32string_view(texto_).substr(desde, hasta - desde);
    auto Pinta = [&](long principio, long numCar, Color c) {
        this->Pinta(desde + principio, numCar, c);
    };
    if (!t.empty() && t[0] == U'\'') {
        const long e = InStr(t, 1, kSaltoLinea);
        Pinta(1, e - 1, kVerde); // no line break: e is 0 and nothing is coloured
    }
    long pos = 1;
    while (pos != 0) {
        pos = InStr(t, pos + 1, U"'");
        if (pos == 0)
            break;
        // The line's own part before the apostrophe: an odd number of double quotes there
        // means the apostrophe stands inside a string literal.
        const long salto = InStrRev(t, pos, kSaltoLinea);
        const long s = salto == 0 ? 1 : salto + 2;
        const long e = InStr(t, pos, kSaltoLinea);
        const long q = CuentaVeces(t.substr(s - 1, pos - s), U"\"");
        if (q % 2 == 0) {
            if (e < 1)
                break; // a comment on the last line, without a line break, ends the pass
            Pinta(pos, e - pos, kVerde);
        }
    }
}

long ColoresCodigo::Resaltar(std::u32string_view termino) {
    const long largo = static_cast<long>(termino.size());
    long n = 0;
    for (long p = busqueda_.Find(termino, 0, rtfSinOpciones); p != -1;
         p = busqueda_.Find(termino, p + 1, rtfSinOpciones)) {
        Pinta(p, largo - 1, kRojo); // exactly the term's characters
        Negrita(p, largo - 1);
        ++n;
    }
    return n;
}

namespace {

// The maximal runs of one code, the plain black ones (code 0) only with `negros`.
void Corridas(const std::vector<std::uint8_t>& codigos, FormatosPorCaracter formatos, bool negros,
              std::vector<Tramo>& r) {
    // Counted first, so that the runs of a whole module go into one block of their size.
    size_t n = 0;
    for (size_t i = 0; i < codigos.size(); ++i)
        n += (i == 0 || codigos[i] != codigos[i - 1]) && (negros || codigos[i] != 0);
    r.clear();
    r.reserve(n);
    for (size_t i = 0; i < codigos.size();) {
        const auto distinto = [c = codigos[i]](std::uint8_t d) { return d != c; };
        const size_t j = size_t(
            std::find_if(codigos.begin() + long(i) + 1, codigos.end(), distinto) - codigos.begin());
        if (negros || codigos[i] != 0)
            r.push_back({static_cast<long>(i), static_cast<long>(j - i), formatos[i]});
        i = j;
    }
}

} // namespace

std::vector<Tramo> ColoresCodigo::TodosLosTramos() const {
    std::vector<Tramo> r;
    Corridas(formatos_, Formatos(), true, r);
    return r;
}

std::vector<Tramo> ColoresCodigo::Tramos() const {
    std::vector<Tramo> r;
    Tramos(r);
    return r;
}

void ColoresCodigo::Tramos(std::vector<Tramo>& r) const {
    Corridas(formatos_, Formatos(), false, r);
}

} // namespace viewer
