#pragma once
// The designer tree of a form, user control, property page, document or designer file
// ("Begin VB.Form Form1" ... "End") as the controls collection.
//
// Every "Begin" block under the root is a control, in file order, nested ones included (the
// form itself is not one). A control's properties are "Name" (from its "Begin" line) and then
// its property lines in file order. Values are shown as written, except that a plain string
// loses its quotes ("Form1" shows as Form1) and a trailing comment ("3  'Fixed Dialog") is cut
// off. References into the binary file stay as written ("Form1.frx":0000). A "BeginProperty
// Font" ... "EndProperty" group gives one property per line, named with the group's name in
// front: "Font.Name", "Font.Size"; nested groups chain their names ("Panels.Panel1.Text").
// The root's own property lines, read the same way, are the designer's Properties.

#include "host/vbide/Designer.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// The names of the open "BeginProperty" groups of a tree, each once: a group is its own name
// and the group it lies in, so that deeply nested groups cost memory in proportion to the file,
// not to the square of their depth.
struct PropertyGroups {
    static constexpr uint32_t kNone = UINT32_MAX;
    struct Group {
        uint32_t parent;
        std::string name;
    };
    std::vector<Group> groups;
    // "Panels.Panel1" for the group `g`, and `leaf` after it.
    std::string FullName(uint32_t g, std::string_view leaf) const;
};

class DesignerProperty : public vbide::Property {
public:
    DesignerProperty(const PropertyGroups* groups, uint32_t group, std::string name,
                     std::string value)
        : groups_(groups), group_(group), name_(std::move(name)), value_(std::move(value)) {}
    std::string Name() const override {
        return group_ == PropertyGroups::kNone ? name_ : groups_->FullName(group_, name_);
    }
    std::string Value() const override { return value_; }

private:
    const PropertyGroups* groups_;
    uint32_t group_;
    std::string name_; // without its groups
    std::string value_;
};

class DesignerProperties : public vbide::Properties {
public:
    long Count() const override { return static_cast<long>(items_.size()); }
    vbide::Property& Item(long index) override;
    vbide::Property& Item(const std::string& name) override;
    void Add(std::string name, std::string value, const PropertyGroups* groups = nullptr,
             uint32_t group = PropertyGroups::kNone) {
        items_.emplace_back(groups, group, std::move(name), std::move(value));
    }

private:
    std::vector<DesignerProperty> items_;
};

class DesignerControl : public vbide::VBControl {
public:
    explicit DesignerControl(std::string className) : className_(std::move(className)) {}
    std::string ClassName() const override { return className_; }
    vbide::Properties& Properties() override { return props_; }
    DesignerProperties& Props() { return props_; }

private:
    std::string className_;
    DesignerProperties props_;
};

class DesignerControls : public vbide::VBControls {
public:
    long Count() const override { return static_cast<long>(items_.size()); }
    vbide::VBControl& Item(long index) override;
    DesignerControl& Add(std::string className) {
        items_.push_back(std::make_unique<DesignerControl>(std::move(className)));
        return *items_.back();
    }

private:
    std::vector<std::unique_ptr<DesignerControl>> items_;
};

class DesignerTree : public vbide::Designer {
public:
    vbide::VBControls& VBControls() override { return controls_; }
    vbide::Properties* Properties() override { return &root_; }

    // Reads the tree whose "Begin" line is lines[first] (0-based; `lineBase` + index gives the
    // file's 1-based line for messages). Returns the index of its closing "End". A tree that
    // never closes throws error 321 naming the "Begin" line.
    size_t Parse(const std::vector<std::string_view>& lines, size_t first, size_t lineBase,
                 const std::string& path);

    // The root's class as written ("VB.Form", "VB.MDIForm", "{GUID}").
    const std::string& RootClass() const { return rootClass_; }

    DesignerTree() = default;
    DesignerTree(const DesignerTree&) = delete; // its properties point into groups_
    DesignerTree& operator=(const DesignerTree&) = delete;

private:
    DesignerControls controls_;
    DesignerProperties root_;
    PropertyGroups groups_;
    std::string rootClass_;
};

} // namespace files
