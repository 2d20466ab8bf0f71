#include "host/files/ModuleSyntax.h"

#include <cstring>

namespace files::syntax {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// `w` is `lower` (a keyword in small ASCII letters) in any case. `| 0x20` turns a capital ASCII
// letter into its small one and turns no other byte into a small letter.
bool IsKeyword(std::string_view w, std::string_view lower) {
    if (w.size() != lower.size()) {
        return false;
    }
    for (size_t i = 0; i < w.size(); ++i) {
        if ((w[i] | 0x20) != lower[i]) {
            return false;
        }
    }
    return true;
}

// NextWord for text already trimmed at both ends, which it leaves trimmed: nothing to trim
// again.
std::string_view TakeWord(std::string_view& rest) {
    size_t i = 0;
    while (i < rest.size() && !IsBlank(rest[i])) {
        ++i;
    }
    std::string_view w = rest.substr(0, i);
    while (i < rest.size() && IsBlank(rest[i])) {
        ++i;
    }
    rest.remove_prefix(i);
    return w;
}

// Skips a leading line number: "10 End Sub" still ends the procedure. Keeps `s` trimmed.
std::string_view SkipLineNumber(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
    }
    if (i == 0 || (i < s.size() && !IsBlank(s[i]))) {
        return s;
    }
    return TrimBlanks(s.substr(i));
}

// The first word of a trimmed text is the continuation mark "_".
bool BeginsWithMark(std::string_view s) {
    return !s.empty() && s.front() == '_' && (s.size() == 1 || IsBlank(s[1]));
}

using lineavb::Palabra;

// The table's words as the object model reads them: free form, ASCII case.
Palabra TakeKeyword(std::string_view& s) {
    return lineavb::Toma(s, lineavb::kTablaAscii, lineavb::kLecturaCargador);
}

lineavb::Comienzo Lead(std::string_view s) {
    return lineavb::Lee(s, lineavb::kTablaAscii, lineavb::kLecturaCargador);
}

// After an "End": "End Sub" and the like, or an "End" whose statement goes on in the next line.
bool ClosesAfterEnd(std::string_view rest) {
    return rest.empty() || BeginsWithMark(rest) || lineavb::EsProcedimiento(TakeKeyword(rest));
}

// A header, a header continued right after its modifiers ("Public _"), or a closing "End ...",
// read from the first words of a trimmed statement.
bool MayOpenOrClose(std::string_view s) {
    const lineavb::Comienzo l = Lead(s);
    if (lineavb::EsProcedimiento(l.palabra)) {
        return true;
    }
    if (l.palabra == Palabra::End) {
        return ClosesAfterEnd(l.resto);
    }
    return l.palabra == Palabra::Otra && l.modificadores > 0 &&
           (l.resto.empty() || BeginsWithMark(l.resto));
}

// A trimmed statement that is exactly "End Sub", "End Function" or "End Property".
bool IsEnd(std::string_view s) {
    return lineavb::EsFin(s, lineavb::kTablaAscii, lineavb::kLecturaCargador);
}

