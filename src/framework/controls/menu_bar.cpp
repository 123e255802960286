#include "framework/controls/menu_bar.h"

#include "framework/controls/menu_window.h"
#include "framework/windowing/message_queue.h"
#include "framework/windowing/window_handle.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace brisat {
namespace {

constexpr LRESULT HTMENU = 5;
constexpr int32_t ItemPadding = 7; // each side of a bar item's caption
constexpr uint32_t BarTextFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;

} // namespace

TMenuBar::TMenuBar(HWND window, TMenu& menu) : m_menu(menu), m_hwnd(window) {
    SetWindowSubclass(
        m_hwnd,
        [this](HWND h, UINT msg, WPARAM w, LPARAM l, uintptr_t) {
            return WindowHook(h, msg, w, l);
        },
        reinterpret_cast<uintptr_t>(this));
    m_menu.SetChangeHook([this] { Invalidate(); });
}

TMenuBar::~TMenuBar() {
    MenuStructureChanged(); // a tracking loop showing this bar lets go of it
    if (IsWindow(m_hwnd)) RemoveWindowSubclass(m_hwnd, reinterpret_cast<uintptr_t>(this));
    // A menu being destroyed tells its form while its own members are already gone.
    if (!m_menu.ComponentState().Contains(TComponentStateFlag::csDestroying))
        m_menu.SetChangeHook({});
}

TMenuItem& TMenuBar::ParentItem() const {
    return m_menu.Items();
}

LRESULT TMenuBar::WindowHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ACTIVATE:
        m_altAlone = false; // an Alt that switched windows opens nothing when it comes back up
        break;
    case WM_NCCALCSIZE: {
        const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
        TRect& r = *reinterpret_cast<TRect*>(lParam);
        r.Top = std::min(r.Top + BarHeight, r.Bottom);
        return result;
    }
    case WM_NCHITTEST: {
        const LRESULT hit = DefSubclassProc(hwnd, msg, wParam, lParam);
        return ContainsScreen(LParamToPoint(lParam)) ? HTMENU : hit;
    }
    case WM_NCPAINT: {
        const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
        if (wParam) Paint(*WParamToDC(wParam));
        return result;
    }
    case WM_NCLBUTTONDOWN:
        if (wParam == HTMENU) {
            if (const int index = ItemAtScreen(LParamToPoint(lParam)); index >= 0)
                Track(index, TBarStart::OpenByMouse);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

TRect TMenuBar::BarRect() const {
    const TRect client = GetClientRectInWindow(m_hwnd);
    return {client.Left, client.Top - BarHeight, client.Right, client.Top};
}

std::vector<TRect> TMenuBar::ItemRects() const {
    const TMenuItem& root = m_menu.Items();
    std::vector<TRect> rects(size_t(root.Count()));
    TDeviceContext dc;
    dc.SelectFont(&MenuFont());
    const TRect bar = BarRect();
    int32_t left = bar.Left;
    for (int i = 0; i < root.Count(); ++i) {
        const TMenuItem& item = root.Items(i);
        if (!item.Visible()) continue;
        TRect text{0, 0, 0, 0};
        dc.DrawText(item.Caption(), text, BarTextFormat | DT_CALCRECT);
        const int32_t width = text.Width() + 2 * ItemPadding;
        rects[size_t(i)] = {left, bar.Top, left + width, bar.Bottom};
        left += width;
    }
    return rects;
}

void TMenuBar::Invalidate() const {
    const TRect bar = BarRect();
    RedrawWindow(m_hwnd, &bar, RDW_FRAME | RDW_INVALIDATE);
}

void TMenuBar::SetSelected(int index, TSubMenu subMenu) {
    const bool opened = subMenu == TSubMenu::Open;
    if (index == m_selected && opened == m_opened) return;
    m_selected = index;
    m_opened = opened;
    Invalidate();
}

bool TMenuBar::ContainsScreen(TPoint screen) const {
    const TRect window = GetWindowRect(m_hwnd);
    return PtInRect(OffsetRect(BarRect(), window.Left, window.Top), screen);
}

int TMenuBar::ItemAtScreen(TPoint screen) const {
    const TRect window = GetWindowRect(m_hwnd);
    const TPoint p{screen.X - window.Left, screen.Y - window.Top};
    const TRect bar = BarRect();
    const std::vector<TRect> rects = ItemRects();
    for (size_t i = 0; i < rects.size(); ++i)
        if (PtInRect(IntersectRect(rects[i], bar), p) && !m_menu.Items().Items(int(i)).IsLine())
            return int(i);
    return -1;
}

TRect TMenuBar::ItemScreenRect(int index) const {
    const std::vector<TRect> rects = ItemRects();
    if (index < 0 || size_t(index) >= rects.size()) return {};
    const TRect window = GetWindowRect(m_hwnd);
    return OffsetRect(rects[size_t(index)], window.Left, window.Top);
}

void TMenuBar::Paint(TDeviceContext& dc) const {
    const TRect bar = BarRect();
    dc.FillRect(bar, clMenu);
    dc.SaveDC();
    dc.IntersectClipRect(bar);
    dc.SelectFont(&MenuFont());
    const std::vector<TRect> rects = ItemRects();
    for (int i = 0; i < int(rects.size()); ++i) {
        const TMenuItem& item = m_menu.Items().Items(i);
        TRect r = rects[size_t(i)];
        if (IsRectEmpty(r) || item.IsLine()) continue;
        if (i == m_selected) {
            // Pushed in while its menu is open, raised while only highlighted.
            TRect edge = r;
            dc.DrawEdge(edge, m_opened ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        }
        if (i == m_selected && m_opened) r = OffsetRect(r, 1, 1);
        DrawMenuText(dc, item.Caption(), r, BarTextFormat, item.Enabled(), TMenuHighlight::None);
    }
    dc.RestoreDC();
}

bool TMenuBar::MenuKey(const TMessage& key) {
    const bool down = key.Msg == WM_KEYDOWN || key.Msg == WM_SYSKEYDOWN;
    const bool up = key.Msg == WM_KEYUP || key.Msg == WM_SYSKEYUP;
    if (key.WParam == VK_MENU) {
        if (down) m_altAlone = true;
        if (!up || !std::exchange(m_altAlone, false)) return false;
    } else {
        if (down) m_altAlone = false;
        if (!down || key.WParam != VK_F10 || GetKeyState(VK_SHIFT) < 0 ||
            GetKeyState(VK_CONTROL) < 0)
            return false;
    }
    const TMenuItem& root = m_menu.Items();
    for (int i = 0; i < root.Count(); ++i)
        if (root.Items(i).Visible() && !root.Items(i).IsLine()) {
            Track(i, TBarStart::SelectOnly);
            return true;
        }
    return false;
}

bool TMenuBar::MenuChar(char32_t key) {
    const TMenuItem* item = m_menu.Items().FindByAccelerator(key);
    if (!item) return false;
    Track(m_menu.Items().IndexOf(item), TBarStart::OpenByKey);
    return true;
}

void TMenuBar::Track(int index, TBarStart start) {
    if (TMenuItem* chosen = TrackMenuBar(*this, m_hwnd, index, start)) chosen->Click();
}

} // namespace brisat
