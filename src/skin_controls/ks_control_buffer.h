// TKsControlBuffer: the off-screen picture of a self-drawn control. It holds the buffer the control
// draws its whole face into, the blend buffer that receives the parent's background when the
// control is blended, the grain by which the buffer's size is rounded up, and a framework canvas
// that follows the buffer's device context. Both control bases hold one. GUI thread only.
#pragma once

#include "framework/graphics/canvas.h"
#include "skin/bitmap/bitmap.h"

#include <cstdint>

namespace brisat {

class TKsControlBuffer {
public:
    // Allocates the buffer at 10 x 10.
    TKsControlBuffer();
    TKsControlBuffer(const TKsControlBuffer&) = delete;
    TKsControlBuffer& operator=(const TKsControlBuffer&) = delete;

    TKsBitmap& Bitmap() { return m_buffer; }
    const TKsBitmap& Bitmap() const { return m_buffer; }
    TKsBitmap& BlendBitmap() { return m_blend; }
    // Framework canvas on the buffer's device context (detached while the buffer reallocates).
    TCanvas& Canvas() { return m_canvas; }

    // Gives the blend buffer the buffer's size; true when it was reallocated.
    bool FitBlend();
    // Whether the buffer holds pixels.
    bool Allocated() const { return !m_buffer.Empty(); }

    // Fits the buffer to a control of Width x Height: at design time always, at run time when
    // the buffer is too small or more than one grain too large, to the size rounded up to the
    // next whole grain; with Blend the blend buffer takes the buffer's size. True when anything
    // was reallocated. Nothing for a negative size.
    bool Fit(int32_t width, int32_t height, bool blend, bool designing);
    // How many times the buffer was reallocated since construction.
    int32_t Reallocations() const { return m_reallocations; }

    // The finished picture as Opacity/255 of itself over the blend buffer (whose alpha must be
    // 255): sets the buffer's alpha, then merges the blend buffer under it.
    void BlendOverBackground(uint8_t opacity);

private:
    void Reallocate(int32_t width, int32_t height);

    TKsBitmap m_buffer;
    TKsBitmap m_blend;
    TCanvas m_canvas;
    static constexpr int32_t Grain = 30;
    int32_t m_reallocations = 0;
};

} // namespace brisat
