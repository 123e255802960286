// Every shipped look keeps its text legible: each palette text colour against the surface the look
// paints under it, in every state but disabled, has a contrast ratio of at least 4.5 wherever the
// text may sit (the middle of the surface).
#include "skin_art/looks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace skin_art;
using art_kit::TPainter;

constexpr float MinimumContrast = 4.5f;
constexpr int Nominal = 48; // the width the anatomy paints stretchable pieces at

float Linear(uint32_t channel) {
    const float c = float(channel) / 255;
    return c <= 0.03928f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
}

float Luminance(uint32_t rgb) {
    return 0.2126f * Linear(rgb >> 16 & 0xFF) + 0.7152f * Linear(rgb >> 8 & 0xFF) +
           0.0722f * Linear(rgb & 0xFF);
}

float Contrast(uint32_t a, uint32_t b) {
    const float la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05f) / (std::min(la, lb) + 0.05f);
}

// Opaque 0xRRGGBB pixels: a background with painted layers laid over it.
class TSurface {
public:
    TSurface(int width, int height, uint32_t background)
        : m_width(width), m_height(height), m_pixels(size_t(width * height), background) {}

    TSurface& Over(const std::function<void(TPainter&)>& paint) {
        TPainter p(m_width, m_height);
        paint(p);
        const std::vector<uint32_t> layer = p.Pixels();
        for (size_t i = 0; i < m_pixels.size(); ++i) m_pixels[i] = Blend(layer[i], m_pixels[i]);
        return *this;
    }

    // The lowest contrast of Text against the middle of the rows Top..Bottom, where text sits.
    float WorstContrast(uint32_t text, int top = 0, int bottom = -1) const {
        if (bottom < 0) bottom = m_height;
        const int rows = bottom - top;
        float worst = 21;
        for (int y = top + rows * 3 / 10; y < top + (rows * 7 + 9) / 10; ++y)
            for (int x = m_width / 4; x < m_width * 3 / 4; ++x)
                worst = std::min(worst, Contrast(text, m_pixels[size_t(y * m_width + x)]));
        return worst;
    }

private:
    static uint32_t Blend(uint32_t argb, uint32_t under) {
        const uint32_t a = argb >> 24;
        uint32_t out = 0;
        for (int shift : {16, 8, 0}) {
            const uint32_t top = argb >> shift & 0xFF, bottom = under >> shift & 0xFF;
            out |= ((top * a + bottom * (255 - a) + 127) / 255) << shift;
        }
        return out;
    }

    int m_width, m_height;
    std::vector<uint32_t> m_pixels;
};

struct TCase {
    std::string Surface;
    float Contrast;
};

// The caption band of the nominal frame the anatomy slices, active or not.
TCase Caption(const TLook& look, bool active) {
    const TMetrics m = look.Metrics();
    const int corner = std::max(m.FrameCorner, m.BorderSide);
    const int width = 2 * corner + 64;
    const int height = m.BorderTop + m.CaptionHeight + std::max(corner, m.BorderBottom) + 16;
    TFrameLayout l;
    l.CaptionLeft = l.ClientLeft = float(m.BorderSide);
    l.CaptionRight = l.ClientRight = float(width - m.BorderSide);
    l.CaptionTop = float(m.BorderTop);
    l.CaptionBottom = l.ClientTop = float(m.BorderTop + m.CaptionHeight);
    l.ClientBottom = float(height - m.BorderBottom);
    const TSurface frame = TSurface(width, height, look.Palette().Window).Over([&](TPainter& p) {
        look.DrawFrame(p, l, active);
    });
    return {active ? "active caption" : "inactive caption",
            frame.WorstContrast(look.Palette().CaptionText, m.BorderTop,
                                m.BorderTop + m.CaptionHeight)};
}

const TState Readable[] = {TState::Normal, TState::Hot, TState::Pressed, TState::Focused};
const char* const StateNames[] = {"normal", "hot", "pressed", "focused"};

uint32_t ForState(const TTextColors& colors, TState state) {
    switch (state) {
    case TState::Hot: return colors.Hot;
    case TState::Pressed: return colors.Pressed;
    case TState::Focused: return colors.Focused;
    default: return colors.Normal;
    }
}

