// The checker: a file's lines, its logical lines and statements, and the balance of its blocks.
#include "tests/vb6/Vb6Checker.h"

#include "base/CodePage.h"
#include "host/files/ModuleSyntax.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <sstream>

namespace vb6check {
namespace {

using codepage::Minusculas;

bool DePalabra(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool Empieza(std::string_view texto, std::string_view prefijo) {
    return texto.substr(0, prefijo.size()) == prefijo;
}

bool Continua(std::string_view linea) {
    return linea.size() >= 2 && linea.substr(linea.size() - 2) == " _";
}

std::string Recorta(std::string_view texto) {
    return std::string(files::syntax::TrimBlanks(texto));
}

// Position of the comment's quote outside any string literal, or npos; a doubled quote toggles
// twice and stays inside.
std::size_t InicioComentario(std::string_view codigo) {
    bool enCadena = false;
    for (std::size_t i = 0; i < codigo.size(); ++i) {
        enCadena ^= codigo[i] == '"';
        if (codigo[i] == '\'' && !enCadena)
            return i;
    }
    return std::string_view::npos;
}

// The code with the contents of every string literal removed ("" stays): keywords inside
// strings no longer count.
std::string SinCadenas(std::string_view codigo) {
    std::string r;
    bool enCadena = false;
    for (char c : codigo) {
        enCadena ^= c == '"';
        if (!enCadena || c == '"')
            r += c;
    }
    return r;
}

// The words of code without strings, lower case; "#if", "#else", "#end" keep their "#".
std::vector<std::string> Palabras(std::string_view c) {
    std::vector<std::string> palabras;
    const auto letra = [&](std::size_t i) {
        return i < c.size() && std::isalpha(static_cast<unsigned char>(c[i]));
    };
    for (std::size_t i = 0; i < c.size();) {
        // numbers, &H80000002 and &O17, are not words
        const bool base = c[i] == '&' && i + 1 < c.size() &&
                          std::string_view("HhOo").find(c[i + 1]) != std::string_view::npos;
        const bool palabra = letra(i) || c[i] == '_' || (c[i] == '#' && letra(i + 1));
        if (!palabra && !base && !std::isdigit(static_cast<unsigned char>(c[i]))) {
            ++i;
            continue;
        }
        std::size_t j = i + (base ? 2 : 1);
        while (j < c.size() && DePalabra(c[j]))
            ++j;
        if (palabra)
            palabras.push_back(Minusculas(c.substr(i, j - i)));
        i = j;
    }
    return palabras;
}

// The statement ends in the word Then (a block If), nothing but spaces after it.
bool TerminaEnThen(std::string_view codigo) {
    std::string t = Recorta(codigo);
    if (t.size() < 4 || Minusculas(std::string_view(t).substr(t.size() - 4)) != "then")
        return false;
    return t.size() == 4 || !DePalabra(t[t.size() - 5]);
}

// A line number ("120 ") at the start of a statement is a label, not code.
std::string SinNumeroDeLinea(const std::string& sentencia) {
    std::size_t i = 0;
    while (i < sentencia.size() && std::isdigit(static_cast<unsigned char>(sentencia[i])))
        ++i;
    if (i == 0 || (i < sentencia.size() && sentencia[i] != ' ' && sentencia[i] != '\t'))
        return sentencia;
    return Recorta(std::string_view(sentencia).substr(i));
}

struct Bloque {
    std::string clase; // "Sub", "If", "For", ...
    long numero;
};

bool EsProcedimiento(const std::string& clase) {
    return clase == "Sub" || clase == "Function" || clase == "Property";
}

class Balance {
public:
    explicit Balance(std::vector<Problema>& problemas) : problemas_(problemas) {}

    void Sentencia(long numero, const std::string& texto) {
        std::string codigo = SinCadenas(texto);
        std::vector<std::string> p = Palabras(codigo);
        if (p.empty())
            return;

        // Inside a record or an enumeration only its end counts: the rest are member names
        if (!pila_.empty() && (pila_.back().clase == "Type" || pila_.back().clase == "Enum")) {
            if (p[0] == "end" && p.size() > 1 && Clase(p[1]) == pila_.back().clase)
                pila_.pop_back();
            return;
        }

        std::size_t k = 0;
        while (k + 1 < p.size() && (p[k] == "public" || p[k] == "private" || p[k] == "friend" ||
                                    p[k] == "static" || p[k] == "global"))
            ++k;
        const std::string& w = p[k];
        const std::string siguiente = k + 1 < p.size() ? p[k + 1] : "";

        if (w == "declare" || w == "exit")
            return;
        if (w == "sub" || w == "function" ||
            (w == "property" && (siguiente == "get" || siguiente == "let" || siguiente == "set")))
            return AbreProcedimiento(w == "property" ? "Property" : Clase(w), numero);
        if (w == "type" && !siguiente.empty())
            return Abre("Type", numero);
        if (w == "enum" && !siguiente.empty())
            return Abre("Enum", numero);
        if (w == "end") {
            if (!siguiente.empty() && !Clase(siguiente).empty())
                Cierra(Clase(siguiente), numero);
            return; // End alone stops the program
        }
        if (w == "#if")
            return Abre("#If", numero);
        if (w == "#elseif" || w == "#else")
            return Dentro("#If", w, numero);
        if (w == "#end")
            return Cierra("#If", numero);

        if (w == "if") {
            if (TerminaEnThen(codigo))
                AbreEjecutable("If", numero);
            return; // a single-line If closes itself
        }
        if (w == "elseif" || w == "else")
            return Dentro("If", w, numero);
        if (w == "select" && siguiente == "case")
            return AbreEjecutable("Select", numero);
        if (w == "case")
            return Dentro("Select", w, numero);
        if (w == "next") {
            // "Next j, i" closes two loops
            std::size_t cuantos = std::max<std::size_t>(1, p.size() - k - 1);
            for (std::size_t i = 0; i < cuantos; ++i)
                Cierra("For", numero);
            return;
        }
        static const std::map<std::string, std::string> abre = {
            {"with", "With"}, {"for", "For"}, {"do", "Do"}, {"while", "While"}};
        static const std::map<std::string, std::string> cierra = {{"loop", "Do"},
                                                                  {"wend", "While"}};
        if (abre.count(w))
            return AbreEjecutable(abre.at(w), numero);
        if (cierra.count(w))
            return Cierra(cierra.at(w), numero);
    }

    void Fin() {
        for (const Bloque& b : pila_)
            problemas_.push_back({b.numero, b.clase + " sin cerrar"});
        pila_.clear();
    }

private:
    static std::string Clase(const std::string& palabra) {
        static const std::map<std::string, std::string> clases = {
            {"sub", "Sub"},   {"function", "Function"}, {"property", "Property"},
            {"if", "If"},     {"select", "Select"},     {"with", "With"},
            {"type", "Type"}, {"enum", "Enum"}};
        auto i = clases.find(palabra);
        return i == clases.end() ? std::string() : i->second;
    }

    bool EnProcedimiento() const {
        return std::any_of(pila_.begin(), pila_.end(),
                           [](const Bloque& b) { return EsProcedimiento(b.clase); });
    }

    void Abre(const std::string& clase, long numero) { pila_.push_back({clase, numero}); }

    void AbreProcedimiento(const std::string& clase, long numero) {
        for (const Bloque& b : pila_)
            if (b.clase != "#If")
                problemas_.push_back({numero, clase + " dentro de " + b.clase +
                                                  " abierto en la línea " +
                                                  std::to_string(b.numero)});
        Abre(clase, numero);
    }

    // Executable blocks live in procedures; one in the declarations means a lost header
    void AbreEjecutable(const std::string& clase, long numero) {
        if (!EnProcedimiento())
            problemas_.push_back({numero, clase + " fuera de un procedimiento"});
        Abre(clase, numero);
    }

    void Dentro(const std::string& clase, const std::string& palabra, long numero) {
        if (pila_.empty() || pila_.back().clase != clase)
            problemas_.push_back({numero, palabra + " fuera de un bloque " + clase});
    }

    void Cierra(const std::string& clase, long numero) {
        auto abierto = std::find_if(pila_.rbegin(), pila_.rend(),
                                    [&](const Bloque& b) { return b.clase == clase; });
        if (abierto == pila_.rend()) {
            problemas_.push_back({numero, "cierre de " + clase + " sin apertura"});
            return;
        }
        // Blocks opened after it and still open are crossed by this end
        while (pila_.back().clase != clase) {
            problemas_.push_back({numero, "fin de " + clase + " con " + pila_.back().clase +
                                              " de la línea " +
                                              std::to_string(pila_.back().numero) + " abierto"});
            pila_.pop_back();
        }
        pila_.pop_back();
    }

    std::vector<Problema>& problemas_;
    std::vector<Bloque> pila_;
};

} // namespace

Modulo::Modulo(std::string_view bytes) {
    std::vector<Linea> todas;
    std::size_t inicio = 0;
    long numero = 1;
    while (inicio < bytes.size()) {
        std::size_t fin = bytes.find('\n', inicio);
        std::size_t siguiente = fin == std::string_view::npos ? bytes.size() : fin + 1;
        std::string_view linea = bytes.substr(inicio, siguiente - inicio);
        if (fin != std::string_view::npos) {
            linea.remove_suffix(1);
            if (!linea.empty() && linea.back() == '\r')
                linea.remove_suffix(1);
            else
                problemasFisicos_.push_back({numero, "el fin de línea no lleva CR"});
        }
        if (linea.size() > MaxLongitudLinea)
            problemasFisicos_.push_back(
                {numero, "línea de " + std::to_string(linea.size()) + " caracteres"});
        todas.push_back({numero++, std::string(linea)});
        inicio = siguiente;
    }

    // The header ends with the last module attribute of the leading block
    std::size_t primera = 0;
    for (std::size_t i = 0; i < todas.size(); ++i) {
        if (Empieza(todas[i].texto, "Attribute VB_"))
            primera = i + 1;
        else if (primera > 0)
            break;
    }
    for (std::size_t i = primera; i < todas.size(); ++i) {
        // procedure attributes (Attribute Item.VB_UserMemId = 0) are kept aside by the editor
        if (Empieza(todas[i].texto, "Attribute ") &&
            todas[i].texto.find(".VB_") != std::string::npos)
            continue;
        lineas_.push_back(std::move(todas[i]));
    }
}

std::vector<LineaLogica> Modulo::LineasLogicas() const {
    std::vector<LineaLogica> logicas;
    bool abierta = false;
    for (const Linea& l : lineas_) {
        if (!abierta)
            logicas.push_back({l.numero, "", 0});
        LineaLogica& actual = logicas.back();
        if (Continua(l.texto)) {
            actual.codigo += l.texto.substr(0, l.texto.size() - 1);
            ++actual.continuaciones;
            abierta = true;
        } else {
            actual.codigo += l.texto;
            abierta = false;
        }
    }
    for (LineaLogica& l : logicas) {
        // a comment ending in " _" took the next line with it: both are comment
        if (auto c = InicioComentario(l.codigo); c != std::string::npos)
            l.codigo.erase(c);
    }
    return logicas;
}

std::vector<Sentencia> Modulo::Sentencias() const {
    std::vector<Sentencia> sentencias;
    for (const LineaLogica& l : LineasLogicas()) {
        // the object model's own split: at ':' outside strings, up to a comment or Rem
        for (std::string_view parte : files::syntax::Statements(l.codigo)) {
            std::string texto = SinNumeroDeLinea(std::string(parte));
            if (!texto.empty())
                sentencias.push_back({l.numero, texto});
        }
    }
    return sentencias;
}

std::vector<std::string> Modulo::Literales() const {
    std::vector<std::string> literales;
    for (const LineaLogica& l : LineasLogicas()) {
        const std::string& c = l.codigo;
        bool dentro = false;
        for (std::size_t i = 0; i < c.size(); ++i) {
            if (c[i] != '"') {
                if (dentro)
                    literales.back() += c[i];
            } else if (dentro && i + 1 < c.size() && c[i + 1] == '"') {
                literales.back() += c[i++]; // a doubled quote is one quote
            } else if ((dentro = !dentro)) {
                literales.emplace_back();
            }
        }
    }
    return literales;
}

std::vector<Procedimiento> Modulo::Procedimientos() const {
    static const std::regex cabecera(
        R"re(^(?:(?:public|private|friend|global)\s+)?(?:static\s+)?(?:sub|function|property\s+[gls]et)\s+(\w+))re",
        std::regex::ECMAScript | std::regex::icase);
    std::vector<Procedimiento> procedimientos;
    for (const Sentencia& s : Sentencias()) {
        std::smatch m;
        if (std::regex_search(s.texto, m, cabecera))
            procedimientos.push_back({m[1], s.numero});
    }
    return procedimientos;
}

std::string Texto(const std::vector<Problema>& problemas) {
    std::ostringstream s;
    for (const Problema& p : problemas)
        s << "línea " << p.numero << ": " << p.mensaje << '\n';
    return s.str();
}

std::vector<Problema> Modulo::Comprobar() const {
    std::vector<Problema> problemas = problemasFisicos_;
    for (const LineaLogica& l : LineasLogicas())
        if (l.continuaciones > MaxContinuaciones)
            problemas.push_back({l.numero, std::to_string(l.continuaciones) +
                                               " continuaciones en una línea lógica"});
    Balance balance(problemas);
    for (const Sentencia& s : Sentencias())
        balance.Sentencia(s.numero, s.texto);
    balance.Fin();
    std::stable_sort(problemas.begin(), problemas.end(),
                     [](const Problema& a, const Problema& b) { return a.numero < b.numero; });
    return problemas;
}

} // namespace vb6check
