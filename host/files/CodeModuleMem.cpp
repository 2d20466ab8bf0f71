#include "host/files/CodeModuleMem.h"

#include "base/CodePage.h"
#include "base/ErrorVB.h"
#include "host/files/ModuleSyntax.h"

#include <algorithm>
#include <cstring>

namespace files {

using namespace syntax;

namespace {

// What of a line's flags the flags of the line below depend on (see syntax::TagOf).
unsigned char ReadBelow(unsigned char tag) {
    return (tag & kContinues) ? (tag & (kContinues | kQuiet)) : 0;
}

// Where the first CR or LF from `from` stands, or the text's size. Eight bytes at a time:
// xor with a repeated CR (or LF) turns those bytes, and only them, into zeros, which the borrow
// trick finds without a branch per byte. (find_first_of calls memchr for every byte.)
size_t LineEnd(std::string_view text, size_t from) {
    constexpr uint64_t kOnes = 0x0101010101010101;
    constexpr uint64_t kHigh = kOnes * 0x80;
    size_t i = from;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t x;
        std::memcpy(&x, text.data() + i, 8);
        const uint64_t cr = x ^ (kOnes * '\r');
        const uint64_t lf = x ^ (kOnes * '\n');
        if (((cr - kOnes) & ~cr & kHigh) | ((lf - kOnes) & ~lf & kHigh)) {
            break;
        }
    }
    while (i < text.size() && text[i] != '\r' && text[i] != '\n') {
        ++i;
    }
    return i;
}

} // namespace

CodeModuleMem::CodeModuleMem(const std::string& name, int codepage, std::string eol)
    : name_(name), codepage_(codepage), eol_(std::move(eol)), eolCode_(eol_ == "\n"   ? 1
                                                                       : eol_ == "\r" ? 3
                                                                                      : 2),
      index_(lines_, codepage), members_(lines_, index_, codepage) {}

void CodeModuleMem::Loaded() {
    index_.Rebuild();
    members_.Invalidate();
}

void CodeModuleMem::OutOfRange(const char* op, long line) const {
    throw ErrorVB(vberr::SubscriptOutOfRange, op,
                  std::string(op) + ": la línea " + std::to_string(line) + " no existe en " +
                      codepage::AUtf8(name_, codepage_) + ", que tiene " +
                      std::to_string(CountOfLines()) + " líneas");
}

std::string CodeModuleMem::Lines(long start, long count) const {
    if (count < 0) {
        throw ErrorVB(vberr::InvalidProcedureCall, "Lines",
                      "Lines: el número de líneas no puede ser negativo (" + std::to_string(count) +
                          ")");
    }
    if (start < 1 || start + count - 1 > CountOfLines() ||
        (count == 0 && start > CountOfLines() + 1)) {
        OutOfRange("Lines", start < 1 || start > CountOfLines() ? start : start + count - 1);
    }
    if (count == 1) {
        return std::string(lines_.Text(static_cast<size_t>(start - 1)));
    }
    std::string out;
    for (long i = start; i < start + count; ++i) {
        if (i > start) {
            out += "\r\n";
        }
        out += lines_.Text(static_cast<size_t>(i - 1));
    }
    return out;
}

std::string_view CodeModuleMem::Line(long line) const {
    if (line < 1 || line > CountOfLines()) {
        OutOfRange("Lines", line); // the error Lines(line, 1) gives
    }
    return lines_.Text(static_cast<size_t>(line - 1));
}

unsigned char CodeModuleMem::TagOfCached(std::string_view text, unsigned char above) {
    above = ReadBelow(above);
    // the length, the characters at the end, in the middle and near the start, and what the
    // line above passes down: the lines of one block fall into different slots (the tenth
    // character tells apart the start and end markers, which are alike elsewhere)
    const size_t n = text.size();
    const size_t mix =
        n * 7 + above * 131 +
        (n == 0 ? 0
                : static_cast<unsigned char>(text[n / 2]) * 3u +
                      static_cast<unsigned char>(text[n - 1]) * 5u +
                      static_cast<unsigned char>(text[n / 4]) +
                      static_cast<unsigned char>(text[std::min<size_t>(9, n - 1)]) * 11u);
    Tagged& slot = tagged_[mix % tagged_.size()];
    if (slot.above != above || slot.text != text) {
        slot.text.assign(text);
        slot.above = above;
        slot.tag = TagOf(text, above);
    }
    return slot.tag;
}

