#include "host/files/MembersList.h"

#include "base/CodePage.h"
#include "base/ErrorVB.h"
#include "host/files/ModuleSyntax.h"

namespace files {

using namespace syntax;
using vbide::MemberType;

namespace {

bool IsScope(std::string_view w) {
    return SameWord(w, "Public") || SameWord(w, "Private") || SameWord(w, "Global") ||
           SameWord(w, "Friend") || SameWord(w, "Dim") || SameWord(w, "Static");
}

// "a As Long, b() As String" -> a, b: the names of a Dim-like or Const list.
std::vector<std::string_view> DeclaredNames(std::string_view list) {
    std::vector<std::string_view> out;
    int depth = 0;
    bool quoted = false;
    size_t from = 0;
    for (size_t i = 0; i <= list.size(); ++i) {
        char c = i < list.size() ? list[i] : ',';
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '(') {
            ++depth;
        } else if (!quoted && c == ')') {
            --depth;
        } else if (!quoted && depth <= 0 && c == ',') {
            std::string_view item = TrimBlanks(list.substr(from, i - from));
            std::string_view w = NextWord(item);
            if (SameWord(w, "WithEvents")) {
                w = NextWord(item);
            }
            size_t n = 0;
            while (n < w.size() && w[n] != '(' && w[n] != '=' && w[n] != '%' && w[n] != '&' &&
                   w[n] != '$' && w[n] != '!' && w[n] != '#' && w[n] != '@') {
                ++n;
            }
            if (n > 0) {
                out.push_back(w.substr(0, n));
            }
            from = i + 1;
        }
    }
    return out;
}

std::string_view NameBeforeParen(std::string_view rest) {
    std::string_view w = NextWord(rest);
    size_t p = w.find('(');
    return p == std::string_view::npos ? w : w.substr(0, p);
}

} // namespace

long MemberEntry::CodeLocation() const {
    owner_->Refresh();
    if (gone_) {
        throw ErrorVB(vberr::SubscriptOutOfRange, "Members",
                      "El miembro " + codepage::AUtf8(name_, owner_->codepage_) +
                          " ya no existe en el módulo");
    }
    return proc_ != ProcIndex::npos ? owner_->index_.Body(proc_) : line_;
}

MemberEntry& MembersList::Make() const {
    if (made_ == store_.size() * kChunk) {
        store_.push_back(std::make_unique<MemberEntry[]>(kChunk));
    }
    MemberEntry& m = store_[made_ / kChunk][made_ % kChunk];
    ++made_;
    m.owner_ = this;
    return m;
}

void MembersList::Add(std::string_view name, std::string_view key, MemberType type, long line,
                      size_t proc) const {
    auto found = table_.find(key);
    MemberEntry* m = found == table_.end() ? nullptr : found->second;
    if (m && !m->gone_) {
        return; // the first declaration of a name wins
    }
    if (!m || m->type_ != type) {
        // a new object: the old one stays, gone, for the callers that may still hold it
        m = &Make();
        m->key_ = key;
        m->type_ = type;
        if (found != table_.end()) {
            table_.erase(found);
        }
        table_.emplace(m->key_, m);
    }
    m->gone_ = false;
    m->name_ = name;
    m->line_ = line;
    m->proc_ = proc;
    m->at_ = order_.size();
    order_.push_back(m);
}

