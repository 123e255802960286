#include "painted_window.h"

#include <X11/Xlib.h>
#include <stdexcept>

namespace brisat::test {

TPaintedWindow::TPaintedWindow(const std::string& displayName, const TScreenRect& bounds,
                               uint32_t rgb)
    : m_display(XOpenDisplay(displayName.c_str())) {
    if (!m_display) throw std::runtime_error("Cannot open the display " + displayName);
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = rgb;
    m_window = XCreateWindow(m_display, DefaultRootWindow(m_display), bounds.Left, bounds.Top,
                             unsigned(bounds.Right - bounds.Left),
                             unsigned(bounds.Bottom - bounds.Top), 0, CopyFromParent, InputOutput,
                             CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
    XMapWindow(m_display, m_window);
    Fill(rgb);
}

TPaintedWindow::~TPaintedWindow() {
    XDestroyWindow(m_display, m_window);
    XCloseDisplay(m_display);
}

void TPaintedWindow::Fill(uint32_t rgb) {
    // The background too, so the window keeps the colour when it is exposed again.
    XSetWindowBackground(m_display, m_window, rgb);
    XClearWindow(m_display, m_window);
    XSync(m_display, False);
}

} // namespace brisat::test
