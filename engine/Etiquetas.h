#pragma once
// Labels and the jumps to them, read from one line. In VB6 a line number is a label like any
// other: GoTo 100, GoSub 200, Resume 300, On Error GoTo 100, If x Then 100 and
// On n GoTo 10, 20, 30 all jump to one. String literals and comments are not code.

#include "engine/Lineas.h"

#include <string>
#include <string_view>
#include <vector>

namespace engine {

// A label as written after a jump or at the start of a line: a line number (without leading
// zeros) or a name.
struct Etiqueta {
    std::string_view texto;
    bool numero = false;
};

// The labels that `linea` jumps to, appended to `destinos` (`soloNumeros`: only line numbers).
// "On Error GoTo 0" and "Resume 0" jump nowhere; "Resume Next" neither.
void Destinos(std::string_view linea, const Tabla& tabla, std::vector<Etiqueta>& destinos,
              bool soloNumeros = false);

// A statement continued over several lines (" _" at their end), joined into one text for the
// rules that read a whole statement: "On n GoTo 10, 20, _" goes on with "30, 40" below it.
class UneLineas {
public:
    // Takes the next line; `continuada`: the line above it ends with " _". Gives the whole
    // statement once its last line has come (the line itself when it stands alone, with no
    // copy), or an empty text while it goes on. What it gives lives until the next call.
    // Inline: every line of a numbering's reading goes through it.
    std::string_view Anade(std::string_view linea, bool continuada) {
        if (!continuada) {
            texto_.clear();
        }
        const std::string_view t = Recorta(linea);
        if (Continua(t)) {
            // without its underscore; the blank in front of it keeps the pieces apart
            texto_.append(t.substr(0, t.size() - 1));
            return {};
        }
        if (texto_.empty()) {
            return linea;
        }
        texto_.append(t);
        return texto_;
    }

private:
    std::string texto_;
};

// The label `linea` defines at its start: its line number ("100 x = 1", "100"), or a name
// followed by a colon ("Salir:"), after a line number if there is one. Empty text: none. A
// continued line defines none: a number there is data.
Etiqueta EtiquetaDe(std::string_view linea);

// The line number at the start of `linea` (its leading digits, without leading zeros), and
// where the text after it and the one space that follows it begins. `fin` is 0 where the line
// does not begin with a digit.
struct NumeroDeLinea {
    std::string_view numero;
    std::size_t fin = 0;
};
NumeroDeLinea NumeroAlPrincipio(std::string_view linea);

// The trimmed text is only a line number: a label and nothing else.
inline bool SoloNumero(std::string_view t) {
    if (t.empty()) {
        return false;
    }
    for (char c : t) {
        if (!EsDigito(c)) {
            return false;
        }
    }
    return true;
}

// Digits without their leading zeros ("0100" is 100; "000" is 0).
std::string_view SinCeros(std::string_view cifras);

// `linea` holds an exit statement (Exit Sub, Exit Function, Exit Property) that does not
// start it, as in "If x Then Exit Sub": that exit leaves without passing through Salir.
bool SalidaEnMedio(std::string_view linea, const Tabla& tabla);

// After a colon outside strings and comments, `linea` holds an end statement (End Sub, End
// Function, End Property): "Function Nombre() As String: End Function".
bool FinTrasDosPuntos(std::string_view linea, const Tabla& tabla);

// The line's trimmed text, without its line number, begins with an end statement.
bool EsFin(std::string_view t, const Tabla& tabla);

} // namespace engine
