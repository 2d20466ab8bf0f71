#pragma once
#include "host/vbide/Types.h"

#include <string>

namespace vbide {

class Member {
public:
    virtual ~Member() = default;
    virtual std::string Name() const = 0;
    virtual MemberType Type() const = 0;
    // Line of the member's header (for a procedure, its ProcBodyLine).
    virtual long CodeLocation() const = 0;
};

// The members of one code module in line order. A name shared by Property Get/Let/Set is one
// member of type Property. Item by name ignores case; an unknown name raises error 9.
class Members {
public:
    virtual ~Members() = default;
    virtual long Count() const = 0;
    virtual Member& Item(long index) = 0; // 1..Count
    virtual Member& Item(const std::string& name) = 0;
};

} // namespace vbide
