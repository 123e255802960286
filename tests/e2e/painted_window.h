// A plain window of the test's own on a test's X server, filled with one colour that the test
// changes at will: something beneath a program's window whose look changes while it is covered.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <string>

struct _XDisplay;

namespace brisat::test {

class TPaintedWindow {
public:
    // Maps the window at Bounds on DisplayName's screen, filled with Rgb (0x00RRGGBB); it is
    // override-redirect, so a window manager neither frames nor moves it. Raises
    // std::runtime_error when the display cannot be opened.
    TPaintedWindow(const std::string& displayName, const TScreenRect& bounds, uint32_t rgb);
    ~TPaintedWindow();
    TPaintedWindow(const TPaintedWindow&) = delete;
    TPaintedWindow& operator=(const TPaintedWindow&) = delete;

    // Fills the whole window with Rgb and waits until the server has drawn it.
    void Fill(uint32_t rgb);

private:
    _XDisplay* m_display = nullptr;
    unsigned long m_window = 0;
};

} // namespace brisat::test
