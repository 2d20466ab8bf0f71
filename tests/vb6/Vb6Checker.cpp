// The checker: a file's lines, its logical lines and statements, and the balance of its blocks.
#include "tests/vb6/Vb6Checker.h"

#include "base/CodePage.h"
#include "host/files/ModuleFile.h"
#include "host/files/ModuleSyntax.h"

#include <algorithm>
#include <sstream>

namespace vb6check {
namespace {

using codepage::Minusculas;

using files::syntax::TrimBlanks;

// The statement's last word is Then (a block If); a literal would end in its quote.
bool TerminaEnThen(std::string_view t) {
    return files::syntax::SameWord(t.substr(t.find_last_of(" \t)") + 1), "then");
}

// A line number ("120 ") at the start of a statement is a label, not code.
std::string SinNumeroDeLinea(const std::string& sentencia) {
    const std::size_t i = std::min(sentencia.find_first_not_of("0123456789"), sentencia.size());
    if (i == 0 || (i < sentencia.size() && sentencia[i] != ' ' && sentencia[i] != '\t'))
        return sentencia;
    return std::string(TrimBlanks(std::string_view(sentencia).substr(i)));
}

// Each kind of block by the first words (lower case) that open it, stand inside it and close
// it, and what opens it: a procedure, executable code (only inside a procedure) or anything else.
enum Apertura { Cabecera, Ejecutable, Abre };
struct Regla {
    std::string_view abre, dentro, otroDentro, cierra, clase;
    Apertura apertura;
};
constexpr Regla Reglas[] = {{"sub", "", "", "end sub", "Sub", Cabecera},
                            {"function", "", "", "end function", "Function", Cabecera},
                            {"property get", "", "", "end property", "Property", Cabecera},
                            {"property let", "", "", "end property", "Property", Cabecera},
                            {"property set", "", "", "end property", "Property", Cabecera},
                            {"if", "elseif", "else", "end if", "If", Ejecutable},
                            {"select case", "case", "", "end select", "Select", Ejecutable},
                            {"for", "", "", "next", "For", Ejecutable},
                            {"do", "", "", "loop", "Do", Ejecutable},
                            {"while", "", "", "wend", "While", Ejecutable},
                            {"with", "", "", "end with", "With", Ejecutable},
                            {"type", "", "", "end type", "Type", Abre},
                            {"enum", "", "", "end enum", "Enum", Abre},
                            {"#if", "#elseif", "#else", "#end if", "#If", Abre}};

struct Bloque {
    std::string_view clase;
    long numero;
};

class Balance {
public:
    explicit Balance(std::vector<Problema>& problemas) : problemas_(problemas) {}

    void Sentencia(long numero, const std::string& texto) {
        const std::string minusculas = Minusculas(texto);
        std::string_view resto = minusculas;
        std::string_view w = files::syntax::NextWord(resto);
        while (!resto.empty() &&
               (w == "public" || w == "private" || w == "friend" || w == "static" || w == "global"))
            w = files::syntax::NextWord(resto);
        std::string_view tras = resto;
        const std::string dos = std::string(w) + " " + std::string(files::syntax::NextWord(tras));
        // The rule whose words the statement starts with, two words before one
        const Regla* r = nullptr;
        std::string_view hace, palabras;
        for (const Regla& regla : Reglas)
            for (std::string_view p : {regla.abre, regla.dentro, regla.otroDentro, regla.cierra})
                if (!p.empty() && (p == dos || (p == w && palabras != dos))) {
                    r = &regla;
                    palabras = p;
                    hace = p == regla.cierra ? "cierra" : p == regla.abre ? "abre" : "dentro";
                }
        // Inside a record or an enumeration only its end counts: the rest are member names; an
        // If that ends on its line closes itself
        if ((!pila_.empty() && (pila_.back().clase == "Type" || pila_.back().clase == "Enum") &&
             !(r && hace == "cierra" && r->clase == pila_.back().clase)) ||
            !r || (w == "if" && !TerminaEnThen(texto)))
            return;
        if (hace == "dentro") {
            if (pila_.empty() || pila_.back().clase != r->clase)
                Anota(numero,
                      std::string(palabras) + " fuera de un bloque " + std::string(r->clase));
        } else if (hace == "cierra") { // "Next j, i" closes two loops
            for (auto n = w == "next" && !resto.empty()
                              ? std::count(resto.begin(), resto.end(), ',') + 1
                              : 1;
                 n > 0; --n)
                Cierre(r->clase, numero);
        } else {
            for (const Bloque& b : pila_)
                if (r->apertura == Cabecera && b.clase != "#If")
                    Anota(numero, std::string(r->clase) + " dentro de " + std::string(b.clase) +
                                      " abierto en la línea " + std::to_string(b.numero));
            // executable blocks live in procedures: one outside means a lost header
            const auto enProcedimiento =
                std::any_of(pila_.begin(), pila_.end(), [](const Bloque& b) {
                    return b.clase == "Sub" || b.clase == "Function" || b.clase == "Property";
                });
            if (r->apertura == Ejecutable && !enProcedimiento)
                Anota(numero, std::string(r->clase) + " fuera de un procedimiento");
            pila_.push_back({r->clase, numero});
        }
    }

