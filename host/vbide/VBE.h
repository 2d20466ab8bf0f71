#pragma once
#include "host/vbide/Project.h"

#include <functional>
#include <string>

namespace vbide {

// The host's menus, as far as the add-in uses them: one entry added to the "Add-Ins" menu.
class CommandBarControl {
public:
    virtual ~CommandBarControl() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void Delete() = 0;
};

class CommandBar {
public:
    virtual ~CommandBar() = default;
    // Adds a control at the end (type 1: button).
    virtual CommandBarControl& AddControl(int type) = 0;
};

class CommandBars {
public:
    virtual ~CommandBars() = default;
    // Nothing (nullptr) when the host has no bar of that name.
    virtual CommandBar* Item(const std::string& name) = 0;
};

class Events {
public:
    virtual ~Events() = default;
    // Calls `onClick` whenever the control is chosen.
    virtual void CommandBarEvents(CommandBarControl& control, std::function<void()> onClick) = 0;
};

// The root object handed to the add-in at connection.
class VBE {
public:
    virtual ~VBE() = default;
    // Nothing (nullptr) when no project is open.
    virtual VBProject* ActiveVBProject() = 0;
    virtual vbide::VBProjects& VBProjects() = 0;
    // Nothing (nullptr) where there are no menus (the command line).
    virtual vbide::CommandBars* CommandBars() = 0;
    virtual vbide::Events* Events() = 0;
};

} // namespace vbide
