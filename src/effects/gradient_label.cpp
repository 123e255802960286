#include "effects/gradient_label.h"

#include "effects/pixel_mix.h"
#include "framework/core/enum_info.h"
#include "framework/core/store_if_changed.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/surface.h"

#include <algorithm>

namespace brisat {

const TEnumInfo DirectionInfo = EnumInfoOf<TDirection>("TDirection");

namespace {

// The colour of each step of a gradient, as opaque pixels.
class TGradientSteps {
public:
    TGradientSteps(TColor from, TColor to, int32_t steps) : m_steps(std::max(steps, 0)) {
        const uint32_t a = uint32_t(ColorToRGB(from)), b = uint32_t(ColorToRGB(to));
        for (int shift : {0, 8, 16}) {
            m_from[shift / 8] = int32_t((a >> shift) & 0xFF);
            m_delta[shift / 8] = int32_t((b >> shift) & 0xFF) - m_from[shift / 8];
        }
    }
    int32_t Steps() const { return m_steps; }

    uint32_t Pixel(int32_t i) const {
        uint32_t channel[3];
        for (int c = 0; c < 3; ++c)
            channel[c] = uint32_t(m_from[c] + MulDiv(m_delta[c], i)) & 0xFF;
        return 0xFF000000u | channel[0] << 16 | channel[1] << 8 | channel[2];
    }

private:
    // Delta × I / Steps rounded half away from zero; no steps means no distance travelled.
    int32_t MulDiv(int32_t delta, int32_t i) const {
        if (m_steps == 0) return 0;
        const int32_t p = delta * i;
        return (p >= 0 ? p + m_steps / 2 : p - m_steps / 2) / m_steps;
    }

    int32_t m_steps;
    int32_t m_from[3] = {}; // R, G, B
    int32_t m_delta[3] = {};
};

void FillColumn(TSurface& s, int32_t x, uint32_t pixel) {
    if (x < 0 || x >= s.Width()) return;
    for (int32_t y = 0; y < s.Height(); ++y)
        s.Row(y)[x] = pixel;
}

void FillRow(TSurface& s, int32_t y, uint32_t pixel) {
    if (y < 0 || y >= s.Height()) return;
    std::fill_n(s.Row(y), s.Width(), pixel);
}

void FillBox(TSurface& s, int32_t left, int32_t top, int32_t right, int32_t bottom,
             uint32_t pixel) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, s.Width());
    bottom = std::min(bottom, s.Height());
    for (int32_t y = top; y < bottom; ++y)
        std::fill(s.Row(y) + left, s.Row(y) + std::max(left, right), pixel);
}

} // namespace

void FillGradient(TSurface& s, TColor from, TColor to, TDirection direction) {
    const int32_t w = s.Width(), h = s.Height();
    using D = TDirection;
    const bool across = direction == D::dfLeftRight || direction == D::dfRightLeft ||
                        direction == D::dfInVertical || direction == D::dfOutVertical;
    const bool rectangle = direction == D::dfInRectangle || direction == D::dfOutRectangle;
    const int32_t length = across ? w : h;
    int32_t n = length - 1;
    if (rectangle)
        n = std::min(w, h) / 2;
    else if (direction >= D::dfInHorizontal)
        n = length / 2;
    const TGradientSteps steps(from, to, n);
    auto line = [&](int32_t at, uint32_t pixel) {
        across ? FillColumn(s, at, pixel) : FillRow(s, at, pixel);
    };
    switch (direction) {
    case D::dfLeftRight:
    case D::dfTopBottom:
        for (int32_t i = 0; i <= n; ++i)
            line(i, steps.Pixel(i));
        break;
    case D::dfRightLeft:
    case D::dfBottomTop:
        for (int32_t i = 0; i <= n; ++i)
            line(length - 1 - i, steps.Pixel(i));
        break;
    case D::dfInHorizontal:
    case D::dfInVertical:
        for (int32_t i = 0; i <= n; ++i) {
            line(i, steps.Pixel(i));
            line(length - 1 - i, steps.Pixel(i));
        }
        break;
    case D::dfOutHorizontal:
    case D::dfOutVertical:
        for (int32_t i = 0; i <= n; ++i) {
            line(n - i, steps.Pixel(i));
            line(n + i, steps.Pixel(i));
        }
        break;
    case D::dfInRectangle:
        // Nested boxes from the edge (From) inward.
        for (int32_t i = 0; i <= n; ++i)
            FillBox(s, i, i, w - i, h - i, steps.Pixel(i));
        break;
    case D::dfOutRectangle:
        // Nested boxes from the edge (To) inward to the centre (From).
        for (int32_t i = n; i >= 0; --i)
            FillBox(s, n - i, n - i, w - n + i, h - n + i, steps.Pixel(i));
        break;
    }
}

