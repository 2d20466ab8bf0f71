#include "engine/Etiquetas.h"
#include "base/PorHilo.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace engine {
namespace {

// One word, number or sign of a line's code.
struct Pieza {
    enum Clase { Palabra, Entero, Otro } clase;
    std::string_view texto;
};

// The pieces of the line's code: strings are passed over whole, a comment ends the code. They
// go into a vector kept by the thread from line to line: one allocated per line costs more than
// the cutting.
const std::vector<Pieza>& Piezas(std::string_view linea) {
    struct Marca;
    std::vector<Pieza>& r = porhilo::Objeto<Marca, std::vector<Pieza>>();
    r.clear();
    std::size_t i = 0;
    while (i < linea.size()) {
        const char c = linea[i];
        if (c == ' ' || c == '\t') {
            ++i;
        } else if (c == '\'') {
            break;
        } else if (c == '"') {
            // "" inside a string is a quote: the string goes on
            ++i;
            while (i < linea.size()) {
                if (linea[i] == '"' && (i + 1 >= linea.size() || linea[i + 1] != '"')) {
                    break;
                }
                i += linea[i] == '"' ? 2 : 1;
            }
            ++i;
            r.push_back({Pieza::Otro, "\""});
        } else if (DePalabra(c)) {
            const std::size_t desde = i;
            bool cifras = true;
            while (i < linea.size() && DePalabra(linea[i])) {
                cifras = cifras && EsDigito(linea[i]);
                ++i;
            }
            const std::string_view texto = linea.substr(desde, i - desde);
            // a digit starts a number; a number with letters (10#, 1e3, &H) is no label
            const bool entero = cifras && (i >= linea.size() || linea[i] != '.');
            r.push_back(
                {EsDigito(c) ? (entero ? Pieza::Entero : Pieza::Otro) : Pieza::Palabra, texto});
        } else {
            r.push_back({Pieza::Otro, linea.substr(i, 1)});
            ++i;
        }
    }
    return r;
}

bool Es(const Pieza& p, std::string_view palabra, const Tabla& tabla) {
    return p.clase == Pieza::Palabra && p.texto.size() == palabra.size() &&
           EmpiezaPor(p.texto, palabra, tabla);
}

// `palabra` (a word and the rest of the line) starts with GoTo, GoSub, Resume, Then or Else.
bool EmpiezaSalto(std::string_view palabra, const Tabla& tabla) {
    switch (tabla[static_cast<unsigned char>(palabra.front())]) {
    case 'g':
        return EmpiezaPor(palabra, "GoTo", tabla) || EmpiezaPor(palabra, "GoSub", tabla);
    case 'r':
        return EmpiezaPor(palabra, "Resume", tabla);
    case 't':
        return EmpiezaPor(palabra, "Then", tabla);
    case 'e':
        return EmpiezaPor(palabra, "Else", tabla);
    default:
        return false;
    }
}

// Where the first digit of `s` from `desde` on stands, or npos. Eight bytes at a time: xor with
// '0' turns the digits, and only them, into the bytes below 10, which the borrow trick flags
// without a branch per byte (the lowest byte flagged is always a digit; the first in memory on
// these little-endian machines).
std::size_t Cifra(std::string_view s, std::size_t desde) {
    static_assert(std::endian::native == std::endian::little);
    constexpr std::uint64_t kUnos = 0x0101010101010101;
    std::size_t i = desde;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t x;
        std::memcpy(&x, s.data() + i, 8);
        x ^= kUnos * '0';
        const std::uint64_t cifras = (x - kUnos * 10) & ~x & (kUnos * 0x80);
        if (cifras != 0) {
            return i + static_cast<std::size_t>(std::countr_zero(cifras)) / 8;
        }
    }
    for (; i < s.size(); ++i) {
        if (EsDigito(s[i])) {
            return i;
        }
    }
    return std::string_view::npos;
}

// The line could jump to a line number: a word of digits (not the digits ending a name, as in
// Proc1) stands right after a word that starts a jump, or after a comma of a list (On n GoTo
// 10, 20). Only the words in front of the line's numbers are read: most lines have none, and
// are passed by eight bytes at a time.
bool PuedeSaltarANumero(std::string_view linea, std::size_t i, const Tabla& tabla) {
    while ((i = Cifra(linea, i)) != std::string_view::npos) {
        if (i == 0 || !DePalabra(linea[i - 1])) {
            std::size_t fin = i; // the end of the word or sign before the number
            while (fin > 0 && (linea[fin - 1] == ' ' || linea[fin - 1] == '\t')) {
                --fin;
            }
            if (fin > 0 && linea[fin - 1] == ',') {
                return true;
            }
            std::size_t palabra = fin;
            while (palabra > 0 && DePalabra(linea[palabra - 1])) {
                --palabra;
            }
            if (palabra < fin && EmpiezaSalto(linea.substr(palabra), tabla)) {
                return true;
            }
        }
        while (i < linea.size() && DePalabra(linea[i])) {
            ++i;
        }
    }
    return false;
}

