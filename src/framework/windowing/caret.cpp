#include "framework/windowing/caret.h"

#include "framework/windowing/message_queue.h"
#include "framework/windowing/window_record.h"

namespace brisat {
namespace {

struct TCaret {
    HWND Owner = 0;
    TRect Rect; // owner's client coordinates
    int HideCount = 1;
    bool On = false;
    UINT Timer = 0;
};

TCaret g_caret;

void InvalidateCaret() {
    if (g_caret.Owner) InvalidateRect(g_caret.Owner, &g_caret.Rect, false);
}

void RestartBlink() {
    if (g_caret.Timer) KillTimer(0, g_caret.Timer);
    g_caret.Timer = 0;
    g_caret.On = g_caret.HideCount == 0;
    InvalidateCaret();
    if (g_caret.HideCount == 0)
        g_caret.Timer = SetTimer(0, 0, GetCaretBlinkTime(), [](HWND, UINT) {
            g_caret.On = !g_caret.On;
            InvalidateCaret();
        });
}

bool Owns(HWND hwnd) {
    return g_caret.Owner && (hwnd == 0 || hwnd == g_caret.Owner);
}

} // namespace

bool CaretOverlay(HWND top, TRect& rectInTop) {
    if (!g_caret.Owner || !g_caret.On || g_caret.HideCount != 0) return false;
    if (!IsWindow(g_caret.Owner) || !IsWindowVisible(g_caret.Owner)) {
        g_caret = {};
        return false;
    }
    if (GetTopLevelWindow(g_caret.Owner) != top) return false;
    const TWindowRecord* r = FindWindowRecord(g_caret.Owner);
    const TRect w = WindowRectInTop(*r);
    const TRect client = OffsetRect(r->Client, w.Left, w.Top);
    rectInTop = IntersectRect(OffsetRect(g_caret.Rect, client.Left, client.Top),
                              IntersectRect(client, VisibleRectInTop(*r)));
    return !IsRectEmpty(rectInTop);
}

void ForgetWindowCaret(HWND hwnd) {
    if (g_caret.Owner == hwnd) DestroyCaret();
}

bool CreateCaret(HWND hwnd, int32_t width, int32_t height) {
    if (!IsWindow(hwnd)) return false;
    DestroyCaret();
    g_caret.Owner = hwnd;
    g_caret.Rect = Bounds(0, 0, std::max(width, 1), std::max(height, 1));
    g_caret.HideCount = 1;
    return true;
}

bool DestroyCaret() {
    if (!g_caret.Owner) return false;
    if (g_caret.Timer) KillTimer(0, g_caret.Timer);
    InvalidateCaret();
    g_caret = {};
    return true;
}

bool SetCaretPos(int32_t x, int32_t y) {
    if (!g_caret.Owner) return false;
    InvalidateCaret();
    g_caret.Rect = Bounds(x, y, g_caret.Rect.Width(), g_caret.Rect.Height());
    RestartBlink();
    return true;
}

TPoint GetCaretPos() {
    return g_caret.Rect.TopLeft();
}

bool ShowCaret(HWND hwnd) {
    if (!Owns(hwnd) || g_caret.HideCount == 0) return false;
    if (--g_caret.HideCount == 0) RestartBlink();
    return true;
}

bool HideCaret(HWND hwnd) {
    if (!Owns(hwnd)) return false;
    if (g_caret.HideCount++ == 0) RestartBlink();
    return true;
}

uint32_t GetCaretBlinkTime() {
    return 530;
}

} // namespace brisat
