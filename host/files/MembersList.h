#pragma once
// The members of one code module, in line order: the declarations section's variables (type 3),
// constants (5), Event declarations (4) and Declare statements (1, method: they are called like
// one), then the procedures: Sub and Function as methods (1), Property Get/Let/Set as one
// property member (2) per name. Type and Enum blocks are not members.
//
// The list is rebuilt only when the declarations or the procedures change; member objects live
// as long as the module, so a reference taken before an edit stays usable.

#include "host/files/ProcIndex.h"
#include "host/vbide/Members.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace files {

class MembersList;

class MemberEntry : public vbide::Member {
public:
    std::string Name() const override { return name_; }
    vbide::MemberType Type() const override { return type_; }
    long CodeLocation() const override;

private:
    friend class MembersList;
    const MembersList* owner_ = nullptr;
    std::string name_;
    std::string key_; // the name folded by the code page
    vbide::MemberType type_ = vbide::MemberType::Method;
    long line_ = 0;                 // declarations: the statement's line
    size_t proc_ = ProcIndex::npos; // procedures: index entry
    size_t at_ = 0;                 // its place in the list
    bool gone_ = false;
};

class MembersList : public vbide::Members {
public:
    MembersList(const LinesBuffer& lines, const ProcIndex& index, int codepage)
        : lines_(lines), index_(index), codepage_(codepage) {}

    void Invalidate() { dirty_ = true; }

    long Count() const override;
    vbide::Member& Item(long index) override;
    vbide::Member& Item(const std::string& name) override;

private:
    friend class MemberEntry;
    void Refresh() const;
    void Add(std::string_view name, std::string_view key, vbide::MemberType type, long line,
             size_t proc = ProcIndex::npos) const;
    void ScanDeclarations() const;
    MemberEntry& Make() const;

    const LinesBuffer& lines_;
    const ProcIndex& index_;
    int codepage_;
    mutable bool dirty_ = true;
    // Every member object ever made, in blocks that never move: a caller may hold any of them,
    // even one whose name has gone or changed kind.
    static constexpr size_t kChunk = 64;
    mutable std::vector<std::unique_ptr<MemberEntry[]>> store_;
    mutable size_t made_ = 0;
    // The current member of each folded name, keyed by that member's own folded name.
    mutable std::unordered_map<std::string_view, MemberEntry*> table_;
    mutable std::vector<MemberEntry*> order_;
    mutable size_t lastItem_ = 0; // where in order_ the last member found by name stands
};

} // namespace files
