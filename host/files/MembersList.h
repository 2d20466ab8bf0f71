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
#include <unordered_map>
#include <vector>

namespace files {

class MembersList;

class MemberEntry : public vbide::Member {
public:
    MemberEntry(const MembersList& owner, std::string name, vbide::MemberType type)
        : owner_(owner), name_(std::move(name)), type_(type) {}
    std::string Name() const override { return name_; }
    vbide::MemberType Type() const override { return type_; }
    long CodeLocation() const override;

private:
    friend class MembersList;
    const MembersList& owner_;
    std::string name_;
    vbide::MemberType type_;
    long line_ = 0;                 // declarations: the statement's line
    size_t proc_ = ProcIndex::npos; // procedures: index entry
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
    void Add(const std::string& name, vbide::MemberType type, long line,
             size_t proc = ProcIndex::npos) const;
    void ScanDeclarations() const;

    const LinesBuffer& lines_;
    const ProcIndex& index_;
    int codepage_;
    mutable bool dirty_ = true;
    mutable std::unordered_map<std::string, std::unique_ptr<MemberEntry>> pool_; // folded name
    mutable std::vector<MemberEntry*> order_;
    mutable std::vector<std::unique_ptr<MemberEntry>> retired_;
};

} // namespace files
