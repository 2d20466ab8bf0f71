#pragma once
// The code lines of a module in a gap buffer: edits cluster at a cursor that moves down the
// module, so moving the gap there costs the distance moved, not the module's size.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace files {

struct Line {
    std::string text;
    // Procedure attribute lines that follow this line in the file ("Attribute Item.VB_UserMemId
    // = 0"), hidden from the code, raw with their own line ends. Null for almost every line.
    std::unique_ptr<std::string> hidden;
    unsigned char eol = 0; // 0 none (last line of a file without final break), 1 LF, 2 CR LF
    unsigned char tag = 0; // syntax::Tag flags
};

class LinesBuffer {
public:
    size_t Size() const { return buf_.size() - (gapEnd_ - gapStart_); }

    Line& At(size_t i) { return buf_[i < gapStart_ ? i : i + (gapEnd_ - gapStart_)]; }
    const Line& At(size_t i) const { return buf_[i < gapStart_ ? i : i + (gapEnd_ - gapStart_)]; }

    // Appends while loading (the gap stays at the end).
    void PushBack(Line line) {
        MoveGap(Size());
        if (gapStart_ == gapEnd_) {
            Grow(1);
        }
        buf_[gapStart_++] = std::move(line);
    }

    // Inserts `lines` in front of position `at` (0-based).
    void Insert(size_t at, std::vector<Line>&& lines) {
        MoveGap(at);
        if (gapEnd_ - gapStart_ < lines.size()) {
            Grow(lines.size());
        }
        for (Line& l : lines) {
            buf_[gapStart_++] = std::move(l);
        }
    }

    // Removes `count` lines from position `at` and hands them back.
    std::vector<Line> Erase(size_t at, size_t count) {
        MoveGap(at);
        std::vector<Line> out;
        out.reserve(count);
        for (size_t i = 0; i < count; ++i) {
            out.push_back(std::move(buf_[gapEnd_ + i]));
        }
        gapEnd_ += count;
        return out;
    }

    void Reserve(size_t n) {
        if (buf_.size() < n) {
            Grow(n - Size());
        }
    }

private:
    void MoveGap(size_t at) {
        // An empty gap moves for free; moving lines onto themselves would empty them.
        if (gapStart_ == gapEnd_) {
            gapStart_ = gapEnd_ = at;
            return;
        }
        while (gapStart_ > at) {
            buf_[--gapEnd_] = std::move(buf_[--gapStart_]);
        }
        while (gapStart_ < at) {
            buf_[gapStart_++] = std::move(buf_[gapEnd_++]);
        }
    }

    // Doubles the storage at least, keeping the gap where it is.
    void Grow(size_t need) {
        size_t size = Size();
        size_t cap = std::max(buf_.size() * 2, size + need + 16);
        std::vector<Line> next(cap);
        for (size_t i = 0; i < gapStart_; ++i) {
            next[i] = std::move(buf_[i]);
        }
        size_t tail = buf_.size() - gapEnd_;
        for (size_t i = 0; i < tail; ++i) {
            next[cap - tail + i] = std::move(buf_[gapEnd_ + i]);
        }
        gapEnd_ = cap - tail;
        buf_ = std::move(next);
    }

    std::vector<Line> buf_;
    size_t gapStart_ = 0;
    size_t gapEnd_ = 0;
};

} // namespace files
