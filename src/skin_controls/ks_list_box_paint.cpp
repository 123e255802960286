// The list box's plain look.
#include "skin_controls/ks_custom_list_box.h"

#include "framework/core/ident_maps.h"
#include "skin/bitmap/pixel.h"

#include <algorithm>

namespace brisat {
namespace {

TKsPixel Opaque(TColor color) {
    return ColorToPixel(color, 255);
}

constexpr TKsPixel Black = 0xFF000000;

} // namespace

void TKsCustomListBox::PaintBuffer() {
    if (!BufferSet().Allocated() || !m_scrollBar) return;
    TKsCustomControl::PaintBuffer();
    PaintBackground();
    PaintItems();
}

void TKsCustomListBox::PaintBackground() {
    Buffer().FillRect(ListRect(), Opaque(Color()));
}

void TKsCustomListBox::PaintItems() {
    ForEachPainted(TopIndex(), [this](int32_t i, const TRect& item, const TRect& check) {
        if (m_showCheckBoxes) DrawCheck(i, check);
        DrawItem(Buffer(), i, item);
        return true;
    });
}

void TKsCustomListBox::DrawItemEvent(int32_t index, const TRect& rect, TOwnerDrawState state) {
    if (OnDrawItem) OnDrawItem(*this, BufferCanvas(), index, rect, state);
}

void TKsCustomListBox::MeasureItemEvent(int32_t index, int32_t& height) {
    if (OnMeasureItem) OnMeasureItem(*this, BufferCanvas(), index, height);
}

// The text of an item from the top-left of TextRect, as the style shows it.
void TKsCustomListBox::DrawItemText(TKsBitmap& bitmap, int32_t index, const TRect& textRect,
                                    TColor color) {
    bitmap.SetFont(Font());
    if (m_listStyle == TKsListBoxStyle::lbFontSamples) bitmap.Font().SetName(m_items[index]);
    bitmap.Font().SetColor(color);
    uint32_t flags = DT_NOPREFIX;
    if (StyleListsFonts()) flags |= DT_SINGLELINE | DT_VCENTER;
    else if (m_wordWrap) flags |= DT_WORDBREAK;
    bitmap.DrawText(m_items[index], textRect, flags);
}

// Colour styles: a swatch of the named colour, with its name for lbColorNames.
void TKsCustomListBox::DrawColorItem(TKsBitmap& bitmap, int32_t index, const TRect& rect) {
    const std::string& name = m_items[index];
    const TKsPixel swatch = Opaque(IdentToColor(name).value_or(clBlack));
    if (m_listStyle == TKsListBoxStyle::lbColors) {
        const TRect r = InflateRect(rect, -4, -4);
        bitmap.FillRect(r, swatch);
        bitmap.FrameRect(r, Black);
        return;
    }
    const TRect text{rect.Left + 2, rect.Top, rect.Right, rect.Bottom};
    const int32_t top = text.Top + (text.Height() - 14) / 2;
    const TRect box{text.Left, top, text.Left + 20, top + 14};
    bitmap.FillRect(box, swatch);
    bitmap.FrameRect(box, Black);
    bitmap.SetFont(Font());
    bitmap.Font().SetColor(Selected(index) ? clHighlightText : Font().Color());
    const std::string_view shown =
        std::string_view(name).substr(name.rfind("cl", 0) == 0 ? 2 : 0);
    bitmap.DrawText(shown, {text.Left + 24, text.Top, text.Right, text.Bottom},
                    DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
}

void TKsCustomListBox::DrawItem(TKsBitmap& bitmap, int32_t index, const TRect& rect) {
    const bool selected = Selected(index);
    const TRect text{rect.Left + 2, rect.Top, rect.Right, rect.Bottom};
    if (OwnerDraws()) {
        TOwnerDrawState state;
        if (selected) state.Include(TOwnerDrawStateKind::odSelected);
        if (IsCurrentFocused(index)) state.Include(TOwnerDrawStateKind::odFocused);
        return DrawItemEvent(index, text, state);
    }
    if (selected) bitmap.FillRect(rect, Opaque(clHighlight));
    if (StyleListsColors()) {
        DrawColorItem(bitmap, index, rect);
    } else {
        const TColor color = selected            ? clHighlightText
                             : index == m_hotItem ? clHighlight
                                                  : Font().Color();
        DrawItemText(bitmap, index, text, color);
    }
    // The focus marks the selected item, or the current one while it is not selected.
    const bool focusHere = selected || (index == m_itemIndex && !Selected(m_itemIndex));
    if (!m_multiSelect && Focused() && focusHere) bitmap.DrawFocusRect(rect, Black);
}

TRect TKsCustomListBox::CheckBoxRect(const TRect& column) const {
    const TSize size = GetCheckSize();
    const int32_t left = column.Left + (column.Width() - size.cx) / 2;
    const int32_t top = column.Top + (column.Height() - size.cy) / 2;
    return {left, top, left + size.cx, top + size.cy};
}

void TKsCustomListBox::DrawCheck(int32_t index, const TRect& rect) {
    const TRect box = CheckBoxRect(rect);
    const TKsCheckBoxState state = State(index);
    const bool marked = state != TKsCheckBoxState::cbUnchecked;
    TDeviceContext& dc = Buffer().DC();
    if (!m_flat || (index == m_hotCheck && ItemEnabled(index))) {
        dc.DrawFrameControl(box, DFC_BUTTON,
                            DFCS_BUTTONCHECK | (marked ? DFCS_CHECKED : 0) |
                                (ItemEnabled(index) ? 0 : DFCS_INACTIVE));
        return;
    }
    if (marked) {
        dc.DrawFrameControl(box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT);
        Buffer().FrameRect(box, Opaque(clWindow));
    }
    Buffer().FrameRect(InflateRect(box, -1, -1), Opaque(clBtnShadow));
}

} // namespace brisat
