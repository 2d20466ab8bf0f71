#pragma once
// The wildcards of VB's Like operator, for pattern searches in code lines: * any run of
// characters, ? any one character, # one digit, [abc] [a-z] one of a list, [!abc] none of it.
// Case folding is the caller's: it folds the text and hands the table in.

#include <array>
#include <string_view>
#include <vector>

namespace files {

class LinesPattern {
public:
    // `fold` maps each byte to the byte compared (identity for a case-sensitive search).
    LinesPattern(std::string_view pattern, const std::array<unsigned char, 256>& fold);
    // The end (exclusive) of the longest match starting at `at` in `text` (already folded),
    // or -1 when none starts there.
    long LongestAt(std::string_view text, size_t at) const;
    bool Empty() const { return elems_.empty(); }

private:
    struct Elem {
        enum Kind { Literal, Any, Digit, Star, Set } kind;
        std::array<bool, 256> set{}; // Literal and Set: the bytes it takes
    };
    bool Takes(const Elem& e, unsigned char c) const;
    std::vector<Elem> elems_;
};

} // namespace files
