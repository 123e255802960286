// Name tables of enumerations for persistent properties, built from the enumerations' own
// identifiers (enum_identifiers.h), so a table always lists its type's values in their order.
#pragma once

#include "framework/core/enum_identifiers.h"
#include "framework/core/property.h"

#include <string>

namespace brisat {

// The table of E's own identifiers, named Name in error messages; with Last, only those up to it.
template <class E> TEnumInfo EnumInfoOf(std::string name) {
    constexpr auto& names = EnumIdentifiers<E>;
    return {std::move(name), {names.begin(), names.end()}};
}
template <class E> TEnumInfo EnumInfoOf(std::string name, E last) {
    TEnumInfo info = EnumInfoOf<E>(std::move(name));
    info.Identifiers.resize(size_t(last) + 1);
    return info;
}

// The table of a set stored as E's own values, which are single bits: bit i is named by the
// enumerator of value 1 << i.
template <class E> TEnumInfo FlagInfoOf(std::string name) {
    constexpr auto& names = FlagIdentifiers<E>;
    return {std::move(name), {names.begin(), names.end()}};
}

} // namespace brisat
