#include "engine/Lineas.h"

#include <initializer_list>

namespace engine {
namespace {

unsigned char Pliega(char c, const Tabla& tabla) {
    return tabla[static_cast<unsigned char>(c)];
}

bool EmpiezaPorAlguna(std::string_view t, std::initializer_list<std::string_view> claves,
                      const Tabla& tabla) {
    for (std::string_view k : claves) {
        if (EmpiezaPor(t, k, tabla)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string_view Recorta(std::string_view s) {
    const auto inicio = s.find_first_not_of(' ');
    if (inicio == std::string_view::npos) {
        return {};
    }
    const auto fin = s.find_last_not_of(' ');
    return s.substr(inicio, fin - inicio + 1);
}

bool EmpiezaPor(std::string_view t, std::string_view k, const Tabla& tabla) {
    if (t.size() < k.size()) {
        return false;
    }
    for (std::size_t i = 0; i < k.size(); ++i) {
        if (Pliega(t[i], tabla) != Pliega(k[i], tabla)) {
            return false;
        }
    }
    return true;
}

bool TerminaEn(std::string_view t, char c) {
    return !t.empty() && t.back() == c;
}

std::size_t Busca(std::string_view texto, std::string_view clave, const Tabla& tabla,
                  std::size_t desde) {
    if (clave.empty()) {
        return desde <= texto.size() ? desde : std::string_view::npos;
    }
    for (std::size_t i = desde; i + clave.size() <= texto.size(); ++i) {
        if (EmpiezaPor(texto.substr(i), clave, tabla)) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool Contiene(std::string_view texto, std::string_view clave, const Tabla& tabla) {
    return Busca(texto, clave, tabla) != std::string_view::npos;
}

std::string ReemplazaTodo(std::string_view texto, std::string_view buscado, std::string_view nuevo,
                          const Tabla& tabla) {
    std::string r;
    r.reserve(texto.size() + nuevo.size());
    std::size_t desde = 0;
    for (std::size_t p;
         !buscado.empty() && (p = Busca(texto, buscado, tabla, desde)) != std::string_view::npos;) {
        r.append(texto.substr(desde, p - desde));
        r.append(nuevo);
        desde = p + buscado.size();
    }
    r.append(texto.substr(desde));
    return r;
}

std::string TrimNum(std::string& s) {
    s = std::string(Recorta(s));
    std::size_t n = 0;
    while (n < s.size() && EsDigito(s[n])) {
        ++n;
    }
    s.erase(0, n);
    return std::string(Recorta(s));
}

std::string QuitaComents(std::string& s) {
    const auto p = s.find('\'');
    if (p != std::string::npos) {
        s.erase(p);
    }
    return s;
}

bool EsNumero(std::string_view n) {
    n = Recorta(n);
    std::size_t i = 0;
    if (i < n.size() && (n[i] == '+' || n[i] == '-')) {
        ++i;
    }
    std::size_t cifras = 0;
    while (i < n.size() && EsDigito(n[i])) {
        ++i, ++cifras;
    }
    if (i < n.size() && n[i] == '.') {
        ++i;
        while (i < n.size() && EsDigito(n[i])) {
            ++i, ++cifras;
        }
    }
    if (cifras == 0) {
        return false;
    }
    if (i < n.size() && (n[i] == 'e' || n[i] == 'E')) {
        ++i;
        if (i < n.size() && (n[i] == '+' || n[i] == '-')) {
            ++i;
        }
        std::size_t exponente = 0;
        while (i < n.size() && EsDigito(n[i])) {
            ++i, ++exponente;
        }
        if (exponente == 0) {
            return false;
        }
    }
    return i == n.size();
}

// Static procedures are headers as well: without them a Static Sub would get a number in front
// of its header, or a ManejoError block without its OnError block.
bool EsCabecera(std::string_view t, const Tabla& tabla) {
    return EmpiezaPorAlguna(t,
                            {"Sub ",
                             "Function ",
                             "Property ",
                             "Private Sub ",
                             "Private Function ",
                             "Private Property ",
                             "Public Sub ",
                             "Public Function ",
                             "Friend Sub ",
                             "Friend Function ",
                             "Friend Property ",
                             "Public Property ",
                             "Static Sub ",
                             "Static Function ",
                             "Static Property ",
                             "Public Static Sub ",
                             "Public Static Function ",
                             "Public Static Property ",
                             "Private Static Sub ",
                             "Private Static Function ",
                             "Private Static Property ",
                             "Friend Static Sub ",
                             "Friend Static Function ",
                             "Friend Static Property "},
                            tabla);
}

bool SinNumero(std::string_view t, const Tabla& tabla) {
    return EmpiezaPorAlguna(t,
                            {"End Sub",
                             "End Function",
                             "End Property",
                             "Sub ",
                             "Function ",
                             "property ",
                             "Private Sub ",
                             "Sub Main ",
                             "Private Function ",
                             "Private Property ",
                             "Public Sub ",
                             "Public Function ",
                             "Friend Sub ",
                             "Friend Function ",
                             "Friend Property ",
                             "Public Property ",
                             "End Sub ",
                             "End Function ",
                             "End Property ",
                             "Static Sub ",
                             "Static Function ",
                             "Static Property ",
                             "Public Static Sub ",
                             "Public Static Function ",
                             "Public Static Property ",
                             "Private Static Sub ",
                             "Private Static Function ",
                             "Private Static Property ",
                             "Friend Static Sub ",
                             "Friend Static Function ",
                             "Friend Static Property "},
                            tabla);
}

} // namespace engine
