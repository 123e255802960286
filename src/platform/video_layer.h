// The video layer of a top-level window as the framework sees it: frames handed over from any
// thread, shown under the window's back buffer wherever that holds the colour key, at a
// destination rectangle of the window and from a source rectangle of the frame (digital zoom).
// The desktop backend draws it with SDL (sdl_video_layer.h); the headless one keeps the last
// frame for tests.
#pragma once

#include "platform/platform.h"
#include "platform/video_frame.h"

#include <cstdint>

namespace brisat {

class IVideoLayer {
public:
    virtual ~IVideoLayer() = default;

    // Thread-safe. Copies Frame for the next present; false for a frame IsValidFrame refuses.
    virtual bool SubmitFrame(const TVideoFrame& frame) = 0;
    // Forgets every frame it holds, staged or uploaded, and frees their memory (a kept frame goes
    // back to its decoder): nothing shows until the next frame. Nobody submits meanwhile.
    virtual void ReleaseFrames() = 0;

    // The colour (0x00RRGGBB) through which the video shows.
    virtual uint32_t ColorKey() const = 0;
    virtual void SetColorKey(uint32_t rgb) = 0;
    // Where the picture goes, in window pixels; an empty rectangle shows none of it.
    virtual const TScreenRect& DestRect() const = 0;
    virtual void SetDestRect(const TScreenRect& rect) = 0;
    // The part of the frame shown, in frame pixels; empty: the whole frame.
    virtual const TScreenRect& SourceRect() const = 0;
    virtual void SetSourceRect(const TScreenRect& rect) = 0;
    // A hidden layer leaves the back buffer opaque: key-coloured pixels show as drawn.
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    // True when the frame shown was reduced for a destination that has grown since: the same
    // frame submitted again shows sharp.
    virtual bool WantsFullerFrame() const { return false; }
};

// The placement state every video layer keeps: key, rectangles and visibility.
class TVideoLayerPlacement : public IVideoLayer {
public:
    uint32_t ColorKey() const override { return m_colorKey; }
    void SetColorKey(uint32_t rgb) override { m_colorKey = rgb & 0xFFFFFFu; }
    const TScreenRect& DestRect() const override { return m_dest; }
    void SetDestRect(const TScreenRect& rect) override { m_dest = rect; }
    const TScreenRect& SourceRect() const override { return m_source; }
    void SetSourceRect(const TScreenRect& rect) override { m_source = rect; }
    bool Visible() const override { return m_visible; }
    void SetVisible(bool visible) override { m_visible = visible; }

protected:
    uint32_t m_colorKey = 0xFF00FFu;
    TScreenRect m_dest;
    TScreenRect m_source;
    bool m_visible = true;
};

} // namespace brisat
