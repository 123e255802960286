// EllipsisText: text shortened with "..." to fit a width, cut only between UTF-8 code points.
#include "framework/graphics/device_context.h"
#include "framework/core/utf8.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/draw_helpers.h"

namespace brisat {

std::string EllipsisText(const TDeviceContext& dc, std::string_view text, int32_t maxWidth) {
    if (dc.GetTextExtent(text).cx <= maxWidth) return std::string(text);
    std::string result;
    for (size_t at = 0; at < text.size();) {
        // One code point at a time; a malformed sequence moves as one piece.
        size_t next = at;
        DecodeUtf8(text, next);
        std::string candidate = result;
        candidate.append(text.substr(at, next - at)).append("...");
        if (dc.GetTextExtent(candidate).cx > maxWidth) break;
        result.append(text.substr(at, next - at));
        at = next;
    }
    return result + "...";
}

std::string EllipsisText(const TKsBitmap& bitmap, std::string_view text, int32_t maxWidth) {
    return EllipsisText(bitmap.DC(), text, maxWidth);
}

} // namespace brisat
