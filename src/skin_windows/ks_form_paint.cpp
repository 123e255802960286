// TKsCustomForm's painting: the frame bitmap, the drop shadow and translucency, the four
// non-client strips, the client background, the window shape and printing.
#include "skin_windows/ks_form_runtime.h"

#include "framework/controls/win_control.h"
#include "framework/core/colors.h"
#include "framework/windowing/window_handle.h"
#include "skin/bitmap/draw_helpers.h"

#include <array>

#include <algorithm>

namespace brisat {

namespace {

// The non-client strips of a FW × FH window around Client: top, left, right, bottom.
std::array<TRect, 4> Strips(const TRect& client, TSize full) {
    return {TRect{0, 0, full.cx, client.Top}, TRect{0, client.Top, client.Left, full.cy},
            TRect{client.Right, client.Top, full.cx, full.cy},
            TRect{client.Left, client.Bottom, client.Right, full.cy}};
}

} // namespace

TKsBitmap& ScratchFrameBitmap(TSize atLeast) {
    static TKsBitmap scratch;
    const int32_t w = std::max(atLeast.cx, scratch.Width());
    const int32_t h = std::max(atLeast.cy, scratch.Height());
    if (w > scratch.Width() || h > scratch.Height() || scratch.Empty())
        scratch.SetSize((w + 255) / 256 * 256, (h + 255) / 256 * 256);
    return scratch;
}

TKsBitmap& TKsCustomForm::FrameBitmap() {
    const TSize full{std::max(m_fullSize.cx, 1), std::max(m_fullSize.cy, 1)};
    if (!m_blend) return ScratchFrameBitmap(full);
    TKsBitmap& own = m_rt->BlendBitmap;
    if (own.Width() < full.cx || own.Height() < full.cy) own.SetSize(full.cx, full.cy);
    return own;
}

void TKsCustomForm::DrawNonClient(TDeviceContext& dc) {
    if (!m_paintingEnabled || m_fullSize.cx <= 0 || m_fullSize.cy <= 0) return;
    TKsBitmap& bitmap = FrameBitmap();
    const bool composited = Composited();
    bitmap.SetAlphaBlend(m_blend);
    if (ShadowExtent()) PaintShadow(bitmap, composited);
    PaintFrame(bitmap);
    BlendStrips(bitmap, composited);
    TRect client;
    GetClientRect(client);
    for (const TRect& strip : Strips(client, m_fullSize))
        if (!IsRectEmpty(strip)) bitmap.DrawRectToDC(dc, strip.Left, strip.Top, strip);
}

// The client background goes through the frame bitmap too, so OnPaint and translucency see it.
void TKsCustomForm::DrawBackground(TDeviceContext& dc) {
    if (m_fullSize.cx <= 0 || m_fullSize.cy <= 0) return;
    TKsBitmap& bitmap = FrameBitmap();
    TRect client;
    GetClientRect(client);
    if (IsRectEmpty(client)) return;
    PaintBackground(bitmap);
    if (OnPaint) OnPaint(*this, bitmap);
    BlendOverScreen(bitmap, client.Left, client.Top, client, Composited());
    bitmap.DrawRectToDC(dc, 0, 0, client);
}

void TKsCustomForm::BlendClientPicture(TKsBitmap& picture) {
    TRect client;
    GetClientRect(client);
    BlendOverScreen(picture, 0, 0, client, Composited());
}

// Under a compositing manager the pixels' alpha says it all: BlendValue when translucent, else
// opaque, whatever alpha the skin's art left there.
void TKsCustomForm::BlendOverScreen(TKsBitmap& bitmap, int32_t x, int32_t y, const TRect& area,
                                    bool composited) {
    if (!m_blend && !composited) return;
    const uint8_t alpha = m_blend ? uint8_t(m_blendValue) : 255;
    bitmap.SetAlphaRect(alpha, OffsetRect(area, x - area.Left, y - area.Top));
    if (!composited) bitmap.MergeUnder(m_rt->Background, x, y, area);
}

void TKsCustomForm::PaintBackground(TKsBitmap& bitmap) {
    TRect client;
    GetClientRect(client);
    const TColor color = Control() ? Control()->Color() : clBtnFace;
    bitmap.FillRect(client, ColorToPixel(color, 255));
}

// The window's rectangle moved by the shadow width, dark and translucent over the screen behind;
// the corners beside the shadow show the screen. Under a compositing manager the shadow is the
// shadow pixel itself over clear pixels, and the compositor lays it over what is beneath.
void TKsCustomForm::PaintShadow(TKsBitmap& bitmap, bool composited) {
    const int32_t s = ShadowExtent();
    const TRect full{0, 0, m_fullSize.cx, m_fullSize.cy};
    const TRect shadow{s, s, m_size.cx + s, m_size.cy + s};
    const bool blend = bitmap.AlphaBlend();
    if (composited) {
        bitmap.SetAlphaBlend(false);
        bitmap.FillRect(full, 0);
        bitmap.FillRect(shadow, kShadowPixel);
        bitmap.SetAlphaBlend(blend);
        return;
    }
    if (m_rt->Background.Width() >= full.Right && m_rt->Background.Height() >= full.Bottom)
        m_rt->Background.DrawRect(bitmap, 0, 0, full);
    else
        bitmap.FillRect(full, ColorToPixel(clBtnShadow, 255));
    bitmap.SetAlphaBlend(true);
    bitmap.FillRect(shadow, kShadowPixel);
    bitmap.SetAlphaBlend(blend);
}

// Translucent frame: the strips take BlendValue as their alpha and are laid over the screen.
// Composited, only the window's own part of each strip takes its alpha: the shadow keeps its own.
void TKsCustomForm::BlendStrips(TKsBitmap& bitmap, bool composited) {
    TRect client;
    GetClientRect(client);
    const TRect own{0, 0, m_size.cx, m_size.cy};
    for (TRect strip : Strips(client, m_fullSize)) {
        if (composited) strip = IntersectRect(strip, own);
        if (!IsRectEmpty(strip))
            BlendOverScreen(bitmap, strip.Left, strip.Top, strip, composited);
    }
}

void TKsCustomForm::PaintFrame(TKsBitmap& bitmap) {
    TRect r{0, 0, m_size.cx, m_size.cy};
    if (m_borderStyle == TKsBorderStyle::kbsNone || IsRectEmpty(r)) return;
    bitmap.DC().DrawEdge(r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    TRect client;
    GetClientRect(client);
    const TKsPixel face = ColorToPixel(clBtnFace, 255);
    bitmap.FillRect({r.Left, r.Top, r.Right, client.Top}, face);
    bitmap.FillRect({r.Left, client.Top, client.Left, r.Bottom}, face);
    bitmap.FillRect({client.Right, client.Top, r.Right, r.Bottom}, face);
    bitmap.FillRect({client.Left, client.Bottom, client.Right, r.Bottom}, face);
    const TRect band = CaptionBand();
    if (IsRectEmpty(band)) return;
    const bool active = m_windowActive;
    bitmap.FillGradient(band, ColorToPixel(active ? clActiveCaption : clInactiveCaption, 255),
                        false,
                        ColorToPixel(active ? clGradientActiveCaption : clGradientInactiveCaption,
                                     255));
    PaintCaptionText(bitmap, band);
    PaintPlainButtons(bitmap);
}

void TKsCustomForm::PaintCaptionText(TKsBitmap& bitmap, const TRect& band) {
    const bool tool = m_borderStyle == TKsBorderStyle::kbsToolWindow;
    TRect area = band;
    if (m_borderIcons.Contains(TKsBorderIcon::kbiSystemMenu) && !tool)
        area.Left += band.Height();
    int32_t buttons = 2;
    if (!tool) {
        buttons = 0;
        for (TKsBorderIcon icon :
             {TKsBorderIcon::kbiClose, TKsBorderIcon::kbiMaximize, TKsBorderIcon::kbiMinimize,
              TKsBorderIcon::kbiHelp, TKsBorderIcon::kbiRollup, TKsBorderIcon::kbiTray})
            buttons += m_borderIcons.Contains(icon);
    }
    TFont font;
    if (tool) font.SetSize(std::max(font.Size() - 1, 1));
    font.SetColor(m_windowActive ? clCaptionText : clInactiveCaptionText);
    bitmap.SetFont(font);
    const int32_t room = m_size.cx - area.Left - CaptionHeight() * buttons;
    const std::string text = EllipsisText(bitmap, GetWindowText(Hwnd()), std::max(room, 0));
    bitmap.DrawText(text, InflateRect(area, -2, 0), DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TKsCustomForm::UpdateRegion() {
    if (!Control() || !Active()) return;
    // The bitmap shows no stale frame while the shape changes.
    const bool painting = m_paintingEnabled;
    m_paintingEnabled = false;
    if (m_fullSize.cx > 0 && m_fullSize.cy > 0)
        FrameBitmap().FillRect({0, 0, m_fullSize.cx, m_fullSize.cy}, ksKeyPixel);
    std::optional<TRegion> region = GetRegion();
    const int32_t s = ShadowExtent();
    if (region && s) {
        TRegion shadow = *region;
        shadow.Offset(s, s);
        region->Union(shadow);
    } else if (!region && s) {
        // A plain rectangle with its shadow.
        TRegion shape(TRect{0, 0, m_size.cx, m_size.cy});
        shape.Union(TRegion(TRect{s, s, m_size.cx + s, m_size.cy + s}));
        region = std::move(shape);
    }
    m_paintingEnabled = painting;
    m_rt->RegionSize = m_fullSize;
    SetWindowRgn(Hwnd(), std::move(region), true);
}

std::optional<TRegion> TKsCustomForm::GetRegion() {
    return std::nullopt;
}

// Print message: the frame and background as for an active window, copied to the device
// context at (x, y).
void TKsCustomForm::PrintForm(TMessage& message) {
    auto* dc = reinterpret_cast<TDeviceContext*>(message.LParam);
    message.Result = 1;
    if (!dc || m_fullSize.cx <= 0 || m_fullSize.cy <= 0) return;
    const bool active = m_windowActive;
    m_windowActive = true;
    TKsBitmap& bitmap = FrameBitmap();
    // A picture complete in itself: the shadow over the screen read behind the window.
    if (ShadowExtent()) PaintShadow(bitmap, false);
    PaintFrame(bitmap);
    PaintBackground(bitmap);
    if (OnPaint) OnPaint(*this, bitmap);
    m_windowActive = active;
    const TPoint at{int16_t(LoWord(message.WParam)), int16_t(HiWord(message.WParam))};
    bitmap.DrawRectToDC(*dc, at.X, at.Y, {0, 0, m_fullSize.cx, m_fullSize.cy});
}

} // namespace brisat
