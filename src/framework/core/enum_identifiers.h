// The identifiers of an enumeration, read from the enumeration itself at compile time: a name
// table built from them cannot drift from the type it names, since there is only the one list.
// The names come from GCC's __PRETTY_FUNCTION__ of a template instantiated on each value; the
// self-check at the end of this header fails the build should that text ever change shape.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>
#include <utility>

namespace brisat {

namespace enum_detail {

// The unqualified identifier of V, or empty when no enumerator of its type has that value (GCC
// then writes a cast, "(brisat::TAlign)7", instead of "brisat::TAlign::alCustom").
template <auto V> constexpr std::string_view IdentifierOf() {
    constexpr std::string_view text = __PRETTY_FUNCTION__;
    constexpr std::string_view marker = "V = ";
    constexpr size_t begin = text.find(marker) + marker.size();
    constexpr std::string_view value = text.substr(begin, text.find_first_of(";]", begin) - begin);
    if constexpr (value.empty() || value.front() == '(')
        return {};
    else
        return value.substr(value.rfind(':') + 1);
}

// The ordinals probed, from 0: an enumeration may have this many values, and any enumerator
// among them past a gap is caught.
inline constexpr size_t ProbedOrdinals = 64;

template <class E, size_t... I>
constexpr std::array<std::string_view, sizeof...(I)> OrdinalNames(std::index_sequence<I...>) {
    return {IdentifierOf<static_cast<E>(I)>()...};
}

template <class E, size_t... I>
constexpr std::array<std::string_view, sizeof...(I)> BitNames(std::index_sequence<I...>) {
    using TBits = std::make_unsigned_t<std::underlying_type_t<E>>;
    return {IdentifierOf<static_cast<E>(TBits(1) << I)>()...};
}

template <class E>
inline constexpr auto
    ProbedOrdinalNames = OrdinalNames<E>(std::make_index_sequence<ProbedOrdinals>());

template <class E>
inline constexpr auto
    ProbedBitNames = BitNames<E>(std::make_index_sequence<8 * sizeof(std::underlying_type_t<E>)>());

// The names up to the first value that is no enumerator; every value after it must be none
// either, so an enumeration with a gap or out-of-line values fails to compile here.
template <const auto& Names> constexpr auto Contiguous() {
    constexpr size_t count = [] {
        size_t n = 0;
        while (n < Names.size() && !Names[n].empty())
            ++n;
        return n;
    }();
    static_assert(count > 0, "the enumeration's first value is no enumerator");
    static_assert(
        [] {
            for (size_t i = count; i < Names.size(); ++i)
                if (!Names[i].empty()) return false;
            return true;
        }(),
        "the enumeration's values are not contiguous");
    std::array<std::string_view, count> names{};
    for (size_t i = 0; i < count; ++i)
        names[i] = Names[i];
    return names;
}

} // namespace enum_detail

// The identifiers of E in ordinal order from 0, for an enumeration of contiguous values 0..n-1.
template <class E>
requires std::is_enum_v<E>
inline constexpr auto EnumIdentifiers =
    enum_detail::Contiguous<enum_detail::ProbedOrdinalNames<E>>();

// The identifiers of E by bit: entry i names the enumerator of value 1 << i, for an enumeration
// of single-bit values 1, 2, 4, ….
template <class E>
requires std::is_enum_v<E>
inline constexpr auto FlagIdentifiers = enum_detail::Contiguous<enum_detail::ProbedBitNames<E>>();

namespace enum_detail {
enum class TProbe : unsigned char { pbFirst, pbSecond };
static_assert(EnumIdentifiers<TProbe> == std::array<std::string_view, 2>{"pbFirst", "pbSecond"},
              "the compiler no longer names enumerators as this header expects");
} // namespace enum_detail

} // namespace brisat