// Text from a caller is split into lines at every CR LF, lone LF or lone CR, as a file is read:
// a lone CR kept inside a line would be a line end when the module is saved and read again.
void CodeModuleMem::MakeLines(std::string_view text, unsigned char above) {
    added_.clear();
    size_t from = 0;
    while (true) {
        const size_t i = LineEnd(text, from);
        const std::string_view piece = text.substr(from, i - from);
        const unsigned char tag = TagOfCached(piece, above);
        above = tag;
        added_.push_back(lines_.Make(piece, eolCode_, tag));
        if (i == text.size()) {
            break; // after a final break: one more, empty, line
        }
        from = i + (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1);
    }
}

bool CodeModuleMem::StatementStartMaybe(long line) const {
    while (line > 1 && (lines_.At(static_cast<size_t>(line - 1)).tag & kContinued)) {
        --line;
    }
    return line >= 1 && (lines_.At(static_cast<size_t>(line - 1)).tag & kMaybe);
}

// Re-tags from `from` down while the flags keep changing (a continuation added or removed
// above changes the lines below). Returns the last line whose flags changed, or 0.
long CodeModuleMem::Retag(long from) {
    long changed = 0;
    for (long i = from; i <= CountOfLines(); ++i) {
        unsigned char above = i > 1 ? lines_.At(static_cast<size_t>(i - 2)).tag : 0;
        files::Line& l = lines_.At(static_cast<size_t>(i - 1));
        unsigned char t = TagOf(lines_.TextOf(l), above);
        if (t == l.tag) {
            break;
        }
        l.tag = t;
        changed = i;
    }
    return changed;
}

void CodeModuleMem::AfterEdit(long first, long last, long at, long delta, bool structural,
                              long declBefore) {
    version_ = ++lastVersion_;
    if (structural) {
        // a header or an end line came or went: scan that stretch again
        index_.Rescan(first, last, delta);
        members_.Invalidate();
        Reattach();
    } else if (delta != 0) {
        index_.Shift(at, delta);
    } else {
        index_.Touched(at);
    }
    // The declarations' members change when their lines do, and also when the section grows
    // or shrinks below the edit: a Dim typed among the comments above the first header joins
    // the declarations without any header moving.
    if (first <= declBefore + 1 || index_.DeclarationLines() != declBefore) {
        members_.Invalidate();
    }
}

void CodeModuleMem::InsertLines(long line, const std::string& text) {
    if (line < 1 || line > CountOfLines() + 1) {
        OutOfRange("InsertLines", line);
    }
    long declBefore = index_.DeclarationLines();
    unsigned char above = line > 1 ? lines_.At(static_cast<size_t>(line - 2)).tag : 0;
    MakeLines(text, above);
    long count = static_cast<long>(added_.size());
    bool structural = (added_.front().tag & kContinued) && StatementStartMaybe(line - 1);
    for (const files::Line& l : added_) {
        structural = structural || (l.tag & kMaybe);
    }
    Antes();
    lines_.Insert(static_cast<size_t>(line - 1), added_);
    long retagged = Retag(line + count);
    structural = retagged != 0 || structural;
    AfterEdit(line, std::max(line + count - 1, retagged), line, count, structural, declBefore);
    Despues(line, 0, count);
}

