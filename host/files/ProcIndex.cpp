#include "host/files/ProcIndex.h"

#include "base/CodePage.h"
#include "host/files/ModuleSyntax.h"

#include <algorithm>
#include <functional>

namespace files {

using namespace syntax;

namespace {

// 32 bits of the key's hash: a table of half the size stays in the cache longer, and keys that
// share them are told apart by the comparison that follows anyway.
uint32_t HashOf(const std::string& key) {
    const uint64_t h = std::hash<std::string>{}(key);
    return static_cast<uint32_t>(h ^ (h >> 32));
}

std::pair<uint32_t, uint32_t> NameSlot(const std::string& key, size_t k) {
    return {HashOf(key), static_cast<uint32_t>(k)};
}

} // namespace

size_t ProcIndex::ScanStatement(size_t i, bool& open, std::vector<ProcEntry>& out,
                                std::vector<std::string_view>& parts) const {
    size_t n = lines_.Size();
    size_t j = i;
    while (j + 1 < n && (lines_.At(j).tag & kContinues) && (lines_.At(j + 1).tag & kContinued)) {
        ++j;
    }
    if (lines_.At(i).tag & kMaybe) {
        Statement st;
        if (j == i) {
            st = Classify(lines_.Text(i));
        } else {
            parts.clear();
            for (size_t p = i; p <= j; ++p) {
                parts.push_back(lines_.Text(p));
            }
            st = Classify(JoinContinued(parts));
        }
        if (!open && st.header) {
            ProcEntry e;
            e.key = codepage::Minusculas(st.name, codepage_);
            e.name = std::move(st.name);
            e.kind = st.kind;
            e.property = st.property;
            e.body = static_cast<long>(i) + 1;
            e.open = true;
            out.push_back(std::move(e));
            open = true;
        }
        if (open && st.end) {
            out.back().end = static_cast<long>(j) + 1;
            out.back().open = false;
            open = false;
        }
    }
    return j + 1;
}

void ProcIndex::Rebuild() {
    ++generation_;
    procs_.clear();
    byName_.clear();
    split_ = 0;
    count_ = static_cast<long>(lines_.Size());
    declDirty_ = true;
    bool open = false;
    std::vector<std::string_view> parts;
    // Only a line flagged "maybe" can open or close a procedure, and such a line always begins
    // a statement (a continued line is never flagged): the others are passed by one by one.
    const size_t n = lines_.Size();
    for (size_t i = 0; i < n;) {
        i = (lines_.At(i).tag & kMaybe) ? ScanStatement(i, open, procs_, parts) : i + 1;
    }
    split_ = procs_.size();
    byName_.reserve(procs_.size());
    for (size_t k = 0; k < procs_.size(); ++k) {
        byName_.push_back(NameSlot(procs_[k].key, k));
    }
    std::sort(byName_.begin(), byName_.end());
}

void ProcIndex::ReplaceNames(size_t k0, size_t k1, const std::vector<ProcEntry>& found) {
    const long moved = static_cast<long>(found.size()) - static_cast<long>(k1 - k0);
    if (moved == 0) {
        // Each new entry takes the place of an old one (a header or end line edited): only a
        // name that changed moves in the table, and most edits change none.
        for (size_t t = 0; t < found.size(); ++t) {
            const auto was = NameSlot(procs_[k0 + t].key, k0 + t);
            const auto now = NameSlot(found[t].key, k0 + t);
            if (was != now) {
                byName_.erase(std::lower_bound(byName_.begin(), byName_.end(), was));
                byName_.insert(std::lower_bound(byName_.begin(), byName_.end(), now), now);
            }
        }
        return;
    }
    // Drop the entries replaced and renumber those after them (their order stays), then merge
    // in the new ones.
    std::erase_if(byName_,
                  [k0, k1](const auto& name) { return name.second >= k0 && name.second < k1; });
    for (auto& [hash, k] : byName_) {
        if (k >= k1) {
            k = static_cast<uint32_t>(static_cast<long>(k) + moved);
        }
    }
    const auto kept = static_cast<long>(byName_.size());
    for (size_t t = 0; t < found.size(); ++t) {
        byName_.push_back(NameSlot(found[t].key, k0 + t));
    }
    std::sort(byName_.begin() + kept, byName_.end());
    std::inplace_merge(byName_.begin(), byName_.begin() + kept, byName_.end());
}

size_t ProcIndex::FirstEndingFrom(long line, size_t lo) const {
    size_t hi = procs_.size();
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (End(mid) >= line) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

void ProcIndex::Rescan(long first, long last, long delta) {
    // Procedures ending above the line before the edit keep their place: the scan starts in
    // the open after the last of them. (The line just above may be an end line that the edit
    // continues.)
    ++generation_;
    size_t k0 = FirstEndingFrom(first - 1, 0);
    MoveSplit(k0); // the entries from k0 on hold their distance from the module's end
    long from = k0 == 0 ? 1 : End(k0 - 1) + 1;
    std::vector<ProcEntry> found;
    std::vector<std::string_view> parts;
    bool open = false;
    size_t k1 = procs_.size(); // the old entries that still hold, from here on
    for (size_t i = static_cast<size_t>(from - 1); i < lines_.Size();) {
        long line = static_cast<long>(i) + 1;
        // In step again at a statement outside any procedure, past the edit and its line
        // above, that also began a statement outside any procedure before: from there on the
        // lines are the same, and so is the scan.
        if (!open && line >= last + 2) {
            long before = line - delta; // (still counted before the edit by the old entries)
            size_t k = FirstEndingFrom(before, k0);
            if (k == procs_.size() || Body(k) >= before) {
                k1 = k;
                break;
            }
        }
        i = ScanStatement(i, open, found, parts);
    }
    count_ += delta;
    ReplaceNames(k0, k1, found); // while the entries replaced are still there
    // the new entries count from the top, in front of the split
    size_t common = std::min(found.size(), k1 - k0);
    std::move(found.begin(), found.begin() + static_cast<long>(common),
              procs_.begin() + static_cast<long>(k0));
    if (found.size() > common) {
        procs_.insert(procs_.begin() + static_cast<long>(k1),
                      std::make_move_iterator(found.begin() + static_cast<long>(common)),
                      std::make_move_iterator(found.end()));
    } else {
        procs_.erase(procs_.begin() + static_cast<long>(k0 + common),
                     procs_.begin() + static_cast<long>(k1));
    }
    split_ = k0 + found.size();
    declDirty_ = true;
}

void ProcIndex::MoveSplit(size_t to) {
    while (split_ < to) {
        procs_[split_].body = count_ - procs_[split_].body;
        procs_[split_].end = count_ - procs_[split_].end;
        ++split_;
    }
    while (split_ > to) {
        --split_;
        procs_[split_].body = count_ - procs_[split_].body;
        procs_[split_].end = count_ - procs_[split_].end;
    }
}

void ProcIndex::Shift(long at, long delta) {
    if (procs_.empty() || at <= Body(0)) {
        declDirty_ = true;
    }
    // first procedure whose end line moves
    const size_t lo = FirstEndingFrom(at, 0);
    MoveSplit(lo);
    if (lo < procs_.size() && Body(lo) < at) {
        MoveSplit(lo + 1);
        procs_[lo].end += delta;
    }
    count_ += delta;
}

void ProcIndex::Touched(long line) {
    if (procs_.empty() || line < Body(0)) {
        declDirty_ = true;
    }
}

long ProcIndex::DeclarationLines() const {
    if (!declDirty_) {
        return declLines_;
    }
    if (procs_.empty()) {
        declLines_ = count_;
    } else {
        long i = Body(0) - 1;
        while (i >= 1 && (lines_.At(static_cast<size_t>(i - 1)).tag & kQuiet)) {
            --i;
        }
        declLines_ = i;
    }
    declDirty_ = false;
    return declLines_;
}

size_t ProcIndex::Owner(long line) const {
    if (procs_.empty() || line < Start(0)) {
        return npos;
    }
    // a walk asks about neighbouring lines: try the last answer and the one after it first
    for (size_t k : {lastOwner_, lastOwner_ + 1}) {
        if (k < procs_.size() && Start(k) <= line && line <= LastOwned(k)) {
            return lastOwner_ = k;
        }
    }
    size_t lo = 0;
    size_t hi = procs_.size() - 1;
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (End(mid) >= line) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lastOwner_ = lo;
}

size_t ProcIndex::FirstNamed(const std::string& key, const vbide::ProcKind* kind) const {
    const uint32_t hash = HashOf(key);
    // The entries with this hash, lowest number first; other keys may share it. The hashes are
    // spread evenly, so the search starts where this one would stand and widens from there: a
    // few neighbouring reads instead of a binary search's reads all over a large table.
    const auto wanted = std::make_pair(hash, uint32_t{0});
    const size_t n = byName_.size();
    size_t lo = static_cast<size_t>(uint64_t{hash} * n >> 32);
    size_t hi = lo;
    for (size_t step = 1; lo > 0 && byName_[lo - 1] >= wanted; step *= 2) {
        hi = lo;
        lo = lo > step ? lo - step : 0;
    }
    for (size_t step = 1; hi < n && byName_[hi] < wanted; step *= 2) {
        lo = hi + 1;
        hi = std::min(n, hi + step);
    }
    auto it = std::lower_bound(byName_.begin() + static_cast<long>(lo),
                               byName_.begin() + static_cast<long>(hi), wanted);
    for (; it != byName_.end() && it->first == hash; ++it) {
        const ProcEntry& e = procs_[it->second];
        if (e.key == key && (kind == nullptr || e.kind == *kind)) {
            return it->second;
        }
    }
    return npos;
}

size_t ProcIndex::Find(const std::string& key, vbide::ProcKind kind) const {
    return FirstNamed(key, &kind);
}

size_t ProcIndex::FindAnyKind(const std::string& key) const {
    return FirstNamed(key, nullptr);
}

} // namespace files
