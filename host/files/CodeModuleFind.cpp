// Searching the code: CodeModule::Find.
#include "base/CodePage.h"
#include "host/files/CodeModuleMem.h"
#include "host/files/LinesPattern.h"

#include <numeric>

namespace files {

namespace {

using Table = std::array<unsigned char, 256>;

const Table& Identity() {
    static const Table t = [] {
        Table x{};
        std::iota(x.begin(), x.end(), 0);
        return x;
    }();
    return t;
}

// Letters of the code page (bytes with a case pair), digits and "_" make words.
bool IsWordByte(unsigned char c, const Table& lower) {
    if ((c >= '0' && c <= '9') || c == '_' || lower[c] != c) {
        return true;
    }
    for (int b = 0; b < 256; ++b) {
        if (b != c && lower[static_cast<size_t>(b)] == c) {
            return true;
        }
    }
    return false;
}

} // namespace

bool CodeModuleMem::Find(const std::string& target, long& startLine, long& startCol, long& endLine,
                         long& endCol, bool wholeWord, bool matchCase, bool patternSearch) {
    long n = CountOfLines();
    long lastLine = (endLine < 0 || endLine > n) ? n : endLine;
    long firstLine = startLine < 1 ? 1 : startLine;
    if (target.empty() || n == 0 || firstLine > lastLine) {
        return false;
    }
    const Table& lower = codepage::TablaMinusculas(codepage_);
    const Table& fold = matchCase ? Identity() : lower;
    std::array<bool, 256> word{};
    if (wholeWord) {
        for (int b = 0; b < 256; ++b) {
            word[static_cast<size_t>(b)] = IsWordByte(static_cast<unsigned char>(b), lower);
        }
    }
    std::string needle = target;
    for (char& c : needle) {
        c = static_cast<char>(fold[static_cast<unsigned char>(c)]);
    }
    LinesPattern pattern(patternSearch ? std::string_view(target) : std::string_view(), fold);
    std::string hay;
    for (long line = firstLine; line <= lastLine; ++line) {
        std::string_view text = lines_.Text(static_cast<size_t>(line - 1));
        size_t from = line == firstLine && startCol > 1 ? static_cast<size_t>(startCol - 1) : 0;
        size_t to = text.size();
        if (line == lastLine && endCol > 0) {
            to = std::min(to, static_cast<size_t>(endCol - 1));
        }
        if (from >= to) {
            continue;
        }
        hay.assign(text, 0, to); // the range's end bounds the match
        for (char& c : hay) {
            c = static_cast<char>(fold[static_cast<unsigned char>(c)]);
        }
        for (size_t at = from; at < to; ++at) {
            long end = -1;
            if (patternSearch) {
                end = pattern.LongestAt(hay, at);
                if (end == static_cast<long>(at)) {
                    end = -1; // an empty match finds nothing
                }
            } else {
                at = hay.find(needle, at);
                if (at == std::string::npos) {
                    break;
                }
                end = static_cast<long>(at + needle.size());
            }
            if (end < 0) {
                continue;
            }
            if (wholeWord) {
                bool before = at > 0 && word[static_cast<unsigned char>(text[at - 1])];
                bool after = static_cast<size_t>(end) < text.size() &&
                             word[static_cast<unsigned char>(text[static_cast<size_t>(end)])];
                if (before || after) {
                    continue;
                }
            }
            startLine = line;
            endLine = line;
            startCol = static_cast<long>(at) + 1;
            endCol = end + 1;
            return true;
        }
    }
    return false;
}

} // namespace files
