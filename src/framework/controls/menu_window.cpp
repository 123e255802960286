#include "framework/controls/menu_window.h"

#include "framework/controls/screen.h"
#include "framework/graphics/frame_glyphs.h"
#include "framework/graphics/image_list.h"

#include <algorithm>

namespace brisat {
namespace {

constexpr int32_t FrameWidth = 3;
constexpr int32_t SeparatorHeight = 9;
constexpr int32_t MinItemHeight = 18;
constexpr int32_t CheckColumn = 20; // at least, for check marks and bullets
constexpr int32_t ImageMargin = 3;  // around an image in its column
constexpr int32_t ArrowColumn = 20; // sub-menu arrows, right of the shortcut
constexpr int32_t ShortCutGap = 16; // between the longest caption and the shortcuts
constexpr uint32_t CaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
constexpr uint32_t ShortCutFormat = DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX;

TFont MakeMenuFont(TFontStyles style) {
    TFont font;
    font.SetName("Tahoma");
    font.SetSize(8);
    font.SetColor(clMenuText);
    font.SetStyle(style);
    return font;
}

TSize TextSize(TDeviceContext& dc, const std::string& text, uint32_t format) {
    TRect r{0, 0, 0, 0};
    dc.DrawText(text, r, format | DT_CALCRECT);
    return {r.Width(), r.Height()};
}

} // namespace

const TFont& MenuFont() {
    static const TFont font = MakeMenuFont({});
    return font;
}

const TFont& MenuItemFont(const TMenuItem& item) {
    static const TFont boldFont = MakeMenuFont({TFontStyle::fsBold});
    return item.Default() ? boldFont : MenuFont();
}

void DrawMenuText(TDeviceContext& dc, const std::string& text, TRect rect, uint32_t format,
                  bool enabled, TMenuHighlight highlight) {
    const bool selected = highlight == TMenuHighlight::Selected;
    dc.SetBkMode(TBkMode::Transparent);
    if (!enabled && !selected) {
        // The classic embossed look: a highlight copy one pixel down and right, grey on top.
        TRect shadow = OffsetRect(rect, 1, 1);
        dc.SetTextColor(clBtnHighlight);
        dc.DrawText(text, shadow, format);
    }
    dc.SetTextColor(!enabled ? clBtnShadow : selected ? clHighlightText : clMenuText);
    dc.DrawText(text, rect, format);
}

TRect PlaceMenu(TSize size, const TRect& anchor, TMenuAnchor kind, const TRect& work) {
    TPoint p;
    switch (kind) {
    case TMenuAnchor::Point:
        p = {anchor.Left, anchor.Top};
        if (p.X + size.cx > work.Right) p.X -= size.cx;
        if (p.Y + size.cy > work.Bottom) p.Y -= size.cy;
        break;
    case TMenuAnchor::BarItem:
        p = {anchor.Left, anchor.Bottom};
        if (p.X + size.cx > work.Right) p.X = anchor.Right - size.cx;
        if (p.Y + size.cy > work.Bottom) p.Y = anchor.Top - size.cy;
        break;
    case TMenuAnchor::SubMenuItem:
        p = {anchor.Right, anchor.Top};
        if (p.X + size.cx > work.Right) p.X = anchor.Left - size.cx;
        if (p.Y + size.cy > work.Bottom) p.Y = anchor.Bottom - size.cy;
        break;
    }
    p.X = std::max(std::min(p.X, work.Right - size.cx), work.Left);
    p.Y = std::max(std::min(p.Y, work.Bottom - size.cy), work.Top);
    return Bounds(p.X, p.Y, size.cx, size.cy);
}

TMenuWindow::TMenuWindow(TMenuItem& parent) : TWinControl(nullptr), m_parent(parent) {
    SetVisible(false);
    InitColor(clMenu);
    Measure();
    m_hwnd = Handle();
}

void TMenuWindow::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.WndParent = 0;
    p.Style = WS_POPUP;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    p.WinClassName = MenuWindowClass;
}

void TMenuWindow::Measure() {
    TDeviceContext dc;
    dc.SelectFont(&MenuFont());
    int32_t itemHeight = std::max(MinItemHeight, dc.GetTextMetrics().Height + 5);
    m_glyphColumn = CheckColumn;
    if (const TMenu* menu = m_parent.GetParentMenu(); menu && menu->Images()) {
        m_glyphColumn = std::max(m_glyphColumn, menu->Images()->Width() + 2 * ImageMargin);
        itemHeight = std::max(itemHeight, menu->Images()->Height() + 2 * ImageMargin);
    }
    int32_t top = FrameWidth, captionWidth = 0;
    for (int i = 0; i < m_parent.Count(); ++i) {
        const TMenuItem& item = m_parent.Items(i);
        if (!item.Visible()) continue;
        const bool line = item.IsLine();
        m_rows.push_back({i, top, line ? SeparatorHeight : itemHeight});
        top += m_rows.back().Height;
        if (line) continue;
        dc.SelectFont(&MenuItemFont(item));
        captionWidth = std::max(captionWidth, TextSize(dc, item.Caption(), CaptionFormat).cx);
        if (item.ShortCut() != scNone)
            m_shortCutWidth = std::max(
                m_shortCutWidth, TextSize(dc, ShortCutToText(item.ShortCut()), ShortCutFormat).cx);
    }
    const int32_t shortCuts = m_shortCutWidth ? ShortCutGap + m_shortCutWidth : 0;
    m_size = {2 * FrameWidth + m_glyphColumn + captionWidth + shortCuts + ArrowColumn,
              top + FrameWidth};
}