void CodeModuleMem::DeleteLines(long start, long count) {
    if (count < 0) {
        throw ErrorVB(vberr::InvalidProcedureCall, "DeleteLines",
                      "DeleteLines: el número de líneas no puede ser negativo (" +
                          std::to_string(count) + ")");
    }
    if (count == 0) {
        return;
    }
    if (start < 1 || start + count - 1 > CountOfLines()) {
        OutOfRange("DeleteLines", start < 1 || start > CountOfLines() ? start : start + count - 1);
    }
    long declBefore = index_.DeclarationLines();
    bool structural = (lines_.At(static_cast<size_t>(start - 1)).tag & kContinued) &&
                      StatementStartMaybe(start - 1);
    for (long i = start; i < start + count && !structural; ++i) {
        structural = lines_.At(static_cast<size_t>(i - 1)).tag & kMaybe;
    }
    Antes();
    lines_.Erase(static_cast<size_t>(start - 1), static_cast<size_t>(count), &orphans_);
    long retagged = Retag(start);
    structural = retagged != 0 || structural;
    AfterEdit(start, std::max(start - 1, retagged), start + count, -count, structural, declBefore);
    Despues(start, count, 0);
}

void CodeModuleMem::ReplaceLine(long line, const std::string& text) {
    if (line < 1 || line > CountOfLines()) {
        OutOfRange("ReplaceLine", line);
    }
    if (text.find('\n') != std::string::npos || text.find('\r') != std::string::npos) {
        // A break inside the text would become a line the index never saw: make it real
        // lines. The hidden attribute lines go after the last of them.
        uint32_t hidden = std::exchange(lines_.At(static_cast<size_t>(line - 1)).hidden, 0u);
        DeleteLines(line, 1);
        long before = CountOfLines();
        InsertLines(line, text);
        long last = line + (CountOfLines() - before) - 1;
        lines_.At(static_cast<size_t>(last - 1)).hidden = hidden;
        return;
    }
    long declBefore = index_.DeclarationLines();
    const files::Line& l = lines_.At(static_cast<size_t>(line - 1));
    unsigned char above = line > 1 ? lines_.At(static_cast<size_t>(line - 2)).tag : 0;
    const std::optional<unsigned char> kept = TagAfterNumber(lines_.TextOf(l), l.tag, text);
    unsigned char tag = kept ? *kept : TagOf(text, above);
    bool structural =
        ((l.tag | tag) & kMaybe) || ((tag & kContinued) && StatementStartMaybe(line - 1));
    const unsigned char before = l.tag;
    Antes();
    lines_.SetText(static_cast<size_t>(line - 1), text);
    lines_.At(static_cast<size_t>(line - 1)).tag = tag;
    // The line below reads only whether this one continues (and then whether it is a comment):
    // while that stays, so do the flags of every line below.
    long retagged = ReadBelow(before) == ReadBelow(tag) ? 0 : Retag(line + 1);
    structural = retagged != 0 || structural;
    AfterEdit(line, std::max(line, retagged), line, 0, structural, declBefore);
    Despues(line, 1, 1);
}

void CodeModuleMem::Restaura(const Instantanea& foto) {
    Antes();
    const long antes = CountOfLines();
    lines_ = foto.lines;
    orphans_ = foto.orphans;
    last_ = Buscado{};
    index_.Rebuild();
    members_.Invalidate();
    version_ = foto.version;
    Despues(1, antes, CountOfLines());
}

void CodeModuleMem::AddFromString(const std::string& text) {
    InsertLines(CountOfDeclarationLines() + 1, text);
}

size_t CodeModuleMem::Proc(const std::string& name, vbide::ProcKind kind, const char* op) const {
    if (last_.entry != ProcIndex::npos && last_.generation == index_.Generation() &&
        last_.kind == kind && last_.name == name) {
        return last_.entry;
    }
    size_t k = index_.Find(codepage::Minusculas(name, codepage_), kind);
    if (k == ProcIndex::npos) {
        static const char* const kinds[] = {"", " (Property Let)", " (Property Set)",
                                            " (Property Get)"};
        int i = static_cast<int>(kind);
        throw ErrorVB(vberr::ProcedureNotFound, op,
                      std::string(op) + ": el módulo " + codepage::AUtf8(name_, codepage_) +
                          " no tiene el procedimiento " + codepage::AUtf8(name, codepage_) +
                          (i >= 0 && i <= 3 ? kinds[i] : ""));
    }
    last_.name = name;
    last_.kind = kind;
    last_.entry = k;
    last_.generation = index_.Generation();
    return k;
}

