#include "tests/vb6/Vb6Checker.h"
#include "tests/vb6/Vb6Lexico.h"

#include <algorithm>
#include <map>

namespace vb6check {
namespace {

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
        std::string codigo = lexico::SinCadenas(texto);
        std::vector<std::string> p = lexico::Palabras(codigo);
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
            if (lexico::TerminaEnThen(codigo))
                AbreEjecutable("If", numero);
            return; // a single-line If closes itself
        }
        if (w == "elseif" || w == "else")
            return Dentro("If", w, numero);
        if (w == "select" && siguiente == "case")
            return AbreEjecutable("Select", numero);
        if (w == "case")
            return Dentro("Select", w, numero);
        if (w == "with")
            return AbreEjecutable("With", numero);
        if (w == "for")
            return AbreEjecutable("For", numero);
        if (w == "next") {
            // "Next j, i" closes two loops
            std::size_t cuantos = std::max<std::size_t>(1, p.size() - k - 1);
            for (std::size_t i = 0; i < cuantos; ++i)
                Cierra("For", numero);
            return;
        }
        if (w == "do")
            return AbreEjecutable("Do", numero);
        if (w == "loop")
            return Cierra("Do", numero);
        if (w == "while")
            return AbreEjecutable("While", numero);
        if (w == "wend")
            return Cierra("While", numero);
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