    void Fin() {
        for (const Bloque& b : pila_)
            Anota(b.numero, std::string(b.clase) + " sin cerrar");
        pila_.clear();
    }

private:
    void Anota(long numero, std::string mensaje) {
        problemas_.push_back({numero, std::move(mensaje)});
    }

    void Cierre(std::string_view clase, long numero) {
        auto abierto = std::find_if(pila_.rbegin(), pila_.rend(),
                                    [&](const Bloque& b) { return b.clase == clase; });
        if (abierto == pila_.rend())
            return Anota(numero, "cierre de " + std::string(clase) + " sin apertura");
        // Blocks opened after it and still open are crossed by this end
        for (; pila_.back().clase != clase; pila_.pop_back())
            Anota(numero, "fin de " + std::string(clase) + " con " +
                              std::string(pila_.back().clase) + " de la línea " +
                              std::to_string(pila_.back().numero) + " abierto");
        pila_.pop_back();
    }

    std::vector<Problema>& problemas_;
    std::vector<Bloque> pila_;
};

} // namespace

Modulo::Modulo(std::string_view bytes, const std::string& nombre) {
    long numero = 1;
    for (std::size_t inicio = 0; inicio < bytes.size(); ++numero) {
        const std::size_t fin = std::min(bytes.find('\n', inicio), bytes.size());
        std::string_view linea = bytes.substr(inicio, fin - inicio);
        if (fin < bytes.size() && !linea.ends_with('\r'))
            problemasFisicos_.push_back({numero, "el fin de línea no lleva CR"});
        if (linea.ends_with('\r'))
            linea.remove_suffix(1);
        if (linea.size() > MaxLongitudLinea)
            problemasFisicos_.push_back(
                {numero, "línea de " + std::to_string(linea.size()) + " caracteres"});
        inicio = fin + 1;
    }
    // the code the editor shows: the header and the procedure attributes are kept aside
    const auto archivo = files::ModuleFile::Parse(std::string(bytes), nombre, 1252);
    const vbide::CodeModule& codigo = archivo->Code();
    for (long l = 1; l <= codigo.CountOfLines();) {
        std::vector<std::string_view> fisicas;
        const long primera = l;
        do
            fisicas.push_back(codigo.Line(l));
        while (lineavb::Continua(TrimBlanks(codigo.Line(l++))) && l <= codigo.CountOfLines());
        logicas_.push_back({archivo->FileLine(primera), files::syntax::JoinContinued(fisicas),
                            static_cast<int>(fisicas.size()) - 1});
    }
}

std::vector<Sentencia> Modulo::Sentencias() const {
    std::vector<Sentencia> sentencias;
    for (const LineaLogica& l : logicas_) {
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
    for (const Sentencia& s : Sentencias()) {
        const std::string& c = s.texto;
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

std::string Texto(const std::vector<Problema>& problemas) {
    std::ostringstream s;
    for (const Problema& p : problemas)
        s << "línea " << p.numero << ": " << p.mensaje << '\n';
    return s.str();
}

std::vector<Problema> Modulo::Comprobar() const {
    std::vector<Problema> problemas = problemasFisicos_;
    for (const LineaLogica& l : logicas_)
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
