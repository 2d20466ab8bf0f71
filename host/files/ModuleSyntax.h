#pragma once
// What the object model needs to know about a line of VB6 code: whether it continues, whether it
// is only a comment, whether it may open or close a procedure. Only the statements' first words
// are read; the language is not parsed.
// On purpose the engine reads lines otherwise (engine/Lineas.h): there a tab is text, not a
// blank, and only "'" makes a comment ("Rem" does not), as the add-in it re-creates does.

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
    return c == ' ' || c == '\t';
}

// A comment: "'" or "Rem" first (blanks already trimmed). Inline: every line loaded goes through
// it. (`| 0x20` turns a capital ASCII letter into its small one, and no other byte into one.)
inline bool IsComment(std::string_view t) {
    if (t.empty()) {
        return false;
    }
    if (t.front() == '\'') {
        return true;
    }
    return t.size() >= 3 && (t[0] | 0x20) == 'r' && (t[1] | 0x20) == 'e' && (t[2] | 0x20) == 'm' &&
           (t.size() == 3 || IsBlank(t[3]));
}

// Spaces and tabs at both ends. Inline: every line loaded goes through it.
inline std::string_view TrimBlanks(std::string_view s) {
    size_t b = 0;
    size_t e = s.size();
    while (b < e && IsBlank(s[b])) {
        ++b;
    }
    while (e > b && IsBlank(s[e - 1])) {
        --e;
    }
    return s.substr(b, e - b);
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
