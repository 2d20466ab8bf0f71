#pragma once
// The code lines of a module in a gap buffer: edits cluster at a cursor that moves down the
// module, so moving the gap there costs the distance moved, not the module's size.
//
// A line is a small record pointing at its text: loaded lines point into the file's own bytes,
// kept whole; edited lines point into blocks of edited text. A million-line module is then a
// few large blocks instead of a million small ones.

#include "base/ErrorVB.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace files {

struct Line {
    // Where the text starts: an offset in the file's bytes, or, for edited text, the block
    // (high 16 bits) and the offset in it (low 16 bits).
    uint32_t at = 0;
    uint32_t len = 0; // text length, without the line end
    // The procedure attribute lines that follow this line in the file ("Attribute
    // Item.VB_UserMemId = 0"), hidden from the code: 0 for almost every line, else their place
    // in the buffer plus one (LinesBuffer::Hidden).
    uint32_t hidden = 0;
    // 0 none (last line of a file without final break), 1 LF, 2 CR LF, 3 a lone CR
    unsigned char eol = 0;
    unsigned char tag = 0; // syntax::Tag flags
    bool edited = false;   // the text lies in the edited blocks, not in the file's bytes
};
// A million-line module is a million of these: they stay small and plain (moved as bytes).
static_assert(sizeof(Line) == 16);
static_assert(std::is_trivially_copyable_v<Line>);

class LinesBuffer {
public:
    LinesBuffer() = default;
    // A copy (an editor's snapshot) holds the lines alone, without the gap's spare room.
    LinesBuffer(const LinesBuffer& o)
        : file_(o.file_), edits_(o.edits_), size_(o.size_), dead_(o.dead_), hidden_(o.hidden_),
          freeHidden_(o.freeHidden_) {
        Records(o.Size());
        Copy(o.buf_, 0, o.gapStart_, 0);
        Copy(o.buf_, o.gapEnd_, o.cap_, o.gapStart_);
        gapStart_ = gapEnd_ = cap_;
    }
    LinesBuffer(LinesBuffer&& o) noexcept { Swap(o); }
    LinesBuffer& operator=(LinesBuffer o) noexcept {
        Swap(o);
        return *this;
    }
    ~LinesBuffer() { std::free(buf_); }

    size_t Size() const { return cap_ - (gapEnd_ - gapStart_); }

    Line& At(size_t i) { return buf_[Slot(i)]; }
    const Line& At(size_t i) const { return buf_[Slot(i)]; }
    std::string_view Text(size_t i) const { return TextOf(At(i)); }
    std::string_view TextOf(const Line& l) const {
        if (!l.edited) {
            return std::string_view(file_.data() + l.at, l.len);
        }
        return std::string_view(edits_[l.at >> 16].data() + (l.at & kOffset), l.len);
    }

    // The hidden attribute lines after a line, raw with their line ends: null when none.
    const std::string* HiddenOf(const Line& l) const {
        return l.hidden ? &hidden_[l.hidden - 1] : nullptr;
    }
    // The same, made (empty) when the line had none, for adding to.
    std::string& Hidden(Line& l) {
        if (!l.hidden) {
            if (freeHidden_.empty()) {
                hidden_.emplace_back();
                l.hidden = static_cast<uint32_t>(hidden_.size());
            } else {
                l.hidden = freeHidden_.back();
                freeHidden_.pop_back();
            }
        }
        return hidden_[l.hidden - 1];
    }

    // Loading: the file's bytes, then its lines (each pointing into those bytes).
    void Adopt(std::string bytes) {
        if (bytes.size() > UINT32_MAX) {
            throw ErrorVB(vberr::InvalidFileFormat, "Lines",
                          "un módulo de código no puede pasar de 4 GiB");
        }
        file_ = std::move(bytes);
    }
    const std::string& FileBytes() const { return file_; }
    // Loading: room for `count` lines, replacing any there were, then each line in order.
    // Written in place: a large module's records are never built elsewhere and copied.
    void StartLoad(size_t count) {
        gapStart_ = gapEnd_ = 0;
        Records(count);
        gapEnd_ = cap_;
    }
    void LoadNext(const Line& l) {
        if (gapStart_ == gapEnd_) {
            Grow(1);
        }
        buf_[gapStart_++] = l;
    }
    // The line loaded last (there is one).
    Line& LastLoaded() { return buf_[gapStart_ - 1]; }
    // A line for Insert(), its text copied into the edited blocks.
    Line Make(std::string_view text, unsigned char eol, unsigned char tag) {
        Line l;
        Store(l, text);
        l.eol = eol;
        l.tag = tag;
        return l;
    }

    // Inserts `lines` in front of position `at` (0-based).
    void Insert(size_t at, const std::vector<Line>& lines) {
        MoveGap(at);
        if (gapEnd_ - gapStart_ < lines.size()) {
            Grow(lines.size());
        }
        std::copy(lines.begin(), lines.end(), buf_ + gapStart_);
        gapStart_ += lines.size();
    }

    // Removes `count` lines from position `at`; their hidden attribute lines go to `hidden`.
    void Erase(size_t at, size_t count, std::vector<std::string>* hidden = nullptr) {
        MoveGap(at);
        for (size_t i = 0; i < count; ++i) {
            Line& gone = buf_[gapEnd_ + i];
            Forget(gone);
            if (gone.hidden) {
                std::string& text = hidden_[gone.hidden - 1];
                if (hidden) {
                    hidden->push_back(std::move(text));
                }
                text = std::string();
                freeHidden_.push_back(gone.hidden);
                gone.hidden = 0;
            }
        }
        gapEnd_ += count;
        Compact();
    }

