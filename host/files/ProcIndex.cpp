#include "host/files/ProcIndex.h"

#include "ClsErrores/CodePage.h"
#include "host/files/ModuleSyntax.h"

namespace files {

using namespace syntax;

void ProcIndex::Rebuild() {
    procs_.clear();
    byName_.clear();
    split_ = 0;
    count_ = static_cast<long>(lines_.Size());
    declDirty_ = true;
    bool open = false;
    std::vector<std::string_view> parts;
    size_t n = lines_.Size();
    for (size_t i = 0; i < n;) {
        size_t j = i;
        while (j + 1 < n && (lines_.At(j).tag & kContinues) &&
               (lines_.At(j + 1).tag & kContinued)) {
            ++j;
        }
        if (lines_.At(i).tag & kMaybe) {
            Statement st;
            if (j == i) {
                st = Classify(lines_.At(i).text);
            } else {
                parts.clear();
                for (size_t p = i; p <= j; ++p) {
                    parts.push_back(lines_.At(p).text);
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
                e.end = static_cast<long>(n);
                procs_.push_back(std::move(e));
                open = true;
            }
            if (open && st.end) {
                procs_.back().end = static_cast<long>(j) + 1;
                open = false;
            }
        }
        i = j + 1;
    }
    split_ = procs_.size();
    for (size_t k = 0; k < procs_.size(); ++k) {
        byName_[procs_[k].key].push_back(k);
    }
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
    size_t lo = 0;
    size_t hi = procs_.size();
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (End(mid) >= at) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
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

size_t ProcIndex::Find(const std::string& key, vbide::ProcKind kind) const {
    auto it = byName_.find(key);
    if (it == byName_.end()) {
        return npos;
    }
    for (size_t k : it->second) {
        if (procs_[k].kind == kind) {
            return k;
        }
    }
    return npos;
}

size_t ProcIndex::FindAnyKind(const std::string& key) const {
    auto it = byName_.find(key);
    return it == byName_.end() ? npos : it->second.front();
}

} // namespace files
