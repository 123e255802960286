#include "platform/x11_image.h"

#include "platform/x11_error_trap.h"

#include <X11/Xutil.h>
#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace brisat {

namespace {

// 32-bit pixels in the machine's byte order with 8-bit red, green, blue fields: rows copy
// straight. Anything else goes pixel by pixel.
bool IsPlainRgb32(const XImage& image) {
    return image.bits_per_pixel == 32 && image.red_mask == 0xFF0000 && image.green_mask == 0xFF00 &&
           image.blue_mask == 0xFF && image.byte_order == LSBFirst;
}

} // namespace

bool ReadX11Area(Display* display, Drawable drawable, const TScreenRect& area, uint32_t* out,
                 int32_t outStride) {
    const int32_t width = area.Right - area.Left, height = area.Bottom - area.Top;
    if (width <= 0 || height <= 0) return true;
    XImage* image = nullptr;
    {
        TX11ErrorTrap trap(display);
        image = XGetImage(display, drawable, area.Left, area.Top, unsigned(width), unsigned(height),
                          AllPlanes, ZPixmap);
        if (trap.Failed() && image) {
            XDestroyImage(image);
            image = nullptr;
        }
    }
    if (!image) return false;
    const bool plain = IsPlainRgb32(*image);
    for (int32_t y = 0; y < height; ++y) {
        uint32_t* row = out + size_t(y) * size_t(outStride);
        if (plain) {
            std::memcpy(row, image->data + size_t(y) * size_t(image->bytes_per_line),
                        size_t(width) * 4);
            for (int32_t x = 0; x < width; ++x)
                row[x] &= 0xFFFFFFu;
        } else {
            for (int32_t x = 0; x < width; ++x)
                row[x] = uint32_t(XGetPixel(image, x, y)) & 0xFFFFFFu;
        }
    }
    XDestroyImage(image);
    return true;
}

std::vector<uint32_t> ReadX11Screen(Display* display, const TScreenRect& rect) {
    const int32_t width = std::max(rect.Right - rect.Left, 0);
    const int32_t height = std::max(rect.Bottom - rect.Top, 0);
    if (uint64_t(width) * uint64_t(height) > (uint64_t(1) << 28))
        throw std::length_error("The screen area to read is too large");
    std::vector<uint32_t> pixels(size_t(width) * size_t(height), 0);
    const int screen = DefaultScreen(display);
    const TScreenRect visible{std::max(rect.Left, 0), std::max(rect.Top, 0),
                              std::min(rect.Right, DisplayWidth(display, screen)),
                              std::min(rect.Bottom, DisplayHeight(display, screen))};
    if (visible.Left >= visible.Right || visible.Top >= visible.Bottom) return pixels;
    uint32_t* first = pixels.data() + size_t(visible.Top - rect.Top) * size_t(width) +
                      size_t(visible.Left - rect.Left);
    ReadX11Area(display, RootWindow(display, screen), visible, first, width);
    return pixels;
}

} // namespace brisat
