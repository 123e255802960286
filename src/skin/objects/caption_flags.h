// The text drawing flags of a skin object's caption.
#pragma once

#include "skin/objects/skin_object_types.h"

#include <cstdint>

namespace brisat {

enum class TReadingOrder : uint8_t { roLeftToRight, roRightToLeft };
// The caption's main text, or the shortcut text drawn with the mirrored horizontal alignment.
enum class TCaptionPart : uint8_t { cpText, cpShortCut };

// Single-line DrawText flags for Align. Under a right-to-left locale, a control in any
// right-to-left mode swaps left and right alignment, and plain right-to-left adds right-to-left
// reading.
uint32_t CaptionTextFlags(TSeTextAlign align, TCaptionPart part, TReadingOrder locale,
                          TSeBiDiMode mode);

// Whether the user's locale (LC_ALL, LC_MESSAGES or LANG) names a language written right to
// left.
TReadingOrder LocaleReadingOrder();

} // namespace brisat
