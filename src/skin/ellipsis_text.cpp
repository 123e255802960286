// EllipsisText: text shortened with "..." to fit a width, cut only between UTF-8 code points.
#include "framework/device_context.h"
#include "skin/bitmap.h"
#include "skin/draw_helpers.h"

namespace brisat {

namespace {

// Length in bytes of the UTF-8 code point starting at Text[At]; a stray continuation or
// truncated sequence counts as one byte so that the walk always advances.
size_t CodePointLength(std::string_view text, size_t at) {
    const uint8_t lead = uint8_t(text[at]);
    size_t length = lead < 0x80           ? 1
                    : (lead >> 5) == 0x6  ? 2
                    : (lead >> 4) == 0xE  ? 3
                    : (lead >> 3) == 0x1E ? 4
                                          : 1;
    if (at + length > text.size()) return 1;
    for (size_t i = 1; i < length; ++i)
        if ((uint8_t(text[at + i]) & 0xC0) != 0x80) return 1;
    return length;
}

} // namespace

std::string EllipsisText(const TDeviceContext& dc, std::string_view text, int32_t maxWidth) {
    if (dc.GetTextExtent(text).cx <= maxWidth) return std::string(text);
    std::string result;
    for (size_t at = 0; at < text.size();) {
        const size_t length = CodePointLength(text, at);
        std::string candidate = result;
        candidate.append(text.substr(at, length)).append("...");
        if (dc.GetTextExtent(candidate).cx > maxWidth) break;
        result.append(text.substr(at, length));
        at += length;
    }
    return result + "...";
}

std::string EllipsisText(const TKsBitmap& bitmap, std::string_view text, int32_t maxWidth) {
    return EllipsisText(bitmap.DC(), text, maxWidth);
}

} // namespace brisat
