#pragma once
// The project's references: "Reference=" lines (type libraries and other projects) and
// "Object=" lines (controls), in project-file order.
//
// The environment names a reference after its type library, which cannot be read here. A library
// known by its GUID gets its own name ("stdole" for stdole2.tlb, "MSComctlLib" for MSCOMCTL.OCX);
// any other the stem of its file ("Otro" for a reference to Otro.vbp), and when the line has no
// file, the description, and failing that the GUID.

#include "host/vbide/Project.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

class Reference : public vbide::Reference {
public:
    std::string Name() const override { return name_; }
    std::string Guid() const override { return guid_; }
    long Major() const override { return major_; }
    long Minor() const override { return minor_; }
    // The library's file resolved against the project's folder when it exists there, otherwise
    // as the project file writes it.
    std::string FullPath() const override { return fullPath_; }
    // The text after the last "#" of a "Reference=" line ("OLE Automation").
    std::string Description() const { return description_; }

    // Reads the value of a "Reference=" or "Object=" line; nothing when it is not a reference.
    static std::optional<Reference> Parse(std::string_view key, std::string_view value,
                                          const std::filesystem::path& folder, int codepage);

private:
    std::string name_, guid_, fullPath_, description_;
    long major_ = 0, minor_ = 0;
};

class References : public vbide::References {
public:
    explicit References(int codepage) : codepage_(codepage) {}
    long Count() const override { return long(items_.size()); }
    vbide::Reference& Item(long index) override;
    vbide::Reference& Item(const std::string& name) override;
    void Add(Reference reference) { items_.push_back(std::move(reference)); }

private:
    std::vector<Reference> items_;
    int codepage_;
};

} // namespace files
