#pragma once
// One reading of a line of VB6 code for everything that looks at one: which characters are
// blanks, what makes a comment, where a statement goes on, and the first words that open or
// close a procedure. The language is not parsed; only the first words are read, from one table.
//
// The engine and the object model read the same line with different options (`Lectura`): the
// engine re-creates an add-in that trimmed only spaces, took only "'" for a comment and compared
// its keyword lists as the editor writes them; the object model stands in for the editor, which
// reads whatever it accepts. Letter case is folded by the table the caller passes (the engine's
// by the project's code page, the object model's by ASCII); the keywords are ASCII.

#include <array>
#include <string_view>

namespace lineavb {

using Tabla = std::array<unsigned char, 256>;

// How a line is read where the engine and the object model part ways.
struct Lectura {
    bool tabuladorEsBlanco; // a tab trims and separates words as a space does
    bool remComenta;        // the word "Rem" opens a comment as "'" does
    // Words apart by any run of blanks, and up to three modifiers in any order ("Global" among
    // them). Otherwise the editor's own form: "[Private |Public |Friend ][Static ]Sub ", one
    // space after each word, and "End Sub" compared by its letters, as a plain prefix.
    bool formaLibre;
};

inline constexpr Lectura kLecturaMotor{false, false, false};
inline constexpr Lectura kLecturaCargador{true, true, true};

// Folds only the ASCII letters: what the object model compares keywords with.
inline constexpr Tabla kTablaAscii = [] {
    Tabla t{};
    for (int c = 0; c < 256; ++c) {
        t[static_cast<std::size_t>(c)] =
            static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return t;
}();

inline bool EsBlanco(char c, Lectura l) {
    return c == ' ' || (l.tabuladorEsBlanco && c == '\t');
}

// The line without its blanks at both ends. Inline: every line read goes through it.
inline std::string_view Recorta(std::string_view s, Lectura l) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && EsBlanco(s[b], l)) {
        ++b;
    }
    while (e > b && EsBlanco(s[e - 1], l)) {
        --e;
    }
    return s.substr(b, e - b);
}

// A comment: the trimmed text begins with "'", or with the word "Rem" where that comments.
// (`| 0x20` turns a capital ASCII letter into its small one, and no other byte into one.)
inline bool EsComentario(std::string_view t, Lectura l) {
    if (t.empty()) {
        return false;
    }
    if (t.front() == '\'') {
        return true;
    }
    return l.remComenta && t.size() >= 3 && (t[0] | 0x20) == 'r' && (t[1] | 0x20) == 'e' &&
           (t[2] | 0x20) == 'm' && (t.size() == 3 || EsBlanco(t[3], l));
}

// The statement goes on in the next line: the trimmed text ends with a blank and an underscore
// (" _"), the underscore alone counting too. A tab before it continues for both readers; an
// identifier that ends in an underscore (Close_, m_) ends its statement there.
inline bool Continua(std::string_view t) {
    return !t.empty() && t.back() == '_' &&
           (t.size() == 1 || t[t.size() - 2] == ' ' || t[t.size() - 2] == '\t');
}

// The words of the table.
enum class Palabra {
    Otra,     // no word of the table
    Acceso,   // Private, Public, Friend
    Global,   // a modifier only in the free form
    Static,   // Static
    Sub,      // Sub
    Function, // Function
    Property, // Property
    End,      // End
};

inline bool EsProcedimiento(Palabra p) {
    return p == Palabra::Sub || p == Palabra::Function || p == Palabra::Property;
}
inline bool EsModificador(Palabra p) {
    return p == Palabra::Acceso || p == Palabra::Global || p == Palabra::Static;
}

// When a word of the table begins the trimmed text `s`, moves `s` past it and past the blanks
// after it (in the editor's form: the one space that must follow it) and says which it is;
// otherwise leaves `s` as it was.
Palabra Toma(std::string_view& s, const Tabla& tabla, Lectura l);

// The first words of a trimmed statement: its modifiers, then the word after them, and the
// text that follows it. "Private Static Sub A()" gives Sub, 2 modifiers and "A()".
struct Comienzo {
    Palabra palabra = Palabra::Otra; // a modifier when there are more than the form allows
    int modificadores = 0;
    std::string_view resto; // past `palabra`; for Otra, the first word that is no keyword
};
// The first letters of the table's words, folded.
inline constexpr std::string_view kIniciales = "efgps";
// Lee for a statement that begins with one of them.
Comienzo LeeClaves(std::string_view t, const Tabla& tabla, Lectura l);
// Inline: every line of a walk is read, and most begin with a letter that begins no word of
// the table, which ends the reading here.
inline Comienzo Lee(std::string_view t, const Tabla& tabla, Lectura l) {
    if (t.empty() || kIniciales.find(static_cast<char>(
                         tabla[static_cast<unsigned char>(t.front())])) == std::string_view::npos) {
        return {Palabra::Otra, 0, t};
    }
    return LeeClaves(t, tabla, l);
}

// A procedure header: its first words are modifiers and Sub, Function or Property followed by
// a blank ("Sub" alone is none in the editor's form).
inline bool EsCabecera(std::string_view t, const Tabla& tabla, Lectura l) {
    return EsProcedimiento(Lee(t, tabla, l).palabra);
}

// The statement "End Sub", "End Function" or "End Property". In the free form nothing may
// follow it; in the editor's form anything may, and modifiers may not come before it.
bool EsFin(std::string_view t, const Tabla& tabla, Lectura l);

} // namespace lineavb