std::vector<TCase> Cases(const TLook& look) {
    const TMetrics m = look.Metrics();
    const TPalette pal = look.Palette();
    std::vector<TCase> cases = {Caption(look, true), Caption(look, false)};
    const auto add = [&](const std::string& name, TSurface surface, uint32_t text) {
        cases.push_back({name, surface.WorstContrast(text)});
    };
    for (int i = 0; i < 4; ++i) {
        const TState s = Readable[i];
        const std::string state = StateNames[i];
        add("button " + state,
            TSurface(Nominal, 24, pal.Window).Over([&](TPainter& p) { look.DrawButton(p, s); }),
            ForState(pal.Button, s));
        add("label " + state, TSurface(Nominal, 16, pal.Window), ForState(pal.Text, s));
        if (s == TState::Pressed) continue; // bar items, popup items, fields and tabs never are
        add("menu bar item " + state, TSurface(64, m.MenuItemHeight, pal.Window)
                                          .Over([&](TPainter& p) { look.DrawMenuBar(p); })
                                          .Over([&](TPainter& p) { look.DrawMenuBarItem(p, s); }),
            pal.MenuBarText);
        add("popup item " + state, TSurface(64, m.MenuItemHeight, pal.Window)
                                       .Over([&](TPainter& p) { look.DrawPopupFrame(p); })
                                       .Over([&](TPainter& p) { look.DrawPopupItem(p, s); }),
            pal.MenuText);
        add("field " + state,
            TSurface(Nominal, 24, pal.Window).Over([&](TPainter& p) { look.DrawField(p, s); }),
            ForState(pal.Text, s));
        add("tab " + state, TSurface(Nominal, m.TabHeight, pal.Window).Over([&](TPainter& p) {
            look.DrawTab(p, TSide::Top, s);
        }),
            ForState(pal.Tab, s));
    }
    const TSurface list =
        TSurface(Nominal, 24, pal.Window).Over([&](TPainter& p) { look.DrawField(p, TState::Normal); });
    add("list item", list, pal.ListItem.Normal);
    add("list item hot", list, pal.ListItem.Hot);
    add("selected list item", TSurface(Nominal, 16, pal.Selection), pal.ListItem.Pressed);
    add("focused selected list item", TSurface(Nominal, 16, pal.Selection), pal.ListItem.Focused);
    add("panel caption", TSurface(Nominal, m.PanelCaptionHeight, pal.Window).Over([&](TPainter& p) {
        look.DrawPanelCaption(p);
    }),
        pal.Text.Normal);
    add("group caption", TSurface(Nominal, 16, pal.Window).Over([&](TPainter& p) {
        look.DrawGroupCaption(p);
    }),
        pal.Text.Normal);
    return cases;
}

TEST(LookContrast, TheMeasureGivesTheKnownRatios) {
    // The measure itself: black on white is the full 21, and the same colour gives 1.
    EXPECT_NEAR(TSurface(8, 8, 0xFFFFFF).WorstContrast(0x000000), 21, 0.01);
    EXPECT_NEAR(TSurface(8, 8, 0x777777).WorstContrast(0x777777), 1, 0.001);
    // A half-transparent black layer over white lands mid-grey, near 5.3 against black.
    const TSurface grey = TSurface(8, 8, 0xFFFFFF).Over([](TPainter& p) {
        p.Fill(art_kit::Box(0, 0, 8, 8), art_kit::Rgb(0x000000, 0.5f));
    });
    EXPECT_NEAR(grey.WorstContrast(0x000000), 5.3, 0.3);
}

class ShippedLookContrast : public ::testing::TestWithParam<size_t> {};

TEST_P(ShippedLookContrast, TextStaysReadableInEveryStateButDisabled) {
    const auto looks = ShippedLooks();
    const TLook& look = *looks.at(GetParam());
    for (const TCase& c : Cases(look))
        EXPECT_GE(c.Contrast, MinimumContrast) << look.Name() << ": " << c.Surface;
}

// One case per look, so that the looks are checked side by side.
INSTANTIATE_TEST_SUITE_P(Looks, ShippedLookContrast,
                         ::testing::Range(size_t(0), ShippedLooks().size()));

} // namespace
