// The outline a simple drag shows instead of moving the window: a white frame two pixels wide,
// drawn by a shaped top-level window of its own that never takes the focus.
#pragma once

#include "framework/core/types.h"
#include "framework/windowing/messages.h"

namespace brisat {

class TKsDragOutline {
public:
    TKsDragOutline() = default;
    ~TKsDragOutline();
    TKsDragOutline(const TKsDragOutline&) = delete;
    TKsDragOutline& operator=(const TKsDragOutline&) = delete;

    // Shows the outline at Rect (screen), moving it from where it was.
    void Show(const TRect& rect);
    void Hide();
    // The rectangle shown, empty while hidden.
    const TRect& Rect() const { return m_rect; }
    HWND Window() const { return m_window; }

    static constexpr int32_t PenWidth = 2;

private:
    HWND m_window = 0;
    TRect m_rect;
};

} // namespace brisat
