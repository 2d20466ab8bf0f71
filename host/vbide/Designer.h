#pragma once
#include <string>

namespace vbide {

class Property {
public:
    virtual ~Property() = default;
    virtual std::string Name() const = 0;
    // The value as text, as the environment would show it; may raise an error.
    virtual std::string Value() const = 0;
};

// A control's properties, `Name` first, then in file order.
class Properties {
public:
    virtual ~Properties() = default;
    virtual long Count() const = 0;
    virtual Property& Item(long index) = 0;              // 1..Count
    virtual Property& Item(const std::string& name) = 0; // unknown name: error 9
};

class VBControl {
public:
    virtual ~VBControl() = default;
    // The class without its library prefix: "CommandButton" for VB.CommandButton.
    virtual std::string ClassName() const = 0;
    virtual vbide::Properties& Properties() = 0;
};

// Every control of a form or designer in file order, nested containers included.
class VBControls {
public:
    virtual ~VBControls() = default;
    virtual long Count() const = 0;
    virtual VBControl& Item(long index) = 0; // 1..Count
};

class Designer {
public:
    virtual ~Designer() = default;
    virtual vbide::VBControls& VBControls() = 0;
    // The form's or designer's own properties as its file writes them ("Caption", "Font.Name");
    // nothing where they cannot be read.
    virtual vbide::Properties* Properties() { return nullptr; }
};

} // namespace vbide
