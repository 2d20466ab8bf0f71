#pragma once
// What the object model needs to know about a line of VB6 code: whether it continues, whether it
// is only a comment, whether it may open or close a procedure. Only the statements' first words
// are read; the language is not parsed.
// The words and rules are the engine's too (base/LineaVB.h), read with the object model's options:
// a tab is a blank, "Rem" comments, and the editor's free spelling of a header is accepted.

#include "base/LineaVB.h"
#include "host/vbide/Types.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files::syntax {

// Per-line flags, cached beside each line. A line's flags depend on its text and on the flags of
// the line above (continuation), so an edit re-tags downwards until the flags stop changing.
enum Tag : unsigned char {
    kContinues = 1, // ends with " _": the statement goes on in the next line
    kContinued = 2, // the line above continues onto this one
    kQuiet = 4,     // blank, or a comment (a comment continued with " _" included)
    kMaybe = 8,     // starts a statement that may be a procedure header or end
};

unsigned char TagOf(std::string_view line, unsigned char above);

// The flags of `after` when it is `before` (flagged `tag`) with a leading line number put on or
// taken off, known without tagging it again; nothing when the edit is not that or may change
// the flags. Numbering edits most lines of a module this way.
std::optional<unsigned char> TagAfterNumber(std::string_view before, unsigned char tag,
                                            std::string_view after);

inline bool IsBlank(char c) {
    return lineavb::EsBlanco(c, lineavb::kLecturaCargador);
}

// A comment: "'" or "Rem" first (blanks already trimmed).
inline bool IsComment(std::string_view t) {
    return lineavb::EsComentario(t, lineavb::kLecturaCargador);
}

// Spaces and tabs at both ends.
inline std::string_view TrimBlanks(std::string_view s) {
    return lineavb::Recorta(s, lineavb::kLecturaCargador);
}

// ASCII case-insensitive equality: keywords are ASCII.
bool SameWord(std::string_view a, std::string_view b);

// The statements of a logical line: split at ':' outside string literals, up to a comment.
std::vector<std::string_view> Statements(std::string_view logical);

// A logical line built from a physical line and the lines continuing it (the " _" removed).
std::string JoinContinued(const std::vector<std::string_view>& physical);

struct Statement {
    bool header = false;
    bool property = false; // Property Get/Let/Set (otherwise Sub or Function)
    vbide::ProcKind kind = vbide::ProcKind::Proc;
    std::string name;
    bool end = false; // End Sub, End Function or End Property among its statements
};

// Classifies a whole logical line (continuations joined).
Statement Classify(std::string_view logical);

// Splits at the next blank; returns the word and advances `rest` past it and its blanks.
std::string_view NextWord(std::string_view& rest);

} // namespace files::syntax
