// TFlags: a set of enumeration values kept as bits; the enumeration's values are bit numbers.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace brisat {

template <class E> class TFlags {
public:
    constexpr TFlags() = default;
    constexpr TFlags(std::initializer_list<E> values) {
        for (E v : values)
            Include(v);
    }
    static constexpr TFlags FromBits(uint32_t bits) {
        TFlags f;
        f.m_bits = bits;
        return f;
    }

    constexpr bool Contains(E v) const { return m_bits & Bit(v); }
    constexpr void Include(E v) { m_bits |= Bit(v); }
    constexpr void Exclude(E v) { m_bits &= ~Bit(v); }
    constexpr void Set(E v, bool on) { on ? Include(v) : Exclude(v); }
    constexpr bool Empty() const { return m_bits == 0; }
    constexpr uint32_t Bits() const { return m_bits; }
    friend constexpr bool operator==(TFlags, TFlags) = default;

private:
    static constexpr uint32_t Bit(E v) { return uint32_t(1) << uint32_t(v); }
    uint32_t m_bits = 0;
};

} // namespace brisat
