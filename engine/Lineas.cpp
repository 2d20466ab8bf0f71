#include "engine/Lineas.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace engine {
namespace {

// A keyword list that a line is tested against on every line of a walk. The keywords are ASCII,
// which every code page folds alike, so they are folded once and filed by their first letter: a
// line's first character, folded, leaves a handful of them.
class Claves {
public:
    Claves(std::initializer_list<std::string_view> claves) {
        for (std::string_view k : claves) {
            std::string plegada(k);
            for (char& c : plegada) {
                if (c >= 'A' && c <= 'Z') {
                    c = static_cast<char>(c - 'A' + 'a');
                }
            }
            porPrimera_[static_cast<unsigned char>(plegada.front())].push_back(std::move(plegada));
        }
        // A keyword that begins with another one of the list never decides ("End Sub " after
        // "End Sub"): it is dropped, and the lines that match nothing compare fewer keywords.
        for (auto& lista : porPrimera_) {
            std::vector<std::string> utiles;
            for (const std::string& k : lista) {
                if (std::none_of(lista.begin(), lista.end(), [&](const std::string& otra) {
                        return otra.size() < k.size() && k.starts_with(otra);
                    })) {
                    utiles.push_back(k);
                }
            }
            lista = std::move(utiles);
        }
    }

    // `t` begins with one of the keywords, case ignored. Each keyword is compared letter by
    // letter up to the first difference, which for most lines comes within a few letters.
    bool AlgunaEmpieza(std::string_view t, const Tabla& tabla) const {
        if (t.empty()) {
            return false;
        }
        for (const std::string& k : porPrimera_[tabla[static_cast<unsigned char>(t.front())]]) {
            if (k.size() > t.size()) {
                continue;
            }
            std::size_t i = 1;
            while (i < k.size() &&
                   tabla[static_cast<unsigned char>(t[i])] == static_cast<unsigned char>(k[i])) {
                ++i;
            }
            if (i == k.size()) {
                return true;
            }
        }
        return false;
    }

private:
    std::array<std::vector<std::string>, 256> porPrimera_;
};

} // namespace

std::size_t Busca(std::string_view texto, std::string_view clave, const Tabla& tabla,
                  std::size_t desde) {
    if (clave.empty()) {
        return desde <= texto.size() ? desde : std::string_view::npos;
    }
    // The first letter, folded once, turns most places away before the whole key is compared.
    const unsigned char primera = tabla[static_cast<unsigned char>(clave.front())];
    for (std::size_t i = desde; i + clave.size() <= texto.size(); ++i) {
        if (tabla[static_cast<unsigned char>(texto[i])] == primera &&
            EmpiezaPor(texto.substr(i), clave, tabla)) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool Contiene(std::string_view texto, std::string_view clave, const Tabla& tabla) {
    return Busca(texto, clave, tabla) != std::string_view::npos;
}

std::string Sustituye(std::string_view linea, std::string_view desde, std::size_t largo,
                      std::string_view nuevo) {
    const auto p = static_cast<std::size_t>(desde.data() - linea.data());
    std::string r(linea.substr(0, p));
    r += nuevo;
    r += linea.substr(p + largo);
    return r;
}

std::string TrimNum(std::string& s) {
    const auto inicio = s.find_first_not_of(' ');
    if (inicio == std::string::npos) {
        s.clear();
        return {};
    }
    // trimmed and without the digits, in place
    s.erase(s.find_last_not_of(' ') + 1);
    std::size_t n = inicio;
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
    static const Claves claves{"Sub ",
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
                               "Friend Static Property "};
    return claves.AlgunaEmpieza(t, tabla);
}

bool SinNumero(std::string_view t, const Tabla& tabla) {
    static const Claves claves{"End Sub",
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
                               "Friend Static Property "};
    return claves.AlgunaEmpieza(t, tabla);
}

} // namespace engine