void MembersList::ScanDeclarations() const {
    long decl = index_.DeclarationLines();
    bool inBlock = false; // inside Type ... End Type or Enum ... End Enum
    auto AddFolded = [&](std::string_view name, MemberType type, long line) {
        Add(name, codepage::Minusculas(name, codepage_), type, line);
    };
    std::vector<std::string_view> parts;
    for (long i = 1; i <= decl;) {
        long j = i;
        while (j < decl && (lines_.At(j - 1).tag & kContinues) && (lines_.At(j).tag & kContinued)) {
            ++j;
        }
        const Line& first = lines_.At(i - 1);
        long line = i;
        i = j + 1;
        if (first.tag & kQuiet) {
            continue;
        }
        parts.clear();
        for (long p = line; p <= j; ++p) {
            parts.push_back(lines_.Text(p - 1));
        }
        std::string logical = JoinContinued(parts);
        for (std::string_view stmt : Statements(logical)) {
            std::string_view rest = stmt;
            std::string_view w = NextWord(rest);
            if (inBlock) {
                if (SameWord(w, "End")) {
                    std::string_view what = NextWord(rest);
                    inBlock = !(SameWord(what, "Type") || SameWord(what, "Enum"));
                }
                continue;
            }
            bool scoped = false;
            while (IsScope(w)) {
                scoped = true;
                w = NextWord(rest);
            }
            if (SameWord(w, "Type") || SameWord(w, "Enum")) {
                inBlock = true;
            } else if (SameWord(w, "Const")) {
                for (std::string_view n : DeclaredNames(rest)) {
                    AddFolded(n, MemberType::Const, line);
                }
            } else if (SameWord(w, "Event")) {
                AddFolded(NameBeforeParen(rest), MemberType::Event, line);
            } else if (SameWord(w, "Declare")) {
                NextWord(rest); // Sub or Function
                AddFolded(NameBeforeParen(rest), MemberType::Method, line);
            } else if (scoped && !w.empty() && !SameWord(w, "Sub") && !SameWord(w, "Function") &&
                       !SameWord(w, "Property") && !SameWord(w, "Enum") && !SameWord(w, "Type")) {
                std::string list(w);
                list += ' ';
                list += rest;
                for (std::string_view n : DeclaredNames(list)) {
                    AddFolded(n, MemberType::Variable, line);
                }
            }
        }
    }
}

void MembersList::Refresh() const {
    if (!dirty_) {
        return;
    }
    for (auto& [key, m] : table_) {
        m->gone_ = true;
        m->proc_ = ProcIndex::npos;
    }
    order_.clear();
    table_.reserve(index_.Count()); // the procedures at least: one table, not a rehash per doubling
    ScanDeclarations();
    for (size_t k = 0; k < index_.Count(); ++k) {
        const ProcEntry& e = index_.Entry(k);
        // Property Get/Let/Set of one name make one member: the first one wins. The index has
        // folded the name already, with the same code page.
        Add(e.name, e.key, e.property ? MemberType::Property : MemberType::Method, 0, k);
    }
    dirty_ = false;
}

long MembersList::Count() const {
    Refresh();
    return static_cast<long>(order_.size());
}

vbide::Member& MembersList::Item(long index) {
    Refresh();
    if (index < 1 || index > static_cast<long>(order_.size())) {
        throw ErrorVB(vberr::SubscriptOutOfRange, "Members",
                      "No hay miembro número " + std::to_string(index) + " (el módulo tiene " +
                          std::to_string(order_.size()) + ")");
    }
    return *order_[static_cast<size_t>(index - 1)];
}

vbide::Member& MembersList::Item(const std::string& name) {
    Refresh();
    const std::string key = codepage::Minusculas(name, codepage_);
    // Callers mostly go down the module asking for one member after another: the one after the
    // last answer is tried before the table, whose lookups in a large module miss the cache.
    // Every member listed is its name's current one.
    for (size_t k : {lastItem_ + 1, lastItem_}) {
        if (k < order_.size() && order_[k]->key_ == key) {
            lastItem_ = k;
            return *order_[k];
        }
    }
    auto found = table_.find(key);
    if (found == table_.end() || found->second->gone_) {
        throw ErrorVB(vberr::SubscriptOutOfRange, "Members",
                      "El módulo no tiene ningún miembro llamado \"" + name + "\"");
    }
    lastItem_ = found->second->at_;
    return *found->second;
}

} // namespace files
