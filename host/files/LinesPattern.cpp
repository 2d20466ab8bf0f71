#include "host/files/LinesPattern.h"

namespace files {

LinesPattern::LinesPattern(std::string_view p, const std::array<unsigned char, 256>& fold) {
    for (size_t i = 0; i < p.size(); ++i) {
        Elem e{Elem::Literal, {}};
        char c = p[i];
        if (c == '*') {
            if (!elems_.empty() && elems_.back().kind == Elem::Star) {
                continue; // "**" is "*"
            }
            e.kind = Elem::Star;
        } else if (c == '?') {
            e.kind = Elem::Any;
        } else if (c == '#') {
            e.kind = Elem::Digit;
        } else if (c == '[' && p.find(']', i + 1) != std::string_view::npos) {
            size_t close = p.find(']', i + 1);
            std::string_view list = p.substr(i + 1, close - i - 1);
            bool negate = !list.empty() && list.front() == '!';
            if (negate) {
                list.remove_prefix(1);
            }
            e.kind = Elem::Set;
            for (size_t j = 0; j < list.size(); ++j) {
                unsigned char lo = fold[static_cast<unsigned char>(list[j])];
                unsigned char hi = lo;
                if (j + 2 < list.size() && list[j + 1] == '-') {
                    hi = fold[static_cast<unsigned char>(list[j + 2])];
                    j += 2;
                }
                for (int b = lo; b <= hi; ++b) {
                    e.set[static_cast<size_t>(b)] = true;
                }
            }
            if (negate) {
                for (bool& b : e.set) {
                    b = !b;
                }
            }
            i = close;
        } else {
            e.set[fold[static_cast<unsigned char>(c)]] = true;
        }
        elems_.push_back(e);
    }
}

bool LinesPattern::Takes(const Elem& e, unsigned char c) const {
    switch (e.kind) {
    case Elem::Any:
    case Elem::Star:
        return true;
    case Elem::Digit:
        return c >= '0' && c <= '9';
    default:
        return e.set[c];
    }
}

long LinesPattern::LongestAt(std::string_view text, size_t at) const {
    // Simulates the pattern as a set of positions, one step per character: linear in the text.
    size_t m = elems_.size();
    std::vector<char> now(m + 1, 0);
    std::vector<char> next(m + 1, 0);
    auto close = [&](std::vector<char>& s) {
        for (size_t p = 0; p < m; ++p) {
            if (s[p] && elems_[p].kind == Elem::Star) {
                s[p + 1] = 1;
            }
        }
    };
    now[0] = 1;
    close(now);
    long best = now[m] ? static_cast<long>(at) : -1;
    for (size_t i = at; i < text.size(); ++i) {
        std::fill(next.begin(), next.end(), 0);
        bool any = false;
        unsigned char c = static_cast<unsigned char>(text[i]);
        for (size_t p = 0; p < m; ++p) {
            if (!now[p] || !Takes(elems_[p], c)) {
                continue;
            }
            any = true;
            if (elems_[p].kind == Elem::Star) {
                next[p] = 1;
            } else {
                next[p + 1] = 1;
            }
        }
        if (!any) {
            break;
        }
        close(next);
        now.swap(next);
        if (now[m]) {
            best = static_cast<long>(i + 1);
        }
    }
    return best;
}

} // namespace files
