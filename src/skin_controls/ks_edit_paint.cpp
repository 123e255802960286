// TKsCustomEdit's geometry (text rectangle, caret x, hit test, scrolling) and drawing. Every walk
// over the characters stops at the edge of the text rectangle, so long texts cost no more than
// what is shown.
#include "skin_controls/ks_custom_edit.h"

#include "framework/core/utf8.h"

#include <array>

namespace brisat {
namespace {

TDeviceContext Measurer(const TFont& font) {
    TDeviceContext dc;
    dc.SelectFont(&font);
    return dc;
}

std::string Utf8Of(char32_t c) {
    std::string s;
    AppendUtf8(s, c);
    return s;
}

} // namespace

int32_t TKsCustomEdit::TextHeight() const {
    return std::max(1, Measurer(Font()).GetTextExtent("Pq").cy);
}

TRect TKsCustomEdit::GetTextRect() const {
    TRect r = InflateRect(GetPaintRect(), -2, -2);
    r.Bottom = r.Top + TextHeight();
    return r;
}

int32_t TKsCustomEdit::GetCharWidth() const {
    const TDeviceContext dc = Measurer(Font());
    int32_t width = 10;
    if (m_passwordKind == TPasswordKind::pkChar)
        width = dc.GetTextExtent(Utf8Of(m_passwordChar)).cx;
    else if (m_passwordKind != TPasswordKind::pkNone)
        width = dc.GetTextExtent("W").cx;
    return std::max(width, 1);
}

int32_t TKsCustomEdit::Advance(char32_t c) const {
    return Measurer(Font()).GetTextExtent(Utf8Of(c)).cx;
}

int32_t TKsCustomEdit::SpanWidth(int32_t from, int32_t to, int32_t limit) const {
    to = std::min(to, int32_t(m_core.Length()));
    if (IsPassword()) return std::max(to - from, 0) * GetCharWidth();
    const TDeviceContext dc = Measurer(Font());
    const std::u32string& chars = m_core.Text().Chars();
    int32_t width = 0;
    for (int32_t i = std::max(from, 0); i < to && width <= limit; ++i)
        width += dc.GetTextExtent(Utf8Of(chars[size_t(i)])).cx;
    return width;
}

int32_t TKsCustomEdit::AlignOffset() const {
    if (m_textAlignment == TAlignment::taLeftJustify) return 0;
    const int32_t room = GetTextRect().Width();
    const int32_t shown = SpanWidth(m_firstVisible - 1, int32_t(m_core.Length()), room);
    if (shown >= room) return 0;
    return m_textAlignment == TAlignment::taRightJustify ? room - shown : (room - shown) / 2;
}

int32_t TKsCustomEdit::CaretX(int32_t p) const {
    const TRect text = GetTextRect();
    // Boundaries scrolled out at the left lie just outside the text rectangle.
    if (p < m_firstVisible - 1) return text.Left - 1;
    return text.Left + AlignOffset() + SpanWidth(m_firstVisible - 1, p, text.Width() + 1);
}

int32_t TKsCustomEdit::CharFromX(int32_t x) const {
    const TRect text = GetTextRect();
    const int32_t length = int32_t(m_core.Length());
    if (IsPassword())
        return std::clamp((x - text.Left) / GetCharWidth() + m_firstVisible - 1, 0, length);
    const TDeviceContext dc = Measurer(Font());
    const std::u32string& chars = m_core.Text().Chars();
    int32_t pos = std::min(m_firstVisible - 1, length);
    int32_t left = text.Left + AlignOffset();
    while (pos < length) {
        const int32_t width = dc.GetTextExtent(Utf8Of(chars[size_t(pos)])).cx;
        if (x <= left + width / 2) break;
        left += width;
        ++pos;
    }
    return pos;
}

void TKsCustomEdit::ScrollToCaret() {
    const int32_t p = Caret();
    const int32_t length = int32_t(m_core.Length());
    if (p + 1 > m_firstVisible) {
        // The first character from which the text up to the caret fits, found from the caret
        // backwards.
        const int32_t room = GetTextRect().Width();
        int32_t start = p;
        int32_t width = 0;
        const std::u32string& chars = m_core.Text().Chars();
        const int32_t cell = IsPassword() ? GetCharWidth() : 0;
        while (start > m_firstVisible - 1) {
            const int32_t next = cell ? cell : Advance(chars[size_t(start - 1)]);
            if (width + next > room) break;
            width += next;
            --start;
        }
        m_firstVisible = std::clamp(start + 1, 1, std::max(length, 1));
    } else {
        m_firstVisible = std::max(p, 1);
    }
}

TRect TKsCustomEdit::GetSelectionRect() const {
    const TRect text = GetTextRect();
    const int32_t start = SelStart();
    TRect r{CaretX(start), text.Top, CaretX(start + std::abs(SelLength())), text.Bottom};
    r.Left = std::max(r.Left, text.Left);
    r.Right = std::min(r.Right, text.Right);
    return r;
}

void TKsCustomEdit::PaintBuffer() {
    const TRect text = GetTextRect();
    PaintBackground({text.Left - 1, text.Top - 1, text.Right + 2, CachedHeight() - text.Top + 1},
                    Buffer());
    const bool selection = ShowsSelection() && SelLength() != 0;
    if (selection) Buffer().DC().FillRect(GetSelectionRect(), clHighlight);
    PaintText();
    if (selection) PaintSelectedText();
}

void TKsCustomEdit::PaintBackground(const TRect& rect, TKsBitmap& bitmap) {
    bitmap.DC().FillRect(rect, Color());
}

namespace {

// The characters of Chars from First that start inside Room pixels.
size_t VisibleCount(const TDeviceContext& dc, std::u32string_view chars, int32_t room) {
    size_t count = 0;
    for (int32_t x = 0; count < chars.size() && x < room; ++count)
        x += dc.GetTextExtent(Utf8Of(chars[count])).cx;
    return count;
}

} // namespace

void TKsCustomEdit::PaintText() {
    const TRect text = GetTextRect();
    const size_t first = std::min(size_t(m_firstVisible - 1), m_core.Length());
    if (IsPassword()) {
        const int32_t cell = GetCharWidth();
        int32_t x = text.Left + AlignOffset();
        for (size_t i = first; i < m_core.Length() && x < text.Right; ++i, x += cell)
            PaintPasswordCell({x, text.Top, x + cell, text.Bottom}, false);
        return;
    }
    DrawVisibleText(Enabled() ? Font().Color() : clGrayText);
}

void TKsCustomEdit::DrawVisibleText(TColor color) {
    TDeviceContext& dc = Buffer().DC();
    const TRect text = GetTextRect();
    const size_t first = std::min(size_t(m_firstVisible - 1), m_core.Length());
    dc.SaveDC();
    dc.IntersectClipRect(text);
    dc.SelectFont(&Font());
    dc.SetBkMode(TBkMode::Transparent);
    dc.SetTextColor(color);
    const std::u32string_view rest = std::u32string_view(m_core.Text().Chars()).substr(first);
    const size_t count = VisibleCount(dc, rest, text.Width());
    dc.TextOut(text.Left + AlignOffset(), text.Top, ToUtf8(rest.substr(0, count)));
    dc.RestoreDC();
}

void TKsCustomEdit::PaintSelectedText() {
    TDeviceContext& dc = Buffer().DC();
    const TRect sel = GetSelectionRect();
    if (IsPassword()) {
        const int32_t cell = GetCharWidth();
        const int32_t from = std::max(SelStart(), m_firstVisible - 1);
        const int32_t to = SelStart() + std::abs(SelLength());
        const TRect text = GetTextRect();
        int32_t x = text.Left + AlignOffset() + (from - (m_firstVisible - 1)) * cell;
        for (int32_t i = from; i < to && x < text.Right; ++i, x += cell)
            PaintPasswordCell({x, text.Top, x + cell, text.Bottom}, true);
        return;
    }
    // The same text again in the highlight colour, clipped to the selection.
    dc.SaveDC();
    dc.IntersectClipRect(sel);
    DrawVisibleText(clHighlightText);
    dc.RestoreDC();
}

void TKsCustomEdit::PaintPasswordCell(const TRect& rect, bool selected) {
    TDeviceContext& dc = Buffer().DC();
    const TColor color = selected ? clHighlightText : Font().Color();
    dc.SaveDC();
    dc.IntersectClipRect(rect);
    dc.SetPen({color, TPenStyle::psSolid, 1});
    dc.SetBrush({color, TBrushStyle::bsSolid});
    const TRect area = InflateRect(rect, -2, -3);
    const int32_t side = std::min(area.Width(), area.Height());
    const TRect square = Bounds(area.Left + (area.Width() - side) / 2,
                                area.Top + (area.Height() - side) / 2, side, side);
    switch (m_passwordKind) {
    case TPasswordKind::pkChar:
        dc.SelectFont(&Font());
        dc.SetBkMode(TBkMode::Transparent);
        dc.SetTextColor(color);
        dc.TextOut(rect.Left, rect.Top, Utf8Of(m_passwordChar));
        break;
    case TPasswordKind::pkRect:
        dc.FillRect(area, color);
        break;
    case TPasswordKind::pkRoundRect:
        dc.RoundRect(area, 4, 4);
        break;
    case TPasswordKind::pkCircle: {
        const int32_t radius = side / 2 + 1;
        dc.RoundRect(square, 2 * radius, 2 * radius);
        break;
    }
    case TPasswordKind::pkTriangle: {
        const int32_t width = side | 1;
        const int32_t left = area.Left + (area.Width() - width) / 2;
        const std::array<TPoint, 3> points{TPoint{left + width / 2, square.Top},
                                           TPoint{left + width - 1, square.Bottom - 1},
                                           TPoint{left, square.Bottom - 1}};
        dc.Polygon(points);
        break;
    }
    case TPasswordKind::pkNone:
        break;
    }
    dc.RestoreDC();
}

} // namespace brisat