    void SetText(size_t i, std::string_view text) {
        Line& l = At(i);
        if (l.edited && text.size() <= l.len) {
            // no longer than before: overwrite in place
            std::string& block = edits_[l.at >> 16];
            std::copy(text.begin(), text.end(), block.begin() + static_cast<long>(l.at & kOffset));
            dead_ += l.len - text.size();
            l.len = static_cast<uint32_t>(text.size());
            return;
        }
        Forget(l);
        Store(l, text);
        Compact();
    }

private:
    // Blocks small enough for the allocator's pool: freed by one module, reused by the next,
    // and appending never copies what is already stored.
    static constexpr size_t kBlock = 64 * 1024;
    static constexpr uint32_t kOffset = 0xFFFF;
    static constexpr size_t kMaxBlocks = 0x10000;

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
        if (dead_ > size_ - dead_ + 16 * Size() + kBlock) {
            Rewrite();
        }
    }
    // Kept apart from the check above, which every edit makes: that one stays inline.
    [[gnu::noinline]] void Rewrite() {
        const size_t live = size_ - dead_;
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

    // Text goes at the end of the last block while it fits without moving what the block
    // holds, and starts below 64 KiB (its offset is 16 bits); a longer text has a block of its
    // own.
    static void Append(std::vector<std::string>& blocks, Line& l, std::string_view text) {
        if (blocks.empty() || blocks.back().size() >= kBlock ||
            blocks.back().size() + text.size() > blocks.back().capacity()) {
            if (blocks.size() == kMaxBlocks) {
                throw ErrorVB(vberr::InvalidProcedureCall, "Lines",
                              "el código editado de un módulo no puede pasar de 4 GiB");
            }
            blocks.emplace_back().reserve(std::max(kBlock, text.size()));
        }
        std::string& block = blocks.back();
        l.at = static_cast<uint32_t>((blocks.size() - 1) << 16 | block.size());
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
        auto slot = [&](size_t i) { return buf_ + i; };
        if (gapStart_ > at) {
            std::copy_backward(slot(at), slot(gapStart_), slot(gapEnd_));
            gapEnd_ -= gapStart_ - at;
            gapStart_ = at;
        } else if (gapStart_ < at) {
            std::copy(slot(gapEnd_), slot(gapEnd_ + (at - gapStart_)), slot(gapStart_));
            gapEnd_ += at - gapStart_;
            gapStart_ = at;
        }
    }

    // Makes the gap at least `need` records long. The block at least doubles, so that a module
    // that keeps growing copies each record a few times in all. The lines before the gap and
    // those after it are copied once each, straight to their places in the new block; the gap
    // is left unwritten.
    void Grow(size_t need) {
        const size_t tail = cap_ - gapEnd_;
        const size_t cap = std::max(Size() + need, std::max<size_t>(cap_ * 2, 64));
        Line* next = static_cast<Line*>(std::malloc(cap * sizeof(Line)));
        if (next == nullptr) {
            throw std::bad_alloc();
        }
        std::swap(buf_, next);
        Copy(next, 0, gapStart_, 0);
        Copy(next, gapEnd_, gapEnd_ + tail, cap - tail);
        std::free(next);
        gapEnd_ = cap - tail;
        cap_ = cap;
    }

    // Resizes the block to `count` records; what it held stays (as far as it fits), the rest
    // is left unwritten.
    void Records(size_t count) {
        if (count == 0) {
            std::free(buf_);
            buf_ = nullptr;
            cap_ = 0;
            return;
        }
        void* next = std::realloc(buf_, count * sizeof(Line));
        if (next == nullptr) {
            throw std::bad_alloc();
        }
        buf_ = static_cast<Line*>(next);
        cap_ = count;
    }

    // Records [from, to) of `source` to `at` and on.
    void Copy(const Line* source, size_t from, size_t to, size_t at) {
        if (to > from) {
            std::memcpy(buf_ + at, source + from, (to - from) * sizeof(Line));
        }
    }

    void Swap(LinesBuffer& o) noexcept {
        std::swap(file_, o.file_);
        std::swap(edits_, o.edits_);
        std::swap(size_, o.size_);
        std::swap(dead_, o.dead_);
        std::swap(hidden_, o.hidden_);
        std::swap(freeHidden_, o.freeHidden_);
        std::swap(buf_, o.buf_);
        std::swap(cap_, o.cap_);
        std::swap(gapStart_, o.gapStart_);
        std::swap(gapEnd_, o.gapEnd_);
    }

    std::string file_;                 // the module file's bytes as loaded
    std::vector<std::string> edits_;   // text of the lines added or replaced since
    size_t size_ = 0;                  // bytes stored in edits_
    size_t dead_ = 0;                  // of which no line points to
    std::vector<std::string> hidden_;  // hidden attribute lines, by Line::hidden - 1
    std::vector<uint32_t> freeHidden_; // places in hidden_ no line uses
    Line* buf_ = nullptr; // cap_ records: the lines before the gap, the gap, the lines after it
    size_t cap_ = 0;
    size_t gapStart_ = 0;
    size_t gapEnd_ = 0;
};

} // namespace files
