// The window the program shows while the player is being built: a small tour of what the drawing
// layer and the bitmap engine do — a shaped, alpha-blended window image entering with the
// transition effects, caption glyphs, 3-D edges, gradients, text in Latin and Cyrillic, and
// colour bars whose hue turns with time.
#pragma once

#include "skin/bitmap.h"

#include <cstdint>

namespace brisat {

class TShowcase {
public:
    TShowcase(int32_t width, int32_t height);

    // Starts the next entrance effect (fade, slide, rectangle reveal in turn).
    void RestartEntrance();
    // Renders the scene at ElapsedMs since start into the back buffer. Returns false when the
    // picture did not change since the last call (nothing to present).
    bool Render(uint32_t elapsedMs);
    const TKsBitmap& BackBuffer() const { return m_backBuffer; }
    // True while an entrance effect runs (frames are due every few milliseconds).
    bool Animating() const { return !m_entranceDone; }

private:
    void PaintBackdrop();
    void PaintWindowImage();
    void PaintColourBars(int32_t hueDelta);
    void PaintClock(uint32_t seconds);

    TKsBitmap m_backBuffer;
    TKsBitmap m_backdrop;
    TKsBitmap m_behindWindow; // the backdrop under the window's place
    TKsBitmap m_window;       // the window image, key-coloured outside its rounded shape
    TKsBitmap m_bars;         // colour bars as drawn, before the hue turn
    TKsBitmap m_shiftedBars;
    TKsBitmap m_frame; // scratch for entrance frames
    TPoint m_windowPos;
    int32_t m_effect = 0;
    uint32_t m_entranceStart = 0;
    uint32_t m_lastElapsed = 0;
    int32_t m_lastHue = -1;
    uint32_t m_lastSecond = UINT32_MAX;
    bool m_entranceDone = false;
};

} // namespace brisat
