// Catches the X errors of a few requests that may fail for reasons outside the program (a window
// or pixmap named by a property may be gone). Xlib's default handler ends the program on any
// error, so the requests run with this trap in place. GUI thread only: the handler is global.
#pragma once

#include <X11/Xlib.h>

namespace brisat {

class TX11ErrorTrap {
public:
    explicit TX11ErrorTrap(Display* display);
    ~TX11ErrorTrap();
    TX11ErrorTrap(const TX11ErrorTrap&) = delete;
    TX11ErrorTrap& operator=(const TX11ErrorTrap&) = delete;

    // Waits for the server to answer the requests made so far; true when any of them failed.
    bool Failed();

private:
    Display* m_display;
    XErrorHandler m_previous;
};

} // namespace brisat
