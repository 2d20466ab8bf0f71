#include "host/files/ModuleSyntax.h"

namespace files::syntax {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsModifier(std::string_view w) {
    return SameWord(w, "Public") || SameWord(w, "Private") || SameWord(w, "Friend") ||
           SameWord(w, "Static") || SameWord(w, "Global");
}

// Skips a leading line number: "10 End Sub" still ends the procedure.
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

bool IsEnd(std::string_view stmt) {
    std::string_view rest = stmt;
    if (!SameWord(NextWord(rest), "End")) {
        return false;
    }
    std::string_view what = NextWord(rest);
    return rest.empty() &&
           (SameWord(what, "Sub") || SameWord(what, "Function") || SameWord(what, "Property"));
}

// The keyword after the modifiers of a statement ("Sub", "Function", "Property"...), or empty
// when the statement stops after the modifiers (a header continued right after them).
std::string_view KeywordAfterModifiers(std::string_view& rest, bool& onlyModifiers) {
    std::string_view w = NextWord(rest);
    int modifiers = 0;
    while (!w.empty() && IsModifier(w) && modifiers < 3) {
        ++modifiers;
        w = NextWord(rest);
    }
    onlyModifiers = (w.empty() || w == "_") && modifiers > 0;
    return w;
}

bool IsProcKeyword(std::string_view w) {
    return SameWord(w, "Sub") || SameWord(w, "Function") || SameWord(w, "Property");
}

// "End Sub" and the like, or an "End" whose statement goes on in the next line.
bool ClosesProc(std::string_view first, std::string_view rest) {
    if (!SameWord(first, "End")) {
        return false;
    }
    std::string_view what = NextWord(rest);
    return what.empty() || what == "_" || IsProcKeyword(what);
}

} // namespace

bool IsComment(std::string_view t) {
    if (!t.empty() && t.front() == '\'') {
        return true;
    }
    return t.size() >= 3 && SameWord(t.substr(0, 3), "Rem") && (t.size() == 3 || IsBlank(t[3]));
}

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
    size_t i = 0;
    while (i < rest.size() && !IsBlank(rest[i])) {
        ++i;
    }
    std::string_view w = rest.substr(0, i);
    rest = TrimBlanks(rest.substr(i));
    return w;
}

std::vector<std::string_view> Statements(std::string_view logical) {
    std::vector<std::string_view> out;
    bool inString = false;
    size_t from = 0;
    size_t stop = logical.size();
    for (size_t i = 0; i < logical.size(); ++i) {
        char c = logical[i];
        if (c == '"') {
            inString = !inString;
        } else if (!inString && c == '\'') {
            stop = i;
            break;
        } else if (!inString && c == ':') {
            std::string_view s = TrimBlanks(logical.substr(from, i - from));
            if (IsComment(s)) { // "Rem" hides the rest of the line
                return out;
            }
            out.push_back(s);
            from = i + 1;
        }
    }
    std::string_view s = TrimBlanks(logical.substr(from, stop - from));
    if (!s.empty() && !IsComment(s)) {
        out.push_back(s);
    }
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
    std::vector<std::string_view> stmts = Statements(logical);
    for (size_t i = 0; i < stmts.size(); ++i) {
        std::string_view s = i == 0 ? SkipLineNumber(stmts[i]) : stmts[i];
        if (IsEnd(s)) {
            st.end = true;
        }
    }
    if (stmts.empty()) {
        return st;
    }
    std::string_view rest = stmts[0];
    bool onlyModifiers = false;
    std::string_view kw = KeywordAfterModifiers(rest, onlyModifiers);
    if (!IsProcKeyword(kw)) {
        return st;
    }
    if (SameWord(kw, "Property")) {
        std::string_view k = NextWord(rest);
        if (SameWord(k, "Get")) {
            st.kind = vbide::ProcKind::Get;
        } else if (SameWord(k, "Let")) {
            st.kind = vbide::ProcKind::Let;
        } else if (SameWord(k, "Set")) {
            st.kind = vbide::ProcKind::Set;
        } else {
            return st;
        }
        st.property = true;
    }
    // the name runs to the parameter list, a blank or the end
    size_t n = 0;
    if (!rest.empty() && rest.front() == '[') {
        size_t close = rest.find(']');
        if (close == std::string_view::npos) {
            return st;
        }
        st.name = std::string(rest.substr(1, close - 1));
    } else {
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
    if (!t.empty() && t.back() == '_' && (t.size() == 1 || IsBlank(t[t.size() - 2]))) {
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
    // Cheap look at the first word and at every ':' for a closing "End ..." so that ordinary
    // edits (labels, numbered lines) do not re-scan the procedures.
    std::string_view first = SkipLineNumber(t);
    // Every word that can open or close a procedure (Sub, Function, Property, End and the
    // modifiers Public, Private, Friend, Static, Global) starts with one of these letters: most
    // lines are passed by on their first character.
    // Their lengths are 3 (Sub, End), 6, 7 or 8 (Function, Property): the first word's length
    // passes by most of the lines that begin with those letters.
    const char initial = first.empty() ? ' ' : static_cast<char>(first.front() | 0x20);
    size_t length = 0;
    while (length < first.size() && !IsBlank(first[length])) {
        ++length;
    }
    if ((initial == 's' || initial == 'f' || initial == 'p' || initial == 'e' || initial == 'g') &&
        (length == 3 || (length >= 6 && length <= 8))) {
        std::string_view rest = first;
        bool onlyModifiers = false;
        std::string_view kw = KeywordAfterModifiers(rest, onlyModifiers);
        if (IsProcKeyword(kw) || onlyModifiers || ClosesProc(kw, rest)) {
            return tag | kMaybe;
        }
    }
    if (t.find(':') != std::string_view::npos) {
        bool firstStatement = true;
        for (std::string_view s : Statements(t)) {
            // "10 End Sub: x" closes its procedure as "End Sub: x" does
            std::string_view r = firstStatement ? SkipLineNumber(s) : s;
            firstStatement = false;
            if (ClosesProc(NextWord(r), r)) {
                return tag | kMaybe;
            }
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
    if (prefix == 0 || !IsDigit(longer.front()) || longer.substr(prefix) != shorter) {
        return std::nullopt;
    }
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
    if (i < prefix) {
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
