#include "ui/viewer/Busqueda.h"

#include "ui/viewer/Caracteres.h"

namespace viewer {

TextoBuscable::TextoBuscable(const std::u32string& texto) : texto_(texto), minusculas_(texto) {
    for (char32_t& c : minusculas_)
        c = Minuscula(c);
}

bool TextoBuscable::EsPalabraEntera(size_t inicio, size_t largo) const {
    const bool antes = inicio > 0 && EsDePalabra(texto_[inicio - 1]);
    const bool despues = inicio + largo < texto_.size() && EsDePalabra(texto_[inicio + largo]);
    return !antes && !despues;
}

long TextoBuscable::Find(std::u32string_view termino, long desde, int opciones) const {
    if (termino.empty() || desde >= static_cast<long>(texto_.size()))
        return -1;
    std::u32string buscado(termino);
    for (char32_t& c : buscado)
        c = Minuscula(c);
    const std::u32string_view en(minusculas_);
    size_t p = static_cast<size_t>(desde < 0 ? 0 : desde);
    while ((p = en.find(buscado, p)) != std::u32string_view::npos) {
        if ((opciones & rtfWholeWord) == 0 || EsPalabraEntera(p, buscado.size()))
            return static_cast<long>(p);
        ++p;
    }
    return -1;
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