long CodeModuleMem::ProcStartLine(const std::string& name, vbide::ProcKind kind) const {
    return index_.Start(Proc(name, kind, "ProcStartLine"));
}

long CodeModuleMem::ProcCountLines(const std::string& name, vbide::ProcKind kind) const {
    size_t k = Proc(name, kind, "ProcCountLines");
    return index_.LastOwned(k) - index_.Start(k) + 1;
}

long CodeModuleMem::ProcBodyLine(const std::string& name, vbide::ProcKind kind) const {
    return index_.Body(Proc(name, kind, "ProcBodyLine"));
}

std::string CodeModuleMem::ProcOfLine(long line, vbide::ProcKind* kind) const {
    if (line < 1 || line > CountOfLines()) {
        OutOfRange("ProcOfLine", line);
    }
    size_t k = index_.Owner(line);
    if (kind) {
        *kind = k == ProcIndex::npos ? vbide::ProcKind::Proc : index_.Entry(k).kind;
    }
    return k == ProcIndex::npos ? std::string() : index_.Entry(k).name;
}

void CodeModuleMem::Reattach() {
    for (size_t o = 0; o < orphans_.size();) {
        // "Attribute Item.VB_UserMemId = 0": the name runs to the dot
        std::string_view raw = orphans_[o];
        std::string_view rest = raw;
        NextWord(rest);
        std::string_view name = rest.substr(0, rest.find('.'));
        size_t k = index_.FindAnyKind(codepage::Minusculas(name, codepage_));
        if (k == ProcIndex::npos) {
            ++o;
            continue;
        }
        long last = index_.Body(k);
        while (last < CountOfLines() &&
               (lines_.At(static_cast<size_t>(last - 1)).tag & kContinues) &&
               (lines_.At(static_cast<size_t>(last)).tag & kContinued)) {
            ++last;
        }
        lines_.Hidden(lines_.At(static_cast<size_t>(last - 1))).append(orphans_[o]);
        orphans_.erase(orphans_.begin() + static_cast<long>(o));
    }
}

void CodeModuleMem::AppendTo(std::string& out) const {
    const size_t n = lines_.Size();
    size_t bytes = 0;
    bool anyHidden = false;
    for (size_t i = 0; i < n; ++i) {
        const files::Line& l = lines_.At(i);
        bytes += l.len + 2;
        anyHidden = anyHidden || l.hidden;
    }
    if (anyHidden) {
        for (size_t i = 0; i < n; ++i) {
            if (const std::string* hidden = lines_.HiddenOf(lines_.At(i))) {
                bytes += hidden->size() + 2;
            }
        }
    }
    // Sized once, written through a pointer: appending piece by piece costs a check and a call
    // per piece, which for short lines is more than the copying. The size is an upper bound
    // (every line end counted as CR LF); the text is cut to what was written.
    const size_t start = out.size();
    out.resize(start + bytes);
    char* const begin = out.data();
    char* p = begin + start;
    auto put = [&p](std::string_view t) {
        std::memcpy(p, t.data(), t.size());
        p += t.size();
    };
    for (size_t i = 0; i < n; ++i) {
        const files::Line& l = lines_.At(i);
        const std::string* hidden = lines_.HiddenOf(l);
        put(lines_.TextOf(l));
        unsigned char eol = l.eol;
        if (eol == 0 && (i + 1 < n || hidden)) {
            eol = eolCode_; // no longer the file's last line
        }
        if (eol == 2) {
            p[0] = '\r';
            p[1] = '\n';
            p += 2;
        } else if (eol == 1) {
            // An empty line's LF right after a lone CR would read back as one CR LF with it: the
            // empty line would be gone once saved. Its end becomes CR LF.
            if (p != begin && p[-1] == '\r') {
                *p++ = '\r';
            }
            *p++ = '\n';
        } else if (eol == 3) {
            *p++ = '\r';
        }
        if (hidden) {
            put(*hidden);
            if (i + 1 < n && !hidden->empty() && hidden->back() != '\n' && hidden->back() != '\r') {
                put(eol_);
            }
        }
    }
    out.resize(static_cast<size_t>(p - begin));
}

} // namespace files
