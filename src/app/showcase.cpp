#include "app/showcase.h"

#include "framework/device_context.h"
#include "skin/draw_helpers.h"
#include "skin/transitions.h"

#include <cstdio>

namespace brisat {

namespace {

constexpr int32_t kWindowWidth = 480;
constexpr int32_t kWindowHeight = 320;
constexpr int32_t kCaptionHeight = 24;
constexpr int32_t kEntranceMs = 700;
constexpr TRect kVideoRect{12, kCaptionHeight + 12, 12 + 320, kCaptionHeight + 12 + 180};

TFont MakeFont(const char* name, int32_t height, TColor color, TFontStyles style = {}) {
    TFont font;
    font.SetName(name);
    font.SetHeight(height);
    font.SetColor(color);
    font.SetStyle(style);
    return font;
}

} // namespace

TShowcase::TShowcase(int32_t width, int32_t height) {
    m_backBuffer.SetSize(width, height);
    m_backdrop.SetSize(width, height);
    m_frame.SetSize(kWindowWidth, kWindowHeight);
    m_windowPos = {(width - kWindowWidth) / 2, (height - kWindowHeight) / 2};
    PaintBackdrop();
    PaintWindowImage();
    m_behindWindow.SetSize(kWindowWidth, kWindowHeight);
    m_backdrop.DrawRect(m_behindWindow, 0, 0,
                        Bounds(m_windowPos.X, m_windowPos.Y, kWindowWidth, kWindowHeight));
}

void TShowcase::RestartEntrance() {
    m_effect = (m_effect + 1) % 3;
    m_entranceStart = m_lastElapsed;
    m_entranceDone = false;
}

void TShowcase::PaintBackdrop() {
    m_backdrop.FillGradient(m_backdrop.BoundsRect(), 0xFF1B2A49, true, 0xFF04060C);
    // A faint tiled pattern blended over the gradient.
    TKsBitmap tile;
    tile.SetSize(24, 24);
    tile.Fill(0x00000000);
    tile.FillRect({0, 0, 12, 12}, 0x18FFFFFF);
    tile.FillRect({12, 12, 24, 24}, 0x18FFFFFF);
    tile.SetAlphaBlend(true);
    tile.TileDraw(m_backdrop, m_backdrop.BoundsRect(), tile.BoundsRect());
    m_backdrop.Font() = MakeFont("Tahoma", -12, clSilver);
    m_backdrop.DrawText("Click to replay the entrance  ·  Esc closes",
                        {0, m_backdrop.Height() - 28, m_backdrop.Width(), m_backdrop.Height()},
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TShowcase::PaintWindowImage() {
    m_window.SetSize(kWindowWidth, kWindowHeight);
    m_window.Fill(ksKeyPixel);
    const TRect all = m_window.BoundsRect();
    m_window.FillRoundRect(all, 14, ColorToPixel(clBtnFace, 255));
    m_window.SetAlpha(255);
    m_window.MakeTransparent(ksKeyPixel);

    // Caption: gradient, title, the classic glyphs.
    const TRect caption{3, 3, kWindowWidth - 3, kCaptionHeight};
    m_window.FillGradient(caption, ColorToPixel(clActiveCaption, 255), false,
                          ColorToPixel(clGradientActiveCaption, 255));
    m_window.Font() = MakeFont("Tahoma", -12, clCaptionText, {TFontStyle::fsBold});
    m_window.DrawText("Brisat", {caption.Left + 8, caption.Top, caption.Right, caption.Bottom},
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    TDeviceContext& dc = m_window.DC();
    const uint32_t glyphs[] = {DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONCLOSE};
    for (int i = 0; i < 3; ++i) {
        int32_t right = caption.Right - 4 - (2 - i) * 18 - (i == 2 ? 0 : 2);
        dc.DrawFrameControl({right - 16, caption.Top + 3, right, caption.Top + 17}, DFC_CAPTION,
                            glyphs[i]);
    }

    // Video area with a sunken edge; the bars are drawn into it per frame.
    TRect videoFrame = InflateRect(kVideoRect, 2, 2);
    dc.DrawEdge(videoFrame, EDGE_SUNKEN, BF_RECT);

    // Side panel: labels, a check box and radio buttons in the plain look.
    TRect panel{kVideoRect.Right + 12, kVideoRect.Top - 2, kWindowWidth - 12,
                kVideoRect.Bottom + 2};
    dc.DrawEdge(panel, EDGE_ETCHED, BF_RECT);
    m_window.Font() = MakeFont("MS Sans Serif", -11, clBtnText);
    const char* labels[] = {"Яркость", "Контраст", "Hue", "Saturation"};
    for (int i = 0; i < 4; ++i) {
        int32_t top = panel.Top + 10 + i * 24;
        dc.DrawFrameControl({panel.Left + 8, top, panel.Left + 21, top + 13}, DFC_BUTTON,
                            DFCS_BUTTONCHECK | (i % 2 ? 0 : DFCS_CHECKED));
        m_window.DrawText(labels[i], {panel.Left + 26, top - 1, panel.Right - 4, top + 15},
                          DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
    m_window.DrawRotatedText("Громкость",
                             {panel.Right - 26, panel.Top + 110, panel.Right - 6, panel.Bottom - 8},
                             false, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    // Seek bar: groove, position, thumb.
    const int32_t seekTop = kVideoRect.Bottom + 16;
    TRect groove{kVideoRect.Left, seekTop, kWindowWidth - 12, seekTop + 6};
    dc.DrawEdge(groove, EDGE_SUNKEN, BF_RECT);
    m_window.FillGradient({groove.Left + 2, groove.Top + 2, groove.Left + 180, groove.Bottom - 2},
                          0xFF0A246A, false, 0xFFA6CAF0);
    TRect thumb{groove.Left + 176, seekTop - 6, groove.Left + 186, seekTop + 12};
    dc.DrawFrameControl(thumb, DFC_BUTTON, DFCS_BUTTONPUSH);

    // Buttons with the scroll glyphs standing in for transport controls.
    const uint32_t transport[] = {DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT, DFCS_SCROLLCOMBOBOX};
    for (int i = 0; i < 3; ++i) {
        int32_t left = kVideoRect.Left + i * 30;
        dc.DrawFrameControl({left, seekTop + 22, left + 26, seekTop + 44}, DFC_SCROLL,
                            transport[i] | (i == 1 ? DFCS_PUSHED : 0));
    }
    m_window.Font() = MakeFont("Tahoma", -11, clBtnText);
    const TRect title{kVideoRect.Left + 96, seekTop + 22, kWindowWidth - 120, seekTop + 44};
    m_window.DrawText(
        EllipsisText(m_window, "Сейчас: a very long clip name that cannot fit.avi", title.Width()),
        title, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    // Colour bars, drawn once; the hue turn works on a copy.
    m_bars.SetSize(kVideoRect.Width(), kVideoRect.Height());
    const TKsPixel bars[] = {0xFFC0C0C0, 0xFFC0C000, 0xFF00C0C0, 0xFF00C000,
                             0xFFC000C0, 0xFFC00000, 0xFF0000C0};
    int32_t barWidth = m_bars.Width() / 7;
    for (int i = 0; i < 7; ++i)
        m_bars.FillRect({i * barWidth, 0, i == 6 ? m_bars.Width() : (i + 1) * barWidth,
                         m_bars.Height() * 2 / 3},
                        bars[i]);
    m_bars.FillGradient({0, m_bars.Height() * 2 / 3, m_bars.Width(), m_bars.Height()}, 0xFF000000,
                        false, 0xFFFFFFFF);
    m_shiftedBars.SetSize(m_bars.Width(), m_bars.Height());
}

void TShowcase::PaintColourBars(int32_t hueDelta) {
    m_bars.Draw(m_shiftedBars, 0, 0);
    m_shiftedBars.ChangeHue(hueDelta);
    m_shiftedBars.Draw(m_window, kVideoRect.Left, kVideoRect.Top);
}

void TShowcase::PaintClock(uint32_t seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%u:%02u:%02u", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    const int32_t top = kVideoRect.Bottom + 38;
    TRect box{kWindowWidth - 110, top, kWindowWidth - 12, top + 24};
    m_window.FillRect(box, 0xFF000000);
    m_window.BevelRect(box, ColorToPixel(clBtnShadow, 255), ColorToPixel(clBtnHighlight, 255));
    m_window.Font() = MakeFont("Tahoma", -16, clLime, {TFontStyle::fsBold});
    m_window.DrawText(text, box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

bool TShowcase::Render(uint32_t elapsedMs) {
    m_lastElapsed = elapsedMs;
    // The hue steps with the clock, once a second, so an idle window wakes once a second.
    const int32_t hue = int32_t(elapsedMs / 1000 * 25 % 255);
    const uint32_t second = elapsedMs / 1000;
    const bool entering = !m_entranceDone;
    if (!entering && hue == m_lastHue && second == m_lastSecond) return false;
    if (hue != m_lastHue) PaintColourBars(hue);
    if (second != m_lastSecond) PaintClock(second);
    m_lastHue = hue;
    m_lastSecond = second;

    m_backdrop.Draw(m_backBuffer, 0, 0);
    const TKsBitmap& background = m_behindWindow;
    const int32_t t = int32_t(elapsedMs - m_entranceStart);
    if (t < kEntranceMs) {
        switch (m_effect) {
        case 0:
            RenderFadeFrame(m_frame, background, m_window, t, kEntranceMs);
            break;
        case 1:
            RenderSlideFrame(m_frame, background, m_window, t, kEntranceMs, 4);
            break;
        default:
            RenderRevealFrame(m_frame, background, m_window, t, kEntranceMs, 0);
            break;
        }
    } else {
        // The finished window: the shape's corners show what lies behind.
        background.Draw(m_frame, 0, 0);
        m_window.SetAlphaBlend(true);
        m_window.Draw(m_frame, 0, 0);
        m_window.SetAlphaBlend(false);
        m_entranceDone = true;
    }
    m_frame.Draw(m_backBuffer, m_windowPos.X, m_windowPos.Y);
    return true;
}

} // namespace brisat
