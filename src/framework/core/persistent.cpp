#include "framework/core/persistent.h"

#include "framework/core/exceptions.h"

namespace brisat {

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& dest) const { dest.AssignError(this); }

void TPersistent::AssignError(const TPersistent* source) const {
    std::string sourceName = source ? source->ClassName() : "nil";
    throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}

} // namespace brisat
