#pragma once
// Where each procedure of a module lies, kept in step with every edit.
//
// A procedure owns its header (body line) through its end line, plus every line between the
// previous procedure's end line and its header (comments, blank lines, directives): comment
// lines between two procedures belong to the one that follows. Above the first procedure it
// owns only the comment and blank lines back to the last line of the declarations section.
// The lines after the last procedure's end line (trailing blank lines or comments) belong to
// the last procedure: ProcOfLine names it and ProcCountLines counts them.
//
// A header met inside an open procedure (two alternative headers in an #If block) is a body
// line; an end line outside a procedure belongs to the next one's leading lines.
//
// Edits that neither add nor remove a header or an end line only move line numbers. Entries
// in front of a cursor hold absolute lines, entries behind it hold their distance from the
// module's end, so inserting lines at the cursor changes no entry; moving the cursor converts
// the entries it passes. The engine walks downwards, so the cursor's moves add up to one pass.

#include "host/files/LinesBuffer.h"
#include "host/vbide/Types.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace files {

struct ProcEntry {
    std::string name;
    std::string key; // the name folded by the code page
    vbide::ProcKind kind = vbide::ProcKind::Proc;
    bool property = false;
    long body = 0; // encoded: see above
    long end = 0;
    // No end line closes it: it runs to the module's last line wherever that goes, lines
    // appended below it included (and `end` is not read).
    bool open = false;
};

class ProcIndex {
public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    ProcIndex(const LinesBuffer& lines, int codepage) : lines_(lines), codepage_(codepage) {}

    // Scans every line's cached flags again.
    void Rebuild();
    // Lines `first`..`last` (1-based, after the edit) are new or changed, and may add or
    // remove headers or end lines; `delta` lines were added there (negative: removed). Scans
    // again only from the procedure the edit touches until the scan is back in step.
    void Rescan(long first, long last, long delta);
    // Lines from `at` on (1-based, before the edit) moved by `delta`; none of the lines inserted
    // or removed was a header or an end line.
    void Shift(long at, long delta);
    // Line `line` changed in place without touching the procedures: only the declarations'
    // boundary may have moved.
    void Touched(long line);

    // Changes whenever entries may have come, gone or been renumbered (a rescan); an entry
    // number found under one generation holds while the generation stays.
    unsigned long Generation() const { return generation_; }

    size_t Count() const { return procs_.size(); }
    const ProcEntry& Entry(size_t k) const { return procs_[k]; }
    long Body(size_t k) const { return Decode(k, procs_[k].body); }
    long End(size_t k) const { return procs_[k].open ? count_ : Decode(k, procs_[k].end); }
    long Start(size_t k) const { return k == 0 ? DeclarationLines() + 1 : End(k - 1) + 1; }
    // The last line the procedure owns (the module's last line for the last procedure).
    long LastOwned(size_t k) const { return k + 1 < procs_.size() ? End(k) : count_; }

    long DeclarationLines() const;
    size_t Owner(long line) const;
    size_t Find(const std::string& key, vbide::ProcKind kind) const;
    size_t FindAnyKind(const std::string& key) const;

private:
    long Decode(size_t k, long v) const { return k < split_ ? v : count_ - v; }
    void MoveSplit(size_t to);
    // Reads the statement starting at line `i` (0-based), opening or closing an entry of `out`;
    // returns the line after it.
    size_t ScanStatement(size_t i, bool& open, std::vector<ProcEntry>& out,
                         std::vector<std::string_view>& parts) const;
    size_t FirstEndingFrom(long line, size_t lo) const; // first entry from `lo` ending at or after
    // Entries k0..k1-1 are being replaced by `found`: their names in byName_ too.
    void ReplaceNames(size_t k0, size_t k1, const std::vector<ProcEntry>& found);
    // The first entry named `key`, of kind `*kind` unless null.
    size_t FirstNamed(const std::string& key, const vbide::ProcKind* kind) const;

    const LinesBuffer& lines_;
    int codepage_;
    std::vector<ProcEntry> procs_;
    // (hash of the key, entry number) for every entry, in order: a name is looked up by a binary
    // search over integers, then its keys compared. One allocation for all the names.
    std::vector<std::pair<uint32_t, uint32_t>> byName_;
    size_t split_ = 0;
    unsigned long generation_ = 0;
    long count_ = 0;
    mutable long declLines_ = 0;
    mutable bool declDirty_ = true;
    mutable size_t lastOwner_ = 0;
};

} // namespace files
