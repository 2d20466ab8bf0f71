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

#include "host/vbide/Designer.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace files {

class DesignerProperty : public vbide::Property {
public:
    DesignerProperty(std::string name, std::string value)
        : name_(std::move(name)), value_(std::move(value)) {}
    std::string Name() const override { return name_; }
    std::string Value() const override { return value_; }

private:
    std::string name_;
    std::string value_;
};

class DesignerProperties : public vbide::Properties {
public:
    long Count() const override { return static_cast<long>(items_.size()); }
    vbide::Property& Item(long index) override;
    vbide::Property& Item(const std::string& name) override;
    void Add(std::string name, std::string value) {
        items_.emplace_back(std::move(name), std::move(value));
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

    // Reads the tree whose "Begin" line is lines[first] (0-based; `lineBase` + index gives the
    // file's 1-based line for messages). Returns the index of its closing "End". A tree that
    // never closes throws error 321 naming the "Begin" line.
    size_t Parse(const std::vector<std::string_view>& lines, size_t first, size_t lineBase,
                 const std::string& path);

    // The root's class as written ("VB.Form", "VB.MDIForm", "{GUID}").
    const std::string& RootClass() const { return rootClass_; }

private:
    DesignerControls controls_;
    std::string rootClass_;
};

} // namespace files
