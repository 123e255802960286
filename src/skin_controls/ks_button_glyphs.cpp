#include "skin_controls/ks_button_glyphs.h"

#include "framework/graphics/frame_glyphs.h"

#include <array>
#include <memory>

namespace brisat {

namespace {

constexpr int32_t kCell = 16;
constexpr TColor kBackground = clOlive;

using TMarkDraw = void (*)(TDeviceContext&, const TRect&, TColor);

struct TKindLook {
    TMarkDraw Draw;
    TColor Color;
};

void DrawCheck(TDeviceContext& dc, const TRect& box, TColor color) {
    DrawCheckGlyph(dc, box, color);
}
void DrawCross(TDeviceContext& dc, const TRect& box, TColor color) {
    DrawCloseGlyph(dc, box, color);
}
void DrawHelp(TDeviceContext& dc, const TRect& box, TColor color) {
    DrawHelpGlyph(dc, box, color);
}
void DrawRetry(TDeviceContext& dc, const TRect& box, TColor color) {
    DrawArrowGlyph(dc, box, TGlyphArrow::Left, color);
}
void DrawIgnore(TDeviceContext& dc, const TRect& box, TColor color) {
    DrawArrowGlyph(dc, box, TGlyphArrow::Right, color);
}

// By kind, bkOK first.
constexpr std::array<TKindLook, 10> kLooks{{{DrawCheck, clGreen},
                                            {DrawCross, clMaroon},
                                            {DrawHelp, clNavy},
                                            {DrawCheck, clGreen},
                                            {DrawCross, clMaroon},
                                            {DrawCross, clNavy},
                                            {DrawCross, clRed},
                                            {DrawRetry, clGreen},
                                            {DrawIgnore, clNavy},
                                            {DrawCheck, clNavy}}};

std::unique_ptr<TBitmap> MakeGlyph(const TKindLook& look) {
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetSize(2 * kCell, kCell);
    TDeviceContext& dc = glyph->DC();
    dc.FillRect({0, 0, 2 * kCell, kCell}, kBackground);
    const TRect box{3, 3, kCell - 3, kCell - 3};
    look.Draw(dc, box, look.Color);
    look.Draw(dc, OffsetRect(box, kCell, 0), clGray);
    return glyph;
}

} // namespace

const TBitmap& KindGlyph(TBitBtnKind kind) {
    static std::array<std::unique_ptr<TBitmap>, kLooks.size()> glyphs;
    static const TBitmap none;
    if (kind == TBitBtnKind::bkCustom) return none;
    const size_t index = size_t(kind) - 1;
    if (!glyphs[index]) glyphs[index] = MakeGlyph(kLooks[index]);
    return *glyphs[index];
}

} // namespace brisat
