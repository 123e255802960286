#include "framework/core/enum_identifiers.h"
#include "framework/core/enum_info.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace brisat;

namespace {

using TNames = std::vector<std::string>;

enum class TPlainOrdinal { poFirst, poSecond, poThird };
enum class TOneValue : uint8_t { ovOnly };
enum class TStyleBits : uint8_t { sbBold = 1, sbItalic = 2, sbUnderline = 4 };
enum class TWideBits : uint32_t { wbLow = 1, wbHigh = 2 };
struct THolder {
    enum class TNested : int16_t { ndA, ndB };
};

// The names come from the types themselves, whatever their scope or underlying type.
static_assert(EnumIdentifiers<TPlainOrdinal> ==
              std::array<std::string_view, 3>{"poFirst", "poSecond", "poThird"});
static_assert(EnumIdentifiers<TOneValue> == std::array<std::string_view, 1>{"ovOnly"});
static_assert(EnumIdentifiers<THolder::TNested> == std::array<std::string_view, 2>{"ndA", "ndB"});
static_assert(FlagIdentifiers<TStyleBits> ==
              std::array<std::string_view, 3>{"sbBold", "sbItalic", "sbUnderline"});
static_assert(FlagIdentifiers<TWideBits> == std::array<std::string_view, 2>{"wbLow", "wbHigh"});

TEST(EnumInfoOf, NamesTheTypeAndListsItsIdentifiersInOrdinalOrder) {
    const TEnumInfo info = EnumInfoOf<TPlainOrdinal>("TPlain");
    EXPECT_EQ(info.Name, "TPlain");
    EXPECT_EQ(info.Identifiers, (TNames{"poFirst", "poSecond", "poThird"}));
    EXPECT_EQ(info.IndexOf("POTHIRD"), int(TPlainOrdinal::poThird));
}

TEST(EnumInfoOf, StopsAtTheLastIdentifierAsked) {
    EXPECT_EQ(EnumInfoOf<TPlainOrdinal>("TPair", TPlainOrdinal::poSecond).Identifiers,
              (TNames{"poFirst", "poSecond"}));
    EXPECT_EQ(EnumInfoOf<TPlainOrdinal>("TOne", TPlainOrdinal::poFirst).Identifiers,
              (TNames{"poFirst"}));
}

// A set of single-bit values streams bit i under the enumerator of value 1 << i.
TEST(FlagInfoOf, NamesEachBitByItsEnumerator) {
    const TEnumInfo info = FlagInfoOf<TStyleBits>("TStyles");
    EXPECT_EQ(info.Identifiers, (TNames{"sbBold", "sbItalic", "sbUnderline"}));
    const int64_t bits = uint8_t(TStyleBits::sbBold) | uint8_t(TStyleBits::sbUnderline);
    const TTextValue value = OrdinalToValue(TPropertyKind::pkSet, &info, bits);
    EXPECT_EQ(value.Members, (TNames{"sbBold", "sbUnderline"}));
    EXPECT_EQ(ValueToOrdinal(TPropertyKind::pkSet, &info, value), bits);
}

} // namespace
