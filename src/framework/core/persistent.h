// TPersistent: the root of objects that can be copied into one another with Assign.
#pragma once

#include <string>

namespace brisat {

class TPersistent {
public:
    virtual ~TPersistent() = default;

    // Copies Source into this object. The default asks Source to AssignTo this object, which
    // raises EConvertError when neither side knows the other.
    virtual void Assign(const TPersistent& source);
    virtual std::string ClassName() const { return "TPersistent"; }

protected:
    virtual void AssignTo(TPersistent& dest) const;
    // Raises "Cannot assign a <source> to a <dest>".
    [[noreturn]] void AssignError(const TPersistent* source) const;
};

} // namespace brisat