void TMenuWindow::ShowAt(TPoint screen) {
    SetWindowPos(m_hwnd, HWND_TOPMOST, screen.X, screen.Y, m_size.cx, m_size.cy,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetVisible(true);
}

void TMenuWindow::Open(const TRect& anchor, TMenuAnchor kind) {
    const TRect r = kind == TMenuAnchor::SubMenuItem
                        ? TRect{anchor.Left, anchor.Top - FrameWidth, anchor.Right,
                                anchor.Bottom + FrameWidth}
                        : anchor;
    const TRect work = Screen().MonitorFromPoint(anchor.TopLeft()).WorkareaRect();
    ShowAt(PlaceMenu(m_size, r, kind, work).TopLeft());
}

void TMenuWindow::SetSelected(int index, TSubMenu) {
    if (index == m_selected) return;
    for (int changed : {m_selected, index})
        if (const TRow* row = FindRow(changed)) {
            const TRect r = RowRect(*row);
            InvalidateRect(m_hwnd, &r);
        }
    m_selected = index;
}

const TMenuWindow::TRow* TMenuWindow::FindRow(int index) const {
    for (const TRow& row : m_rows)
        if (row.Index == index) return &row;
    return nullptr;
}

TRect TMenuWindow::RowRect(const TRow& row) const {
    return {FrameWidth, row.Top, m_size.cx - FrameWidth, row.Top + row.Height};
}

bool TMenuWindow::ContainsScreen(TPoint screen) const {
    return IsWindowVisible(m_hwnd) && PtInRect(GetWindowRect(m_hwnd), screen);
}

int TMenuWindow::ItemAtScreen(TPoint screen) const {
    if (!ContainsScreen(screen)) return -1;
    const TPoint p = brisat::ScreenToClient(m_hwnd, screen);
    for (const TRow& row : m_rows)
        if (PtInRect(RowRect(row), p)) return m_parent.Items(row.Index).IsLine() ? -1 : row.Index;
    return -1;
}

TRect TMenuWindow::ItemScreenRect(int index) const {
    const TRow* row = FindRow(index);
    if (!row) return {};
    const TRect r = RowRect(*row);
    const TPoint origin = brisat::ClientToScreen(m_hwnd, {0, 0});
    return OffsetRect(r, origin.X, origin.Y);
}

void TMenuWindow::PaintWindow(TDeviceContext& dc) {
    TRect r{0, 0, m_size.cx, m_size.cy};
    dc.FillRect(r, clMenu);
    dc.DrawEdge(r, EDGE_RAISED, BF_RECT);
    for (const TRow& row : m_rows)
        DrawItem(dc, row);
}

void TMenuWindow::DrawItem(TDeviceContext& dc, const TRow& row) const {
    const TMenuItem& item = m_parent.Items(row.Index);
    TRect r = RowRect(row);
    if (item.IsLine()) {
        const int32_t y = r.Top + row.Height / 2 - 1;
        dc.FillRect({r.Left + 1, y, r.Right - 1, y + 1}, clBtnShadow);
        dc.FillRect({r.Left + 1, y + 1, r.Right - 1, y + 2}, clBtnHighlight);
        return;
    }
    const bool selected = row.Index == m_selected;
    if (selected) dc.FillRect(r, clHighlight);
    const TColor ink = !item.Enabled() ? clBtnShadow : selected ? clHighlightText : clMenuText;
    if (ImagesOf(item))
        DrawImage(dc, item, r, selected);
    else
        DrawMark(dc, item, r, ink);
    dc.SelectFont(&MenuItemFont(item));
    TRect text{r.Left + m_glyphColumn, r.Top, r.Right - ArrowColumn, r.Bottom};
    const TMenuHighlight highlight = selected ? TMenuHighlight::Selected : TMenuHighlight::None;
    DrawMenuText(dc, item.Caption(), text, CaptionFormat, item.Enabled(), highlight);
    if (item.ShortCut() != scNone)
        DrawMenuText(dc, ShortCutToText(item.ShortCut()), text, ShortCutFormat, item.Enabled(),
                     highlight);
    if (item.HasVisibleItems()) {
        const int32_t cy = (r.Top + r.Bottom) / 2;
        DrawArrowGlyph(dc, {r.Right - ArrowColumn + 2, cy - 8, r.Right - 2, cy + 8},
                       TGlyphArrow::Right, ink);
    }
}

void TMenuWindow::DrawMark(TDeviceContext& dc, const TMenuItem& item, const TRect& r,
                           TColor color) const {
    if (!item.Checked()) return;
    const TRect column{r.Left, r.Top, r.Left + m_glyphColumn, r.Bottom};
    if (item.RadioItem())
        DrawBulletGlyph(dc, CenteredRect(column, 6, 6), color);
    else
        DrawCheckGlyph(dc, CenteredRect(column, 7, 7), color);
}

const TImageList* TMenuWindow::ImagesOf(const TMenuItem& item) const {
    const TMenu* menu = m_parent.GetParentMenu();
    const TImageList* images = menu ? menu->Images() : nullptr;
    return images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count() ? images
                                                                                   : nullptr;
}

void TMenuWindow::DrawImage(TDeviceContext& dc, const TMenuItem& item, const TRect& r,
                            bool selected) const {
    const TImageList& images = *ImagesOf(item);
    const TRect column{r.Left, r.Top, r.Left + m_glyphColumn, r.Bottom};
    const TRect image = CenteredRect(column, images.Width(), images.Height());
    // A checked item's image sits in a sunken box; a selected one's stands out raised.
    if (item.Checked() || selected) {
        TRect box = InflateRect(image, 2, 2);
        if (item.Checked()) dc.FillRect(box, selected ? clMenu : clBtnHighlight);
        dc.DrawEdge(box, item.Checked() ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    images.Draw(dc, image.Left, image.Top, item.ImageIndex(), item.Enabled());
}

} // namespace brisat
