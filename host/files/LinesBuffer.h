#pragma once
// The code lines of a module in a gap buffer: edits cluster at a cursor that moves down the
// module, so moving the gap there costs the distance moved, not the module's size.
//
// A line is a small record pointing at its text: loaded lines point into the file's own bytes,
// kept whole; edited lines point into blocks of edited text. A million-line module is then a
// few large blocks instead of a million small ones.

#include "ClsErrores/ErrorVB.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace files {

struct Line {
    size_t at = 0;         // where the text starts: an offset in the file's bytes, or block
                           // number (high 32 bits) and offset in the block for edited text
    uint32_t len = 0;      // text length, without the line end
    bool edited = false;   // the text lies in the edited blocks, not in the file's bytes
    unsigned char eol = 0; // 0 none (last line of a file without final break), 1 LF, 2 CR LF
    unsigned char tag = 0; // syntax::Tag flags
    // Procedure attribute lines that follow this line in the file ("Attribute Item.VB_UserMemId
    // = 0"), hidden from the code, raw with their own line ends. Null for almost every line.
    std::unique_ptr<std::string> hidden;
};

class LinesBuffer {
public:
    size_t Size() const { return buf_.size() - (gapEnd_ - gapStart_); }

    Line& At(size_t i) { return buf_[Slot(i)]; }
    const Line& At(size_t i) const { return buf_[Slot(i)]; }
    std::string_view Text(size_t i) const { return TextOf(At(i)); }
    std::string_view TextOf(const Line& l) const {
        if (!l.edited) {
            return std::string_view(file_).substr(l.at, l.len);
        }
        return std::string_view(edits_[l.at >> 32]).substr(l.at & kOffset, l.len);
    }

    // Loading: the file's bytes, then its lines in order (each pointing into those bytes).
    void Adopt(std::string bytes) { file_ = std::move(bytes); }
    const std::string& FileBytes() const { return file_; }
    void PushBack(Line line) {
        MoveGap(Size());
        if (gapStart_ == gapEnd_) {
            Grow(1);
        }
        buf_[gapStart_++] = std::move(line);
    }

    // A line for Insert(), its text copied into the edited blocks.
    Line Make(std::string_view text, unsigned char eol, unsigned char tag) {
        Line l;
        Store(l, text);
        l.eol = eol;
        l.tag = tag;
        return l;
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

    // Removes `count` lines from position `at`; their hidden attribute lines go to `hidden`.
    void Erase(size_t at, size_t count, std::vector<std::string>* hidden = nullptr) {
        MoveGap(at);
        for (size_t i = 0; i < count; ++i) {
            Line& gone = buf_[gapEnd_ + i];
            Forget(gone);
            if (gone.hidden && hidden) {
                hidden->push_back(std::move(*gone.hidden));
            }
            gone.hidden.reset();
        }
        gapEnd_ += count;
        Compact();
    }

    void SetText(size_t i, std::string_view text) {
        Line& l = At(i);
        if (l.edited && text.size() <= l.len) {
            // no longer than before: overwrite in place
            std::string& block = edits_[l.at >> 32];
            std::copy(text.begin(), text.end(), block.begin() + static_cast<long>(l.at & kOffset));
            dead_ += l.len - text.size();
            l.len = static_cast<uint32_t>(text.size());
            return;
        }
        Forget(l);
        Store(l, text);
        Compact();
    }

    void Reserve(size_t n) {
        if (buf_.size() < n) {
            Grow(n - Size());
        }
    }

private:
    // Blocks small enough for the allocator's pool: freed by one module, reused by the next,
    // and appending never copies what is already stored.
    static constexpr size_t kBlock = 64 * 1024;
    static constexpr size_t kOffset = 0xFFFFFFFF;

    size_t Slot(size_t i) const { return i < gapStart_ ? i : i + (gapEnd_ - gapStart_); }

    void Store(Line& l, std::string_view text) {
        if (text.size() > UINT32_MAX) {
            throw ErrorVB(vberr::InvalidProcedureCall, "Lines",
                          "una línea de código no puede pasar de 4 GiB");
        }
        Append(edits_, l, text);
        size_ += text.size();
    }

    void Forget(const Line& l) {
        if (l.edited) {
            dead_ += l.len;
        }
    }

    // Rewrites the edited store without the text no line points to any more, once that dead
    // text outweighs both the live text and the lines' records: the rewrite then costs no more
    // than the edits that made it necessary.
    void Compact() {
        size_t live = size_ - dead_;
        if (dead_ <= live + 16 * Size() + kBlock) {
            return;
        }
        std::vector<std::string> next;
        for (size_t i = 0; i < Size(); ++i) {
            Line& l = At(i);
            if (l.edited) {
                Append(next, l, TextOf(l));
            }
        }
        edits_ = std::move(next);
        size_ = live;
        dead_ = 0;
    }

    static void Append(std::vector<std::string>& blocks, Line& l, std::string_view text) {
        if (blocks.empty() || blocks.back().size() + text.size() > blocks.back().capacity()) {
            blocks.emplace_back().reserve(std::max(kBlock, text.size()));
        }
        std::string& block = blocks.back();
        l.at = (blocks.size() - 1) << 32 | block.size();
        l.len = static_cast<uint32_t>(text.size());
        l.edited = true;
        block.append(text);
    }

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

    std::string file_;               // the module file's bytes as loaded
    std::vector<std::string> edits_; // text of the lines added or replaced since
    size_t size_ = 0;                // bytes stored in edits_
    size_t dead_ = 0;                // of which no line points to
    std::vector<Line> buf_;
    size_t gapStart_ = 0;
    size_t gapEnd_ = 0;
};

} // namespace files
