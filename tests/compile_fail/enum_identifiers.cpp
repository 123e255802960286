// Enumerations a name table cannot be read from: each must stop the build with the message the
// test named after it expects.
#include "framework/core/enum_identifiers.h"

namespace {

#if defined(ENUM_WITH_GAP)
enum class TCase { cA, cB, cD = 3 };
constexpr auto names = brisat::EnumIdentifiers<TCase>;
#elif defined(ENUM_FROM_ONE)
enum class TCase { cA = 1, cB };
constexpr auto names = brisat::EnumIdentifiers<TCase>;
#elif defined(FLAGS_WITH_GAP)
enum class TCase : unsigned char { cA = 1, cC = 4 };
constexpr auto names = brisat::FlagIdentifiers<TCase>;
#endif

} // namespace

int FirstNameLength() {
    return int(names[0].size());
}
