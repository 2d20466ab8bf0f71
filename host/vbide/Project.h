#pragma once
#include "host/vbide/CodeModule.h"
#include "host/vbide/Designer.h"
#include "host/vbide/Types.h"

#include <string>

namespace vbide {

class VBComponent {
public:
    virtual ~VBComponent() = default;
    virtual std::string Name() const = 0;
    virtual ComponentType Type() const = 0;
    // Raises error 91 ("Object variable not set") for a component without code (resource
    // files, related documents).
    virtual vbide::CodeModule& CodeModule() = 0;
    // Nothing (nullptr) for components without a designer (modules, classes).
    virtual vbide::Designer* Designer() = 0;
};

// The components in project order. Item by name ignores case; unknown name: error 9.
class VBComponents {
public:
    virtual ~VBComponents() = default;
    virtual long Count() const = 0;
    virtual VBComponent& Item(long index) = 0; // 1..Count
    virtual VBComponent& Item(const std::string& name) = 0;
    // Adds the file as a new component; the file itself is never written.
    virtual VBComponent& Import(const std::string& path) = 0;
};

class Reference {
public:
    virtual ~Reference() = default;
    virtual std::string Name() const = 0;
    virtual std::string Guid() const = 0;
    virtual long Major() const = 0;
    virtual long Minor() const = 0;
    virtual std::string FullPath() const = 0;
};

// The project's references in project-file order; Item by name ignores case, unknown: 9.
class References {
public:
    virtual ~References() = default;
    virtual long Count() const = 0;
    virtual Reference& Item(long index) = 0; // 1..Count
    virtual Reference& Item(const std::string& name) = 0;
};

class VBProject {
public:
    virtual ~VBProject() = default;
    virtual std::string Name() const = 0;
    virtual std::string Description() const = 0;
    virtual vbide::VBComponents& VBComponents() = 0;
    virtual vbide::References& References() = 0;
};

class VBProjects {
public:
    virtual ~VBProjects() = default;
    virtual long Count() const = 0;
    virtual VBProject& Item(long index) = 0; // 1..Count
};

} // namespace vbide
