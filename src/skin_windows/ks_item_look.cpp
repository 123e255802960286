#include "skin_windows/ks_item_look.h"

#include "framework/controls/menu_item.h"
#include "framework/graphics/frame_glyphs.h"
#include "framework/graphics/image_list.h"
#include "skin/bitmap/bitmap.h"

#include <algorithm>
#include <array>

namespace brisat {
namespace {

constexpr int32_t BarItemPadding = 12;
constexpr int32_t PopupItemExtra = 58; // glyph column, gaps and the sub-menu arrow
constexpr int32_t MinItemHeight = 20;
constexpr int32_t SeparatorHeight = 15;
constexpr int32_t CaptionIndent = 26;
constexpr int32_t ShortCutIndent = 16;
constexpr uint32_t BarTextFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
constexpr uint32_t CaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
constexpr uint32_t ShortCutFormat = DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX;

TKsPixel Opaque(TColor color) {
    return ColorToPixel(color, 255);
}

void DrawTextIn(TKsBitmap& bitmap, const std::string& text, const TRect& rect, uint32_t format,
                TColor color) {
    bitmap.Font().SetColor(color);
    bitmap.DrawText(text, rect, format);
}

void DrawPlainBarItem(const TMenuItem& item, TKsBitmap& bitmap, const TRect& rect, bool selected,
                      bool notActive) {
    bitmap.FillRect(rect, Opaque(clMenu));
    if (selected) {
        // Raised while only highlighted, pushed in while its menu tracks.
        const TKsPixel light = Opaque(clBtnHighlight), dark = Opaque(clBtnShadow);
        bitmap.BevelRect(rect, notActive ? light : dark, notActive ? dark : light);
    }
    DrawTextIn(bitmap, item.Caption(), rect, BarTextFormat, clMenuText);
}

// The sunken box of a checked item's glyph, over a dotted face unless selected.
void DrawCheckedBox(TKsBitmap& bitmap, const TRect& box, bool selected) {
    if (!selected) bitmap.FillHalftoneRect(box, Opaque(clBtnFace), ksWhitePixel);
    bitmap.BevelRect(box, Opaque(clBtnShadow), Opaque(clBtnHighlight));
}

void DrawPlainGlyph(const TMenuItem& item, const TImageList* images, TKsBitmap& bitmap,
                    const TRect& rect, bool selected) {
    bitmap.FillRect({rect.Left, rect.Top, rect.Left + ItemGlyphColumn, rect.Bottom},
                    Opaque(clBtnFace));
    const TRect box{rect.Left, rect.Top, rect.Left + rect.Height(), rect.Bottom};
    if (images) {
        if (item.Checked())
            DrawCheckedBox(bitmap, box, selected);
        else if (selected)
            bitmap.BevelRect(box, Opaque(clBtnHighlight), Opaque(clBtnShadow));
        DrawItemImage(bitmap, *images, item.ImageIndex(), box, item.Enabled());
        return;
    }
    DrawCheckedBox(bitmap, box, selected);
    const TPoint centre{(box.Left + box.Right) / 2 - 2, (box.Top + box.Bottom) / 2 + 1};
    DrawItemCheckMark(bitmap, centre, clBlack, clWhite);
}

void DrawPlainPopupText(const TMenuItem& item, TKsBitmap& bitmap, const TRect& rect, TColor ink,
                        bool selected) {
    const TRect caption{rect.Left + CaptionIndent, rect.Top, rect.Right, rect.Bottom};
    const TRect shortCut{caption.Left, caption.Top, caption.Right - ShortCutIndent, caption.Bottom};
    const std::string shortCutText = item.ShortCut() ? ShortCutToText(item.ShortCut()) : "";
    if (!item.Enabled() && !selected) {
        DrawTextIn(bitmap, item.Caption(), OffsetRect(caption, 1, 1), CaptionFormat, clBtnHighlight);
        if (!shortCutText.empty())
            DrawTextIn(bitmap, shortCutText, OffsetRect(shortCut, 1, 1), ShortCutFormat,
                       clBtnHighlight);
    }
    DrawTextIn(bitmap, item.Caption(), caption, CaptionFormat, ink);
    if (!shortCutText.empty()) DrawTextIn(bitmap, shortCutText, shortCut, ShortCutFormat, ink);
}

void DrawPlainPopupItem(const TMenuItem& item, const TImageList* images, TKsBitmap& bitmap,
                        const TRect& rect, bool selected) {
    if (item.IsLine()) {
        bitmap.FillRect(rect, Opaque(clMenu));
        bitmap.BevelRect({rect.Left + 2, rect.Top + 7, rect.Right - 2, rect.Top + 9},
                         Opaque(clBtnShadow), Opaque(clBtnHighlight));
        return;
    }
    bitmap.FillRect(rect, Opaque(selected ? clHighlight : clMenu));
    if (item.Checked() || images) DrawPlainGlyph(item, images, bitmap, rect, selected);
    const TColor ink = !item.Enabled() ? clBtnShadow : selected ? clHighlightText : clMenuText;
    DrawPlainPopupText(item, bitmap, rect, ink, selected);
    if (item.HasVisibleItems())
        DrawItemSubMenuArrow(bitmap, {rect.Right - 18, rect.Top, rect.Right - 2, rect.Bottom}, ink);
}

} // namespace

void DrawItemCheckMark(TKsBitmap& bitmap, TPoint c, TColor first, TColor second) {
    const std::array<TPoint, 7> mark{{{c.X - 2, c.Y - 2},
                                      {c.X, c.Y},
                                      {c.X + 4, c.Y - 4},
                                      {c.X + 4, c.Y - 3},
                                      {c.X, c.Y + 1},
                                      {c.X - 2, c.Y - 1},
                                      {c.X - 2, c.Y - 2}}};
    const std::array<TPoint, 5> edge{
        {{c.X - 3, c.Y - 2}, {c.X - 3, c.Y - 1}, {c.X, c.Y + 2}, {c.X + 5, c.Y - 3}, {c.X + 5, c.Y - 5}}};
    TDeviceContext& dc = bitmap.DC();
    dc.SetPen({first});
    dc.Polyline(mark);
    dc.SetPen({second});
    dc.Polyline(edge);
}

void DrawItemSubMenuArrow(TKsBitmap& bitmap, const TRect& column, TColor color) {
    const int32_t cy = (column.Top + column.Bottom) / 2;
    DrawArrowGlyph(bitmap.DC(), {column.Left, cy - 8, column.Right, cy + 8}, TGlyphArrow::Right,
                   color);
}

void DrawItemImage(TKsBitmap& bitmap, const TImageList& images, int index, const TRect& box,
                   bool enabled) {
    images.Draw(bitmap.DC(), box.Left + (box.Width() - images.Width()) / 2,
                box.Top + (box.Height() - images.Height()) / 2, index, enabled);
}

void SelectPlainItemFont(TKsBitmap& bitmap) {
    // The classic menu face; Fontconfig substitutes a close one where it is missing.
    bitmap.Font().SetName("Tahome");
    bitmap.Font().SetSize(8);
}

void MeasurePlainItem(const TMenuItem& item, TKsBitmap& bitmap, bool barItem, int32_t& width,
                      int32_t& height) {
    SelectPlainItemFont(bitmap);
    height = std::max(MinItemHeight, bitmap.TextHeight("Wg") + 6);
    if (barItem) {
        width = bitmap.TextWidth(item.Caption()) + BarItemPadding;
        return;
    }
    if (item.IsLine()) {
        width = 0;
        height = SeparatorHeight;
        return;
    }
    width = bitmap.TextWidth(item.Caption()) + PopupItemExtra;
    if (item.ShortCut()) width += bitmap.TextWidth(ShortCutToText(item.ShortCut()), DT_NOPREFIX);
}

void DrawPlainItem(const TMenuItem& item, const TImageList* images, TKsBitmap& bitmap,
                   bool barItem, const TRect& rect, bool selected, bool notActive) {
    SelectPlainItemFont(bitmap);
    if (barItem)
        DrawPlainBarItem(item, bitmap, rect, selected, notActive);
    else
        DrawPlainPopupItem(item, images, bitmap, rect, selected);
}

} // namespace brisat
