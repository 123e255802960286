// Every shipped look keeps its text readable: each text colour of its palette reaches a contrast
// of at least 4.5 against the surface the look paints under that text, in every state but
// disabled. The surface is the mean colour of the piece's inside, over the colour beneath it.
#include "skin_art/looks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace skin_art;
using art_kit::TPainter;

double Linear(uint32_t channel) {
    const double c = double(channel) / 255;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(uint32_t rgb) {
    return 0.2126 * Linear(rgb >> 16 & 0xFF) + 0.7152 * Linear(rgb >> 8 & 0xFF) +
           0.0722 * Linear(rgb & 0xFF);
}

double Contrast(uint32_t a, uint32_t b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct TRegion {
    int X0, Y0, X1, Y1;
};

// The mean colour of Region of a W × H piece painted by Draw over Beneath, as 0xRRGGBB.
uint32_t MeanSurface(int w, int h, const TRegion& r, uint32_t beneath,
                     const std::function<void(TPainter&)>& draw) {
    TPainter p(w, h);
    draw(p);
    const std::vector<uint32_t> pixels = p.Pixels();
    double sum[3] = {0, 0, 0};
    for (int y = r.Y0; y < r.Y1; ++y)
        for (int x = r.X0; x < r.X1; ++x) {
            const uint32_t px = pixels[size_t(y * w + x)];
            const double alpha = double(px >> 24) / 255;
            for (int c = 0; c < 3; ++c) {
                const int shift = 16 - 8 * c;
                sum[c] += double(px >> shift & 0xFF) * alpha + double(beneath >> shift & 0xFF) * (1 - alpha);
            }
        }
    const double n = double((r.X1 - r.X0) * (r.Y1 - r.Y0));
    return uint32_t(std::lround(sum[0] / n)) << 16 | uint32_t(std::lround(sum[1] / n)) << 8 |
           uint32_t(std::lround(sum[2] / n));
}

struct TCase {
    std::string What;
    uint32_t Text;
    uint32_t Surface;
};

// The text colours of Look against the surfaces they are drawn on.
std::vector<TCase> TextSurfaces(const TLook& look) {
    const TMetrics m = look.Metrics();
    const TPalette pal = look.Palette();
    std::vector<TCase> cases;
    const uint32_t window = pal.Window;

    const int corner = std::max(m.FrameCorner, m.BorderSide);
    const int fw = 2 * corner + 64, fh = m.BorderTop + m.CaptionHeight + corner + 16;
    TFrameLayout layout;
    layout.CaptionLeft = layout.ClientLeft = float(m.BorderSide);
    layout.CaptionRight = layout.ClientRight = float(fw - m.BorderSide);
    layout.CaptionTop = float(m.BorderTop);
    layout.CaptionBottom = layout.ClientTop = float(m.BorderTop + m.CaptionHeight);
    layout.ClientBottom = float(fh - m.BorderBottom);
    const TRegion title{corner, m.BorderTop + 2, fw - corner, m.BorderTop + m.CaptionHeight - 2};
    for (const bool active : {true, false})
        cases.push_back({active ? "active caption" : "inactive caption", pal.CaptionText,
                         MeanSurface(fw, fh, title, window, [&](TPainter& p) {
                             look.DrawFrame(p, layout, active);
                         })});

    const int bh = m.MenuBarHeight, ih = m.MenuItemHeight;
    const uint32_t bar = MeanSurface(64, bh, {4, 2, 60, bh - 2}, window,
                                     [&](TPainter& p) { look.DrawMenuBar(p); });
    cases.push_back({"menu bar", pal.MenuBarText, bar});
    for (const TState s : {TState::Hot, TState::Focused})
        cases.push_back({"menu bar item", pal.MenuBarText,
                         MeanSurface(64, ih, {4, 3, 60, ih - 3}, bar,
                                     [&](TPainter& p) { look.DrawMenuBarItem(p, s); })});
    const uint32_t popup = MeanSurface(64, 64, {8, 8, 56, 56}, window,
                                       [&](TPainter& p) { look.DrawPopupFrame(p); });
    for (const TState s : {TState::Normal, TState::Focused})
        cases.push_back({"popup item", pal.MenuText,
                         MeanSurface(64, ih, {4, 3, 60, ih - 3}, popup,
                                     [&](TPainter& p) { look.DrawPopupItem(p, s); })});

    cases.push_back({"window", pal.Text.Normal, window});
    cases.push_back({"panel", pal.Text.Normal, MeanSurface(48, 48, {8, 8, 40, 40}, window, [&](TPainter& p) {
                         look.DrawPanel(p);
                     })});
    const int ph = m.PanelCaptionHeight;
    cases.push_back({"panel caption", pal.Text.Normal,
                     MeanSurface(48, ph, {4, 2, 44, ph - 2}, window,
                                 [&](TPainter& p) { look.DrawPanelCaption(p); })});
    cases.push_back({"group caption", pal.Text.Normal,
                     MeanSurface(48, 16, {4, 2, 44, 14}, window,
                                 [&](TPainter& p) { look.DrawGroupCaption(p); })});

    const TTextColors& b = pal.Button;
    const int bm = m.ButtonMargin + 1;
    for (const auto& [state, text] : {std::pair{TState::Normal, b.Normal}, {TState::Hot, b.Hot},
                                      {TState::Pressed, b.Pressed}, {TState::Focused, b.Focused}})
        cases.push_back({"button", text, MeanSurface(48, 24, {bm, bm, 48 - bm, 24 - bm}, window,
                                                     [&](TPainter& p) { look.DrawButton(p, state); })});

    const TTextColors& t = pal.Text;
    const int fm = m.FieldMargin + 1;
    const auto field = [&](TState s) {
        return MeanSurface(48, 24, {fm, fm, 48 - fm, 24 - fm}, window,
                           [&](TPainter& p) { look.DrawField(p, s); });
    };
    cases.push_back({"field", t.Normal, field(TState::Normal)});
    cases.push_back({"hot field", t.Hot, field(TState::Hot)});
    cases.push_back({"focused field", t.Focused, field(TState::Focused)});
    cases.push_back({"list item", pal.ListItem.Normal, field(TState::Normal)});
    cases.push_back({"selected list item", pal.ListItem.Pressed, pal.Selection});
    cases.push_back({"focused list item", pal.ListItem.Focused, pal.Selection});

    const int th = m.TabHeight, tm = m.TabMargin;
    for (const auto& [state, text] : {std::pair{TState::Normal, pal.Tab.Normal},
                                      {TState::Hot, pal.Tab.Hot}, {TState::Focused, pal.Tab.Focused}})
        cases.push_back({"tab", text, MeanSurface(48, th, {tm, tm, 48 - tm, th - tm}, window,
                                                  [&](TPainter& p) { look.DrawTab(p, TSide::Top, state); })});
    return cases;
}

TEST(SkinArtContrast, EveryLookKeepsItsTextReadable) {
    const auto looks = ShippedLooks();
    ASSERT_FALSE(looks.empty());
    for (const auto& look : looks)
        for (const TCase& c : TextSurfaces(*look))
            EXPECT_GE(Contrast(c.Text, c.Surface), 4.5)
                << look->Name() << ": " << c.What << " text " << std::hex << c.Text << " on "
                << c.Surface;
}

} // namespace
