#include "engine/Lineas.h"

namespace engine {
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

} // namespace engine