// Calls `f` on each statement of a logical line, trimmed, until it returns true; returns whether
// it did. Statements split at ':' outside string literals and stop at a comment. No list is
// built: tagging and classifying a line allocate nothing.
template <class F> bool AnyStatement(std::string_view logical, F f) {
    // Without a ':' or a "'" the line is one statement, string literals or not: two quick
    // searches instead of a walk through every character.
    if (logical.find(':') == std::string_view::npos &&
        logical.find('\'') == std::string_view::npos) {
        std::string_view s = TrimBlanks(logical);
        return !s.empty() && !IsComment(s) && f(s);
    }
    bool inString = false;
    size_t from = 0;
    size_t stop = logical.size();
    for (size_t i = 0; i < logical.size(); ++i) {
        const char c = logical[i];
        if (c == '"') {
            inString = !inString;
        } else if (!inString && c == '\'') {
            stop = i;
            break;
        } else if (!inString && c == ':') {
            std::string_view s = TrimBlanks(logical.substr(from, i - from));
            if (IsComment(s)) { // "Rem" hides the rest of the line
                return false;
            }
            if (f(s)) {
                return true;
            }
            from = i + 1;
        }
    }
    std::string_view s = TrimBlanks(logical.substr(from, stop - from));
    return !s.empty() && !IsComment(s) && f(s);
}

} // namespace

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<char>(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<char>(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

std::string_view NextWord(std::string_view& rest) {
    rest = TrimBlanks(rest);
    return TakeWord(rest);
}

std::vector<std::string_view> Statements(std::string_view logical) {
    std::vector<std::string_view> out;
    AnyStatement(logical, [&out](std::string_view s) {
        out.push_back(s);
        return false;
    });
    return out;
}

std::string JoinContinued(const std::vector<std::string_view>& physical) {
    std::string out;
    for (size_t i = 0; i < physical.size(); ++i) {
        std::string_view t = physical[i];
        if (i + 1 < physical.size()) {
            // drop the continuation mark: the trailing "_" and the blanks around it
            t = TrimBlanks(t);
            if (!t.empty() && t.back() == '_') {
                t.remove_suffix(1);
            }
        }
        if (i > 0) {
            out += ' ';
        }
        out += t;
    }
    return out;
}

Statement Classify(std::string_view logical) {
    Statement st;
    // The header is read from the first statement as it stands (a numbered line is no header);
    // the end from any statement, the first one past its line number.
    std::string_view first;
    bool isFirst = true;
    AnyStatement(logical, [&](std::string_view s) {
        if (isFirst) {
            first = s;
            s = SkipLineNumber(s);
            isFirst = false;
        }
        st.end = IsEnd(s);
        return st.end; // nothing more to learn from the statements after it
    });
    const lineavb::Comienzo l = Lead(first);
    std::string_view rest = l.resto;
    if (!lineavb::EsProcedimiento(l.palabra)) {
        return st;
    }
    if (l.palabra == Palabra::Property) {
        std::string_view k = TakeWord(rest);
        if (IsKeyword(k, "get")) {
            st.kind = vbide::ProcKind::Get;
        } else if (IsKeyword(k, "let")) {
            st.kind = vbide::ProcKind::Let;
        } else if (IsKeyword(k, "set")) {
            st.kind = vbide::ProcKind::Set;
        } else {
            return st;
        }
        st.property = true;
    }
    // the name runs to the parameter list, a blank or the end
    if (!rest.empty() && rest.front() == '[') {
        size_t close = rest.find(']');
        if (close == std::string_view::npos) {
            return st;
        }
        st.name = std::string(rest.substr(1, close - 1));
    } else {
        size_t n = 0;
        while (n < rest.size() && rest[n] != '(' && !IsBlank(rest[n])) {
            ++n;
        }
        st.name = std::string(rest.substr(0, n));
    }
    st.header = !st.name.empty();
    return st;
}

unsigned char TagOf(std::string_view line, unsigned char above) {
    unsigned char tag = 0;
    std::string_view t = TrimBlanks(line);
    if (lineavb::Continua(t)) {
        tag |= kContinues;
    }
    if (above & kContinues) {
        tag |= kContinued;
        if (above & kQuiet) {
            tag |= kQuiet; // a comment continued with " _" is still a comment
        }
        return tag;
    }
    if (t.empty() || IsComment(t)) {
        return tag | kQuiet;
    }
    // A cheap look at the first words, then at every ':' for a closing "End ...", so that
    // ordinary edits (labels, numbered lines) do not re-scan the procedures.
    if (MayOpenOrClose(IsDigit(t.front()) ? SkipLineNumber(t) : t)) {
        return tag | kMaybe;
    }
    if (t.find(':') != std::string_view::npos) {
        bool isFirst = true;
        const bool closes = AnyStatement(t, [&isFirst](std::string_view s) {
            // "10 End Sub: x" closes its procedure as "End Sub: x" does
            if (isFirst) {
                s = SkipLineNumber(s);
                isFirst = false;
            }
            return TakeKeyword(s) == Palabra::End && ClosesAfterEnd(s);
        });
        if (closes) {
            return tag | kMaybe;
        }
    }
    return tag;
}

std::optional<unsigned char> TagAfterNumber(std::string_view before, unsigned char tag,
                                            std::string_view after) {
    const bool added = after.size() > before.size();
    const std::string_view longer = added ? after : before;
    const std::string_view shorter = added ? before : after;
    // longer: a number, blanks, then shorter
    const size_t prefix = longer.size() - shorter.size();
    if (prefix == 0 || !IsDigit(longer.front())) {
        return std::nullopt;
    }
    // the few characters in front first: they turn most other edits away before the compare
    size_t i = 1;
    while (i < prefix && IsDigit(longer[i])) {
        ++i;
    }
    if (i == longer.size() || !IsBlank(longer[i])) {
        return std::nullopt; // a number that runs into the text ("10x") is none
    }
    while (i < prefix && IsBlank(longer[i])) {
        ++i;
    }
    if (i < prefix || (!shorter.empty() &&
                       std::memcmp(longer.data() + prefix, shorter.data(), shorter.size()) != 0)) {
        return std::nullopt;
    }
    // A continued line's flags come from the line above and from its end, which the number
    // does not touch.
    if (tag & kContinued) {
        return tag;
    }
    // Otherwise the flags are read past the number, from the same text: unless the text is
    // blank or a comment (a number makes it a statement) or begins with a number of its own
    // (only one is passed by).
    size_t k = 0;
    while (k < shorter.size() && IsBlank(shorter[k])) {
        ++k;
    }
    if (k == shorter.size()) {
        return std::nullopt;
    }
    const char first = shorter[k];
    if (IsDigit(first) || first == '\'' ||
        ((first | 0x20) == 'r' && IsComment(TrimBlanks(shorter)))) {
        return std::nullopt;
    }
    return tag;
}

} // namespace files::syntax