TZeltLiquidLabel::TZeltLiquidLabel(TComponent* owner) : TLabel(owner) {}

void TZeltLiquidLabel::SetFromColor(TColor color) {
    if (!StoreIfChanged(m_fromColor, color)) return;
    m_gradientValid = false;
    Invalidate();
}

void TZeltLiquidLabel::SetToColor(TColor color) {
    if (!StoreIfChanged(m_toColor, color)) return;
    m_gradientValid = false;
    Invalidate();
}

void TZeltLiquidLabel::SetDirection(TDirection direction) {
    if (!StoreIfChanged(m_direction, direction)) return;
    m_gradientValid = false;
    Invalidate();
}

uint32_t TZeltLiquidLabel::TextFormat() const {
    static constexpr uint32_t Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    return DT_EXPANDTABS | Alignments[int(Alignment())] | (WordWrap() ? DT_WORDBREAK : 0) |
           (ShowAccelChar() ? 0 : DT_NOPREFIX);
}

TRect TZeltLiquidLabel::TextRect(TDeviceContext& measure) const {
    const TRect client = ClientRect();
    TRect r = client;
    if (Layout() != TLabelLayout::tlTop) {
        TRect text = r;
        measure.DrawText(Caption(), text, TextFormat() | DT_CALCRECT);
        const int32_t room = client.Height() - text.Height();
        r.Top += Layout() == TLabelLayout::tlCenter ? room / 2 : room;
    }
    return r;
}

void TZeltLiquidLabel::DrawMask(const TRect& textRect) {
    TDeviceContext& dc = m_mask.DC();
    dc.FillRect(m_mask.Surface().BoundsRect(), clWhite);
    dc.SetTextColor(clBlack);
    dc.SetBkMode(TBkMode::Transparent);
    TRect r = textRect;
    dc.DrawText(Caption(), r, TextFormat());
}

void TZeltLiquidLabel::Compose() {
    TSurface& out = *m_backdrop.DC().Surface();
    const TSurface& mask = m_mask.Surface();
    const TSurface& gradient = m_gradient.Surface();
    for (int32_t y = 0; y < out.Height(); ++y) {
        const uint32_t* m = mask.Row(y);
        const uint32_t* g = gradient.Row(y);
        uint32_t* o = out.Row(y);
        for (int32_t x = 0; x < out.Width(); ++x) {
            // Black text on white: how dark the mask is, is how much of the letter covers it.
            const uint32_t cover = 255 - (m[x] & 0xFF);
            if (cover != 0) o[x] = MixPixel(g[x], o[x], cover);
        }
    }
}

void TZeltLiquidLabel::Paint() {
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    if (!Transparent()) canvas.FillRect(client);
    const int32_t w = client.Width(), h = client.Height();
    if (w <= 0 || h <= 0) return;
    m_mask.SetSize(w, h);
    m_mask.DC().SelectFont(&Font());
    const TRect textRect = TextRect(m_mask.DC());
    if (!Enabled()) {
        DrawDisabledText(canvas, Caption(), textRect, TextFormat());
        return;
    }
    if (!m_gradientValid || m_gradient.Width() != w || m_gradient.Height() != h) {
        m_gradient.SetSize(w, h);
        FillGradient(*m_gradient.DC().Surface(), m_fromColor, m_toColor, m_direction);
        m_gradientValid = true;
    }
    DrawMask(textRect);
    m_backdrop.SetSize(w, h);
    TDeviceContext& target = *canvas.Handle();
    m_backdrop.DC().BitBlt(0, 0, w, h, target, 0, 0);
    Compose();
    target.BitBlt(0, 0, w, h, m_backdrop.DC(), 0, 0);
}

} // namespace brisat
