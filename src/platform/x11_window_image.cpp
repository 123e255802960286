#include "platform/x11_window_image.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdexcept>

namespace brisat {

namespace {

// X reports a failed XGetImage as an error event whose default handler ends the program.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

std::vector<uint32_t> ReadX11Window(SDL_Window* window, int32_t width, int32_t height) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        throw std::runtime_error("The window is not an X11 window");
    Display* display = info.info.x11.display;
    XSync(display, False);
    auto* previous = XSetErrorHandler(IgnoreXError);
    XImage* image = XGetImage(display, info.info.x11.window, 0, 0, unsigned(width),
                              unsigned(height), AllPlanes, ZPixmap);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (!image) throw std::runtime_error("Cannot read the window's image");
    std::vector<uint32_t> pixels(size_t(width) * size_t(height));
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            pixels[size_t(y) * size_t(width) + size_t(x)] =
                uint32_t(XGetPixel(image, x, y)) & 0xFFFFFFu;
    XDestroyImage(image);
    return pixels;
}

} // namespace brisat
