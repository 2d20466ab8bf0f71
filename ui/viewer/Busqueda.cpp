#include "ui/viewer/Busqueda.h"

#include "ui/viewer/Caracteres.h"

#include <algorithm>

namespace viewer {

namespace {

constexpr char kOtraLetra = static_cast<char>(0x80);
constexpr char kOtroSigno = static_cast<char>(0x81);

bool EsDePalabraAscii(char c) {
    return c == kOtraLetra || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

} // namespace

TextoBuscable::TextoBuscable(const std::u32string& texto) : texto_(texto) {
    Rehaz();
}

void TextoBuscable::Rehaz() {
    minusculas_.clear();
    ascii_.resize(texto_.size());
    for (size_t i = 0; i < texto_.size(); ++i) {
        const char32_t m = Minuscula(texto_[i]);
        ascii_[i] = m < 0x80 ? static_cast<char>(m) : EsDePalabra(m) ? kOtraLetra : kOtroSigno;
    }
}

bool TextoBuscable::EsPalabraEntera(size_t inicio, size_t largo) const {
    const bool antes = inicio > 0 && EsDePalabraAscii(ascii_[inicio - 1]);
    const bool despues = inicio + largo < ascii_.size() && EsDePalabraAscii(ascii_[inicio + largo]);
    return !antes && !despues;
}

namespace {

// The first match of `buscado` in `en` from `p` that passes `acepta`, or npos.
template <class Vista, class Acepta>
size_t Busca(Vista en, const Vista buscado, size_t p, Acepta acepta) {
    while ((p = en.find(buscado, p)) != Vista::npos) {
        if (acepta(p))
            return p;
        ++p;
    }
    return Vista::npos;
}

} // namespace

long TextoBuscable::Find(std::u32string_view termino, long desde, int opciones, long hasta) const {
    const size_t fin = hasta < 0 ? texto_.size() : std::min(size_t(hasta), texto_.size());
    if (termino.empty() || desde >= static_cast<long>(fin))
        return -1;
    const size_t inicio = static_cast<size_t>(desde < 0 ? 0 : desde);
    auto acepta = [&](size_t p) {
        return (opciones & rtfWholeWord) == 0 || EsPalabraEntera(p, termino.size());
    };
    std::string ascii;
    for (char32_t c : termino) {
        const char32_t m = Minuscula(c);
        if (m >= 0x80)
            break;
        ascii += static_cast<char>(m);
    }
    size_t p = std::string_view::npos;
    if (ascii.size() == termino.size()) {
        p = Busca(std::string_view(ascii_).substr(0, fin), std::string_view(ascii), inicio, acepta);
    } else {
        if (minusculas_.size() != texto_.size()) {
            minusculas_ = texto_;
            for (char32_t& c : minusculas_)
                c = Minuscula(c);
        }
        std::u32string buscado(termino);
        for (char32_t& c : buscado)
            c = Minuscula(c);
        p = Busca(std::u32string_view(minusculas_).substr(0, fin), std::u32string_view(buscado),
                  inicio, acepta);
    }
    return p == std::string_view::npos ? -1 : static_cast<long>(p);
}

long CuentaVeces(std::u32string_view strIn, std::u32string_view strFind) {
    if (strFind.empty())
        return 0;
    long n = 0;
    for (size_t p = strIn.find(strFind); p != std::u32string_view::npos;
         p = strIn.find(strFind, p + 1))
        ++n;
    return n;
}

} // namespace viewer
