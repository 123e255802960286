// TKsCustomForm's plain caption buttons and hit testing: where each button sits, which frame
// part a point is on, and how that part answers the platform's hit test.
#include "skin_windows/ks_form_runtime.h"

#include "framework/controls/win_control.h"
#include "framework/windowing/window_handle.h"

#include <algorithm>
#include <utility>

namespace brisat {

namespace {

constexpr int32_t kButtonGap = 2;
// The width of a corner's sizing zone along each edge.
constexpr int32_t kCornerZone = 20;

} // namespace

void TKsCustomForm::GetButtonRect(TKsBorderIcon icon, TRect& rect) {
    rect = PlainButtonRect(icon, CaptionBand());
}

TRect TKsCustomForm::PlainButtonRect(TKsBorderIcon icon, const TRect& band) const {
    if (!m_borderIcons.Contains(icon) || m_borderStyle == TKsBorderStyle::kbsNone) return {};
    if (IsRectEmpty(band)) return {};
    const bool tool = m_borderStyle == TKsBorderStyle::kbsToolWindow;
    if (icon == TKsBorderIcon::kbiSystemMenu)
        return tool ? TRect{} : TRect{band.Left, band.Top, band.Left + band.Height(), band.Bottom};
    const bool minimized = m_windowState == TKsWindowState::kwsMinimized;
    const bool rolled = m_windowState == TKsWindowState::kwsRollup;
    const int32_t bw = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) - 2;
    const int32_t top = band.Top + 2;
    // A band lower than the platform's buttons (a skin's caption) keeps them inside it.
    const int32_t bh = std::min(GetSystemMetrics(tool ? SM_CYSMSIZE : SM_CYSIZE) - 4,
                                band.Bottom - top);
    if (bh <= 0) return {};
    // Right to left: each placed button takes x and moves it left; a gap goes with its button.
    int32_t x = band.Right - 2 - bw;
    struct TSlot {
        TKsBorderIcon Icon;
        bool Shown;
        int32_t GapBefore;
        int32_t GapAfter;
    };
    const TSlot slots[] = {
        {TKsBorderIcon::kbiClose, true, 0, kButtonGap},
        {TKsBorderIcon::kbiMaximize, !tool && !minimized, 0, 0},
        {TKsBorderIcon::kbiMinimize, !tool, 0, 0},
        {TKsBorderIcon::kbiRollup, !tool && !minimized, kButtonGap, 0},
        {TKsBorderIcon::kbiTray, !tool && !minimized, 0, 0},
        {TKsBorderIcon::kbiHelp, !tool && !minimized && !rolled, kButtonGap, 0},
    };
    for (const TSlot& slot : slots) {
        if (!slot.Shown || !m_borderIcons.Contains(slot.Icon)) continue;
        x -= slot.GapBefore;
        if (slot.Icon == icon) return {x, top, x + bw, top + bh};
        x -= bw + slot.GapAfter;
    }
    return {};
}

int32_t TKsCustomForm::PlainButtonAt(int32_t x, int32_t y) {
    static constexpr std::pair<TKsBorderIcon, int32_t> kButtons[] = {
        {TKsBorderIcon::kbiSystemMenu, khtSysMenu}, {TKsBorderIcon::kbiClose, khtClose},
        {TKsBorderIcon::kbiMinimize, khtMinimize},  {TKsBorderIcon::kbiMaximize, khtMaximize},
        {TKsBorderIcon::kbiHelp, khtHelp},          {TKsBorderIcon::kbiRollup, khtRollup},
        {TKsBorderIcon::kbiTray, khtTray}};
    int32_t code = khtNone;
    for (const auto& [icon, hit] : kButtons) {
        TRect r;
        GetButtonRect(icon, r);
        if (PtInRect(r, {x, y})) code = hit;
    }
    return code;
}

int32_t TKsCustomForm::HitTest(int32_t x, int32_t y) {
    if (m_borderStyle == TKsBorderStyle::kbsNone) return khtNone;
    TRect client;
    GetClientRect(client);
    const int32_t w = m_size.cx, h = m_size.cy;
    int32_t code = khtNone;
    if (y < client.Top) code = khtCaption;
    if (const int32_t button = PlainButtonAt(x, y); button != khtNone) code = button;
    if (m_windowState != TKsWindowState::kwsNormal && m_windowState != TKsWindowState::kwsTray)
        return code;
    // The edges, with corner zones; later rules win.
    if (y < client.Top - CaptionHeight())
        code = x < kCornerZone ? khtTopLeft : x > w - kCornerZone ? khtTopRight : khtTop;
    if (y > client.Bottom && y < h)
        code = x < kCornerZone ? khtBottomLeft : x > w - kCornerZone ? khtBottomRight : khtBottom;
    if (x < client.Left)
        code = y < kCornerZone ? khtTopLeft : y > h - kCornerZone ? khtBottomLeft : khtLeft;
    if (x > client.Right && x < w)
        code = y < kCornerZone ? khtTopRight : y > h - kCornerZone ? khtBottomRight : khtRight;
    return code;
}

LRESULT TKsCustomForm::PlatformHit(int32_t code) const {
    // The frame parts 1..10 (6 unused), then the buttons 11..18.
    static constexpr LRESULT kAnswers[] = {HTCLIENT,      HTCAPTION,    HTLEFT,      HTTOP,
                                           HTRIGHT,       HTBOTTOM,     HTBORDER,    HTTOPLEFT,
                                           HTTOPRIGHT,    HTBOTTOMLEFT, HTBOTTOMRIGHT, HTCLOSE,
                                           HTHELP,        HTMINBUTTON,  HTMAXBUTTON, HTMINBUTTON,
                                           HTMINBUTTON,   HTMINBUTTON,  HTMINBUTTON};
    if (code < 0 || code > khtSkinButton) return HTCLIENT;
    if (code == khtCaption && !m_canMove) return HTCLIENT;
    const bool sizing = code >= khtLeft && code <= khtBottomRight && code != khtBorder;
    if (sizing && (!m_canResize || m_windowState == TKsWindowState::kwsMaximized)) return HTCLIENT;
    return kAnswers[code];
}

} // namespace brisat
