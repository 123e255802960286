// 3-D edges and frame controls in the classic look: light from the top left, faces in
// clBtnFace, marks in clBtnText, greyed marks embossed in clBtnShadow over clBtnHighlight.
#include "framework/graphics/device_context.h"
#include "framework/graphics/frame_glyphs.h"
#include "framework/graphics/shape_spans.h"

#include <functional>

namespace brisat {

namespace {

struct TEdgeColors {
    TColor TopLeft;
    TColor BottomRight;
};

// One ring of an edge. Raised: light outside, highlight inside, dark shadows below. Sunken is
// the reverse. BF_SOFT swaps the top-left colours of the two rings (a push button's softer
// look); BF_FLAT and BF_MONO draw an outer line and an inner ring the colour of the middle.
enum class TRelief { Raised, Sunken };
enum class TRing { Outer, Inner };

TRelief ReliefOf(uint32_t edge, uint32_t raisedBit) {
    return edge & raisedBit ? TRelief::Raised : TRelief::Sunken;
}

TEdgeColors RingColors(TRelief relief, TRing ring, uint32_t flags) {
    const bool outer = ring == TRing::Outer;
    if (flags & BF_MONO)
        return outer ? TEdgeColors{clWindowFrame, clWindowFrame} : TEdgeColors{clWindow, clWindow};
    if (flags & BF_FLAT)
        return outer ? TEdgeColors{clBtnShadow, clBtnShadow} : TEdgeColors{clBtnFace, clBtnFace};
    const bool soft = flags & BF_SOFT;
    if (relief == TRelief::Raised)
        return outer ? TEdgeColors{soft ? clBtnHighlight : cl3DLight, cl3DDkShadow}
                     : TEdgeColors{soft ? cl3DLight : clBtnHighlight, clBtnShadow};
    return outer ? TEdgeColors{soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight}
                 : TEdgeColors{soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
}

uint32_t FaceLook(uint32_t state) {
    return (state & DFCS_FLAT ? BF_FLAT : 0) | (state & DFCS_MONO ? BF_MONO : 0);
}

void DrawFace(TDeviceContext& dc, const TRect& rect, uint32_t edge, uint32_t flags) {
    TRect r = rect;
    dc.DrawEdge(r, edge, BF_RECT | BF_MIDDLE | flags);
}

using TGlyph = std::function<void(const TRect& box, TColor color)>;

// A mark in its state: one pixel down-right while pushed; greyed and embossed while inactive.
void DrawMark(const TRect& box, uint32_t state, TColor color, const TGlyph& glyph) {
    const TRect at = state & DFCS_PUSHED ? OffsetRect(box, 1, 1) : box;
    if (state & DFCS_INACTIVE) {
        glyph(OffsetRect(at, 1, 1), clBtnHighlight);
        glyph(at, clBtnShadow);
    } else {
        glyph(at, color);
    }
}

void DrawCaptionControl(TDeviceContext& dc, const TRect& rect, uint32_t state) {
    const bool pushed = state & DFCS_PUSHED;
    DrawFace(dc, rect, pushed ? EDGE_SUNKEN : EDGE_RAISED,
             (pushed ? BF_SOFT : 0) | FaceLook(state));
    void (*glyph)(TDeviceContext&, const TRect&, TColor) = nullptr;
    switch (state & 0xFF) {
    case DFCS_CAPTIONCLOSE:
        glyph = DrawCloseGlyph;
        break;
    case DFCS_CAPTIONMIN:
        glyph = DrawMinimizeGlyph;
        break;
    case DFCS_CAPTIONMAX:
        glyph = DrawMaximizeGlyph;
        break;
    case DFCS_CAPTIONRESTORE:
        glyph = DrawRestoreGlyph;
        break;
    case DFCS_CAPTIONHELP:
        glyph = DrawHelpGlyph;
        break;
    default:
        return;
    }
    DrawMark(rect, state, clBtnText,
             [&](const TRect& box, TColor color) { glyph(dc, box, color); });
}

// Diagonal ridges over three quarters of the bottom-right corner: a highlight line and two
// shadow lines, repeated.
void DrawSizeGrip(TDeviceContext& dc, const TRect& rect) {
    dc.FillRect(rect, clBtnFace);
    const int32_t reach = GlyphSize(rect) * 3 / 4;
    dc.SaveDC();
    for (int32_t k = 1; k < reach; ++k) {
        if (k % 4 == 0) continue;
        dc.SetPen({k % 4 == 1 ? clBtnHighlight : clBtnShadow, TPenStyle::psSolid, 1});
        dc.MoveTo(rect.Right - 1, rect.Bottom - 1 - k);
        dc.LineTo(rect.Right - 2 - k, rect.Bottom);
    }
    dc.RestoreDC();
}

void DrawScrollControl(TDeviceContext& dc, const TRect& rect, uint32_t state) {
    const uint32_t part = state & 0xFF;
    if (part == DFCS_SCROLLSIZEGRIP) {
        DrawSizeGrip(dc, rect);
        return;
    }
    // A pushed scroll button goes flat, with only a shadow line around it.
    if (state & DFCS_PUSHED)
        DrawFace(dc, rect, BDR_SUNKENOUTER, BF_FLAT | FaceLook(state));
    else
        DrawFace(dc, rect, EDGE_RAISED, FaceLook(state));
    TGlyphArrow direction;
    switch (part) {
    case DFCS_SCROLLUP:
        direction = TGlyphArrow::Up;
        break;
    case DFCS_SCROLLLEFT:
        direction = TGlyphArrow::Left;
        break;
    case DFCS_SCROLLRIGHT:
        direction = TGlyphArrow::Right;
        break;
    case DFCS_SCROLLDOWN:
    case DFCS_SCROLLCOMBOBOX:
        direction = TGlyphArrow::Down;
        break;
    default:
        return;
    }
    DrawMark(rect, state, clBtnText,
             [&](const TRect& box, TColor color) { DrawArrowGlyph(dc, box, direction, color); });
}

void DrawPushButton(TDeviceContext& dc, const TRect& rect, uint32_t state) {
    if (state & DFCS_PUSHED) { // a dark frame round a flat, shadowed face
        dc.FrameRect(rect, clWindowFrame);
        DrawFace(dc, InflateRect(rect, -1, -1), BDR_SUNKENOUTER, BF_FLAT | FaceLook(state));
    } else if (state & DFCS_CHECKED) {
        DrawFace(dc, rect, EDGE_SUNKEN, BF_SOFT | FaceLook(state));
    } else {
        DrawFace(dc, rect, EDGE_RAISED, BF_SOFT | FaceLook(state));
    }
}

// The well of a check box or radio button: white, or the face colour while pushed or greyed.
TColor WellColor(uint32_t state) {
    return state & (DFCS_PUSHED | DFCS_INACTIVE) ? clBtnFace : clWindow;
}

// The colour of a check mark or radio dot; the third state and greyed boxes show it in shadow.
TColor MarkColor(uint32_t state) {
    return state & (DFCS_INACTIVE | DFCS_BUTTON3STATE) ? clBtnShadow : clWindowText;
}

void DrawCheckBox(TDeviceContext& dc, const TRect& rect, uint32_t state) {
    const int32_t s = GlyphSize(rect);
    TRect box = CenteredRect(rect, s, s);
    // Flat and mono boxes have a single line round the well.
    const uint32_t look = FaceLook(state);
    dc.DrawEdge(box, look ? BDR_SUNKENOUTER : EDGE_SUNKEN, BF_RECT | BF_ADJUST | look);
    dc.FillRect(box, WellColor(state));
    if (state & DFCS_CHECKED) DrawCheckGlyph(dc, InflateRect(box, -1, -1), MarkColor(state));
}

// A round box of three nested discs: two 3-D rings and the well, lit from the top left.
void DrawRadioButton(TDeviceContext& dc, const TRect& rect, uint32_t state) {
    const int32_t s = GlyphSize(rect);
    const TRect box = CenteredRect(rect, s, s);
    auto inDisc = [&](int32_t level, int32_t x, int32_t y) {
        const int64_t size = s - 2 * level, rx = x - box.Left - level, ry = y - box.Top - level;
        if (rx < 0 || ry < 0 || rx >= size || ry >= size) return false;
        const int64_t inset = EllipseRowInset(size, size, ry);
        return rx >= inset && rx < size - inset;
    };
    const uint32_t look = FaceLook(state);
    const TEdgeColors outer = RingColors(TRelief::Sunken, TRing::Outer, look);
    const TEdgeColors inner = RingColors(TRelief::Sunken, TRing::Inner, look);
    const TRect area = IntersectRect(box, dc.ClipBox());
    for (int32_t y = area.Top; y < area.Bottom; ++y)
        for (int32_t x = area.Left; x < area.Right; ++x) {
            if (!inDisc(0, x, y)) continue;
            const bool topLeft = (x - box.Left) + (y - box.Top) < s - 1;
            TColor color = WellColor(state);
            if (!inDisc(1, x, y))
                color = topLeft ? outer.TopLeft : outer.BottomRight;
            else if (!inDisc(2, x, y) && !(look & (BF_FLAT | BF_MONO)))
                color = topLeft ? inner.TopLeft : inner.BottomRight;
            dc.FillRect({x, y, x + 1, y + 1}, color);
        }
    const int32_t dot = std::max(2, s / 3);
    if (state & DFCS_CHECKED) DrawBulletGlyph(dc, CenteredRect(box, dot, dot), MarkColor(state));
}

void DrawButtonControl(TDeviceContext& dc, const TRect& rect, uint32_t state) {
    if (state & DFCS_BUTTONPUSH)
        DrawPushButton(dc, rect, state);
    else if ((state & 0xF) == DFCS_BUTTONRADIO)
        DrawRadioButton(dc, rect, state);
    else
        DrawCheckBox(dc, rect, state);
}

// Menu marks sit straight on the menu, without a face.
void DrawMenuControl(TDeviceContext& dc, const TRect& rect, uint32_t state) {
    const int32_t m = GlyphSize(rect);
    TGlyph glyph;
    switch (state & 0xFF) {
    case DFCS_MENUARROW:
        glyph = [&](const TRect& box, TColor color) {
            DrawArrowGlyph(dc, box, TGlyphArrow::Right, color);
        };
        break;
    case DFCS_MENUCHECK:
        glyph = [&](const TRect& box, TColor color) {
            const int32_t c = std::max(3, m / 2 - 1);
            DrawCheckGlyph(dc, CenteredRect(box, c, c), color);
        };
        break;
    case DFCS_MENUBULLET:
        glyph = [&](const TRect& box, TColor color) {
            const int32_t d = std::max(2, m * 3 / 8);
            DrawBulletGlyph(dc, CenteredRect(box, d, d), color);
        };
        break;
    default:
        return;
    }
    DrawMark(rect, state & ~DFCS_PUSHED, clMenuText, glyph);
}

} // namespace

void TDeviceContext::DrawEdge(TRect& rect, uint32_t edge, uint32_t flags) {
    if (IsRectEmpty(rect)) return;
    TRect r = rect;
    const bool left = flags & BF_LEFT, top = flags & BF_TOP, right = flags & BF_RIGHT,
               bottom = flags & BF_BOTTOM;
    // Top-left colour on the top row and left column, bottom-right colour on the bottom row and
    // right column, which take the top-right and bottom-left corners.
    auto ring = [&](const TEdgeColors& c) {
        if (IsRectEmpty(r)) return;
        if (top) FillRect({r.Left, r.Top, r.Right - right, r.Top + 1}, c.TopLeft);
        if (left) FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - bottom}, c.TopLeft);
        if (bottom) FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, c.BottomRight);
        if (right) FillRect({r.Right - 1, r.Top, r.Right, r.Bottom - bottom}, c.BottomRight);
        r = {r.Left + left, r.Top + top, r.Right - right, r.Bottom - bottom};
    };
    if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER))
        ring(RingColors(ReliefOf(edge, BDR_RAISEDOUTER), TRing::Outer, flags));
    if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER))
        ring(RingColors(ReliefOf(edge, BDR_RAISEDINNER), TRing::Inner, flags));
    if (flags & BF_MIDDLE) FillRect(r, flags & BF_MONO ? clWindow : clBtnFace);
    if (flags & BF_ADJUST) rect = r;
}

void TDeviceContext::DrawFrameControl(const TRect& rect, uint32_t type, uint32_t state) {
    if (IsRectEmpty(rect)) return;
    switch (type) {
    case DFC_CAPTION:
        DrawCaptionControl(*this, rect, state);
        break;
    case DFC_MENU:
        DrawMenuControl(*this, rect, state);
        break;
    case DFC_SCROLL:
        DrawScrollControl(*this, rect, state);
        break;
    case DFC_BUTTON:
        DrawButtonControl(*this, rect, state);
        break;
    default:
        break;
    }
}

} // namespace brisat
