// Drawing on a window outside its paint pass, as a handler that draws straight onto a control
// does: the device context writes into the top-level window's back buffer at the window's client
// area, clipped to the part of it that is visible, and what was drawn reaches the screen when
// the object goes. The next paint of that area draws over it.
#pragma once

#include "framework/graphics/device_context.h"
#include "framework/windowing/window_handle.h"

#include <optional>

namespace brisat {

class TWindowDC {
public:
    explicit TWindowDC(HWND hwnd);
    ~TWindowDC();
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;

    // Null while the window cannot be drawn on: unknown, hidden, never painted, or in the middle
    // of its paint pass.
    TDeviceContext* DC() { return m_dc ? &*m_dc : nullptr; }

private:
    HWND m_top = 0;
    TRect m_area; // top-level window coordinates
    std::optional<TDeviceContext> m_dc;
};

} // namespace brisat