// The line could jump somewhere: a word of it starts a jump (for line numbers only, one followed
// by a number). One pass, a word at a time: most lines end here, and only the others are cut
// into pieces.
bool PuedeSaltar(std::string_view linea, const Tabla& tabla, bool soloNumeros) {
    std::size_t i = 0;
    while (i < linea.size() && linea[i] == ' ') {
        ++i;
    }
    while (i < linea.size() && EsDigito(linea[i])) {
        ++i; // the line's own number
    }
    if (soloNumeros) {
        return PuedeSaltarANumero(linea, i, tabla);
    }
    while (i < linea.size()) {
        if (!DePalabra(linea[i])) {
            ++i;
            continue;
        }
        if (!EsDigito(linea[i]) && EmpiezaSalto(linea.substr(i), tabla)) {
            return true;
        }
        while (i < linea.size() && DePalabra(linea[i])) {
            ++i;
        }
    }
    return false;
}

bool EsPalabraFin(std::string_view resto, const Tabla& tabla) {
    // most lines begin with another letter than the three keywords' E
    if (resto.empty() || tabla[static_cast<unsigned char>(resto.front())] != 'e') {
        return false;
    }
    for (std::string_view fin : {"End Sub", "End Function", "End Property"}) {
        if (EmpiezaPor(resto, fin, tabla) &&
            (resto.size() == fin.size() || !DePalabra(resto[fin.size()]))) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string_view SinCeros(std::string_view cifras) {
    while (cifras.size() > 1 && cifras.front() == '0') {
        cifras.remove_prefix(1);
    }
    return cifras;
}

void Destinos(std::string_view linea, const Tabla& tabla, std::vector<Etiqueta>& destinos,
              bool soloNumeros) {
    if (!PuedeSaltar(linea, tabla, soloNumeros)) {
        return;
    }
    const std::vector<Pieza>& p = Piezas(linea);
    // A name never begins with an underscore: a lone "_" ends a line that goes on.
    auto anade = [&](const Pieza& x, bool cero) {
        if (x.clase == Pieza::Entero) {
            const std::string_view n = SinCeros(x.texto);
            if (cero || n != "0") {
                destinos.push_back({n, true});
            }
        } else if (x.clase == Pieza::Palabra && !soloNumeros && x.texto.front() != '_') {
            destinos.push_back({x.texto, false});
        }
    };
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        if (Es(p[i], "GoTo", tabla) || Es(p[i], "GoSub", tabla)) {
            const bool deError = i > 0 && Es(p[i - 1], "Error", tabla);
            // one label, or the list of On n GoTo 10, 20, 30
            std::size_t j = i + 1;
            while (j < p.size()) {
                anade(p[j], !deError);
                if (j + 2 < p.size() && p[j + 1].texto == ",") {
                    j += 2;
                } else {
                    break;
                }
            }
            i = j;
        } else if (Es(p[i], "Resume", tabla)) {
            if (!Es(p[i + 1], "Next", tabla)) {
                anade(p[i + 1], false);
            }
        } else if ((Es(p[i], "Then", tabla) || Es(p[i], "Else", tabla)) &&
                   p[i + 1].clase == Pieza::Entero) {
            anade(p[i + 1], true);
        }
    }
}

NumeroDeLinea NumeroAlPrincipio(std::string_view linea) {
    std::size_t i = 0;
    while (i < linea.size() && linea[i] == ' ') {
        ++i;
    }
    const std::size_t desde = i;
    while (i < linea.size() && EsDigito(linea[i])) {
        ++i;
    }
    if (i == desde) {
        return {};
    }
    const std::string_view numero = SinCeros(linea.substr(desde, i - desde));
    return {numero, i < linea.size() && linea[i] == ' ' ? i + 1 : i};
}

Etiqueta EtiquetaDe(std::string_view linea) {
    const std::string_view t = Recorta(linea);
    if (t.empty()) {
        return {};
    }
    std::size_t i = 0;
    while (i < t.size() && EsDigito(t[i])) {
        ++i;
    }
    if (i > 0) {
        // a number followed by a letter ("10x") is not a line number
        if (i < t.size() && DePalabra(t[i])) {
            return {};
        }
        return {SinCeros(t.substr(0, i)), true};
    }
    const std::size_t largo = LargoDeEtiqueta(t);
    return {t.substr(0, largo), false};
}

bool SalidaEnMedio(std::string_view linea, const Tabla& tabla) {
    const std::vector<Pieza>& p = Piezas(linea);
    std::size_t primera = !p.empty() && p[0].clase == Pieza::Entero ? 1 : 0;
    for (std::size_t i = primera + 1; i + 1 < p.size(); ++i) {
        if (Es(p[i], "Exit", tabla) &&
            (Es(p[i + 1], "Sub", tabla) || Es(p[i + 1], "Function", tabla) ||
             Es(p[i + 1], "Property", tabla))) {
            return true;
        }
    }
    return false;
}

bool FinTrasDosPuntos(std::string_view linea, const Tabla& tabla) {
    bool enCadena = false;
    for (std::size_t i = 0; i < linea.size(); ++i) {
        const char c = linea[i];
        if (c == '"') {
            enCadena = !enCadena;
        } else if (!enCadena && c == '\'') {
            return false;
        } else if (!enCadena && c == ':' && EsPalabraFin(Recorta(linea.substr(i + 1)), tabla)) {
            return true;
        }
    }
    return false;
}

bool EsFin(std::string_view t, const Tabla& tabla) {
    return EsPalabraFin(SinNumeroDeLinea(t), tabla);
}

} // namespace engine
