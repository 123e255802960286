// The object text writer: a component as "object Name: Class", one line per stored property in
// stream order, its children (GetChildren) as nested blocks, and "end"; lines end in CR LF and
// indent two spaces per level.
#pragma once

#include "framework/core/component.h"
#include "framework/core/property.h"

#include <string>

namespace brisat {

// Raises EInvalidOperation when the component's class, or the class of a nested object property,
// is not registered.
std::string ComponentToText(const TComponent& component);

// Value as it follows "Name = " on a property line at Level: long strings and byte blocks of 32
// bytes or more continue on lines one level deeper.
std::string FormatTextValue(const TTextValue& value, int level);

} // namespace brisat
