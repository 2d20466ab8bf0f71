#include "ClsErrores/TextosFecha.h"

#include <vector>

namespace infosistema {

namespace {

struct Pieza {
    bool campo;       // a date or time field; otherwise literal text
    std::string text; // the picture letters, or the literal text
};

std::string_view Compuesto(char c) {
    switch (c) {
    case 'D':
        return "%m/%d/%y";
    case 'T':
        return "%H:%M:%S";
    case 'R':
        return "%H:%M";
    case 'F':
        return "%Y-%m-%d";
    case 'r':
        return "%I:%M:%S %p";
    default:
        return {};
    }
}

// Picture letters of one conversion; `sinRelleno` for the "-" and "_" flags, which drop the
// leading zero.
std::string_view Letras(char c, bool sinRelleno) {
    switch (c) {
    case 'd':
        return sinRelleno ? "d" : "dd";
    case 'e':
        return "d";
    case 'm':
        return sinRelleno ? "M" : "MM";
    case 'y':
        return "yy";
    case 'Y':
        return "yyyy";
    case 'a':
        return "ddd";
    case 'A':
        return "dddd";
    case 'b':
    case 'h':
        return "MMM";
    case 'B':
        return "MMMM";
    case 'H':
        return sinRelleno ? "H" : "HH";
    case 'k':
        return "H";
    case 'I':
        return sinRelleno ? "h" : "hh";
    case 'l':
        return "h";
    case 'M':
        return sinRelleno ? "m" : "mm";
    case 'S':
        return sinRelleno ? "s" : "ss";
    case 'p':
    case 'P':
        return "tt";
    default:
        return {};
    }
}

void Trocea(std::string_view patron, std::vector<Pieza>& piezas, int nivel) {
    auto literal = [&](std::string_view t) {
        if (piezas.empty() || piezas.back().campo) {
            piezas.push_back({false, {}});
        }
        piezas.back().text += t;
    };
    for (std::size_t i = 0; i < patron.size(); ++i) {
        if (patron[i] != '%' || i + 1 >= patron.size()) {
            literal(patron.substr(i, 1));
            continue;
        }
        const std::size_t inicio = i++;
        bool sinRelleno = false;
        // glibc flags and the E/O modifiers (alternative eras and digits) change no picture.
        while (i < patron.size() &&
               std::string_view("-_0^#EO").find(patron[i]) != std::string_view::npos) {
            sinRelleno = sinRelleno || patron[i] == '-' || patron[i] == '_';
            ++i;
        }
        if (i >= patron.size()) {
            literal(patron.substr(inicio));
            break;
        }
        const char c = patron[i];
        if (c == '%') {
            literal("%");
        } else if (c == 'n') {
            literal("\n");
        } else if (c == 't') {
            literal("\t");
        } else if (auto compuesto = Compuesto(c); !compuesto.empty() && nivel == 0) {
            Trocea(compuesto, piezas, nivel + 1);
        } else if (auto letras = Letras(c, sinRelleno); !letras.empty()) {
            piezas.push_back({true, std::string(letras)});
        } else {
            piezas.push_back({true, std::string(patron.substr(inicio, i - inicio + 1))});
        }
    }
}

bool EsLetra(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Literal text for a picture: runs of ASCII letters (which a picture would read as fields) go
// in single quotes; a quote itself is doubled, which reads the same inside quotes or out.
std::string Cita(std::string_view texto) {
    std::string salida;
    bool abierta = false;
    for (char c : texto) {
        const bool protege = EsLetra(c);
        if (protege && !abierta) {
            salida += '\'';
            abierta = true;
        } else if (!protege && abierta) {
            salida += '\'';
            abierta = false;
        }
        salida += c == '\'' ? std::string("''") : std::string(1, c);
    }
    if (abierta) {
        salida += '\'';
    }
    return salida;
}

} // namespace

std::string PatronFecha(std::string_view strftime) {
    std::vector<Pieza> piezas;
    Trocea(strftime, piezas, 0);
    std::string salida;
    for (const Pieza& p : piezas) {
        salida += p.campo ? p.text : Cita(p.text);
    }
    return salida;
}

std::string SeparadorPatron(std::string_view strftime) {
    std::vector<Pieza> piezas;
    Trocea(strftime, piezas, 0);
    for (std::size_t i = 1; i + 1 < piezas.size(); ++i) {
        if (!piezas[i].campo && piezas[i - 1].campo && piezas[i + 1].campo) {
            return piezas[i].text;
        }
    }
    return {};
}

} // namespace infosistema
