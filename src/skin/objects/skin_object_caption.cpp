// DrawCaption: the separator line, or the text and shortcut text in the draw font.
#include "framework/graphics/device_context.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/checked_math.h"
#include "skin/bitmap/draw_helpers.h"
#include "skin/objects/caption_flags.h"
#include "skin/objects/skin_object.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace brisat {

namespace {

enum class THorizontal : uint8_t { hLeft, hCenter, hRight };

struct TAlignParts {
    THorizontal Horizontal;
    uint32_t Vertical;
};

constexpr std::array<TAlignParts, 9> kAlignParts = {{
    {THorizontal::hLeft, DT_TOP},
    {THorizontal::hCenter, DT_TOP},
    {THorizontal::hRight, DT_TOP},
    {THorizontal::hLeft, DT_VCENTER},
    {THorizontal::hCenter, DT_VCENTER},
    {THorizontal::hRight, DT_VCENTER},
    {THorizontal::hLeft, DT_BOTTOM},
    {THorizontal::hCenter, DT_BOTTOM},
    {THorizontal::hRight, DT_BOTTOM},
}};

THorizontal Mirrored(THorizontal h) {
    return h == THorizontal::hLeft    ? THorizontal::hRight
           : h == THorizontal::hRight ? THorizontal::hLeft
                                      : h;
}

bool IsRightToLeftLanguage(std::string_view locale) {
    constexpr std::array<std::string_view, 9> languages = {"ar", "he", "iw", "fa", "ur",
                                                           "yi", "ps", "sd", "ug"};
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    for (std::string_view l : languages)
        if (language == l) return true;
    return false;
}

} // namespace

uint32_t CaptionTextFlags(TSeTextAlign align, TCaptionPart part, TReadingOrder locale,
                          TSeBiDiMode mode) {
    const TAlignParts parts = kAlignParts[size_t(align) % kAlignParts.size()];
    THorizontal h = parts.Horizontal;
    if (part == TCaptionPart::cpShortCut) h = Mirrored(h);
    uint32_t flags = DT_SINGLELINE | parts.Vertical;
    if (locale == TReadingOrder::roRightToLeft && mode != TSeBiDiMode::bdLeftToRight) {
        h = Mirrored(h);
        if (mode == TSeBiDiMode::bdRightToLeft) flags |= DT_RTLREADING;
    }
    return flags | (h == THorizontal::hCenter ? DT_CENTER
                    : h == THorizontal::hRight ? DT_RIGHT
                                               : DT_LEFT);
}

TReadingOrder LocaleReadingOrder() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return IsRightToLeftLanguage(value) ? TReadingOrder::roRightToLeft
                                                : TReadingOrder::roLeftToRight;
    }
    return TReadingOrder::roLeftToRight;
}

void TSeSkinObject::DrawCaption(TKsBitmap& target) {
    if (m_text == "-") {
        const int32_t y = m_top + m_height / 2 - 1;
        target.FillRect({CheckedAdd(m_left, 3), y, m_left + m_width - 3, y + 1},
                        ColorToPixel(GetFont().Color(), 255));
    } else if (!m_text.empty() || !m_shortCutText.empty()) {
        const TRect rect{CheckedAdd(m_left, m_textMarginLeft), CheckedAdd(m_top, m_textMarginTop),
                         CheckedSub(m_left + m_width, m_textMarginRight), m_top + m_height};
        target.SetFont(DrawFont());
        if (!m_enabled) target.Font().SetColor(clGray);
        const TReadingOrder locale = LocaleReadingOrder();
        if (!m_text.empty()) {
            std::string text = m_text;
            if (m_kind == TSeKind::skTitle)
                text = EllipsisText(target, text,
                                    CheckedSub(CheckedSub(m_width, m_textMarginLeft), m_textMarginRight));
            const uint32_t flags =
                CaptionTextFlags(m_textAlign, TCaptionPart::cpText, locale, m_biDiMode);
            if (m_textEffect == TSeTextEffect::teShadow) {
                const TColor color = target.Font().Color();
                target.Font().SetColor(clBlack);
                target.DrawText(text, OffsetRect(rect, 1, 1), flags);
                target.Font().SetColor(color);
            }
            target.DrawText(text, rect, flags);
        }
        if (!m_shortCutText.empty())
            target.DrawText(m_shortCutText, rect,
                            CaptionTextFlags(m_textAlign, TCaptionPart::cpShortCut, locale,
                                             m_biDiMode));
    }
}

} // namespace brisat
