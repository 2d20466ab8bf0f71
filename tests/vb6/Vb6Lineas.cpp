#include "host/files/ModuleSyntax.h"
#include "tests/vb6/Vb6Checker.h"
#include "tests/vb6/Vb6Lexico.h"

#include <cctype>
#include <regex>
#include <sstream>

namespace vb6check {
namespace {

bool Empieza(std::string_view texto, std::string_view prefijo) {
    return texto.substr(0, prefijo.size()) == prefijo;
}

bool Continua(std::string_view linea) {
    return linea.size() >= 2 && linea.substr(linea.size() - 2) == " _";
}

// A line number ("120 ") at the start of a statement is a label, not code.
std::string SinNumeroDeLinea(const std::string& sentencia) {
    std::size_t i = 0;
    while (i < sentencia.size() && std::isdigit(static_cast<unsigned char>(sentencia[i])))
        ++i;
    if (i == 0 || (i < sentencia.size() && sentencia[i] != ' ' && sentencia[i] != '\t'))
        return sentencia;
    return lexico::Recorta(std::string_view(sentencia).substr(i));
}

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
        if (auto c = lexico::InicioComentario(l.codigo); c != std::string::npos)
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
        for (std::size_t i = 0; i < c.size(); ++i) {
            if (c[i] != '"')
                continue;
            std::string literal;
            std::size_t j = i + 1;
            for (; j < c.size(); ++j) {
                if (c[j] == '"') {
                    if (j + 1 < c.size() && c[j + 1] == '"') {
                        literal += '"';
                        ++j;
                        continue;
                    }
                    break;
                }
                literal += c[j];
            }
            literales.push_back(std::move(literal));
            i = j;
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

} // namespace vb6check
