// Enumerations several plain controls share: horizontal text alignment and the single-line
// border of a windowed control, with their identifier tables for layouts.
#pragma once

#include "framework/core/enum_info.h"

#include <cstdint>

namespace brisat {

enum class TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
// A windowed control's own frame: none, or a one-pixel line round the client area.
enum class TBorderStyle : uint8_t { bsNone, bsSingle };

inline const TEnumInfo AlignmentInfo = EnumInfoOf<TAlignment>("TAlignment");
// The two-sided alignment of a check box's caption (TAlignment's first two values).
inline const TEnumInfo LeftRightInfo =
    EnumInfoOf<TAlignment>("TLeftRight", TAlignment::taRightJustify);
inline const TEnumInfo BorderStyleInfo = EnumInfoOf<TBorderStyle>("TBorderStyle");

} // namespace brisat
