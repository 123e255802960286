// The video layer of a native window: a streaming texture in the frame's own format (I420, NV12
// or BGRA; SDL's renderer converts, never our code) drawn under the window's back buffer and
// visible wherever the back buffer holds the colour key. A source rectangle in frame pixels
// selects the part of the picture shown (digital zoom), a destination rectangle in window pixels
// where it goes.
//
// Threads: SubmitFrame may be called from any thread (the decoder's); OnFrameSubmitted runs on
// the submitting thread. Everything else is the GUI thread's, which owns the window. The owner
// stops its submitting threads before the window removes the layer.
#pragma once

#include "platform/platform.h"
#include "platform/video_layer.h"
#include "platform/video_frame_mailbox.h"

#include <cstdint>
#include <functional>
#include <string>

struct SDL_Renderer;
struct SDL_Texture;

namespace brisat {

class TSdlVideoLayer : public IVideoLayer {
public:
    explicit TSdlVideoLayer(SDL_Renderer* renderer);
    ~TSdlVideoLayer() override;
    TSdlVideoLayer(const TSdlVideoLayer&) = delete;
    TSdlVideoLayer& operator=(const TSdlVideoLayer&) = delete;

    // Thread-safe. Copies Frame for the next present; false for a frame IsValidFrame refuses.
    bool SubmitFrame(const TVideoFrame& frame) override;
    // Called after each accepted SubmitFrame, on its thread (to wake the GUI thread, say). Set it
    // before frames flow.
    std::function<void()> OnFrameSubmitted;

    // The colour (0x00RRGGBB) through which the video shows.
    uint32_t ColorKey() const override { return m_colorKey; }
    void SetColorKey(uint32_t rgb) override { m_colorKey = rgb & 0xFFFFFFu; }
    // Where the picture goes, in window pixels; an empty rectangle shows none of it.
    const TScreenRect& DestRect() const override { return m_dest; }
    void SetDestRect(const TScreenRect& rect) override { m_dest = rect; }
    // The part of the frame shown, in frame pixels, clipped to the frame; empty: the whole frame.
    const TScreenRect& SourceRect() const override { return m_source; }
    void SetSourceRect(const TScreenRect& rect) override { m_source = rect; }
    // A hidden layer leaves the back buffer opaque: key-coloured pixels show as drawn.
    bool Visible() const override { return m_visible; }
    void SetVisible(bool visible) override { m_visible = visible; }

    // The size of the frame last uploaded (0 × 0 before the first).
    int32_t FrameWidth() const { return m_textureWidth; }
    int32_t FrameHeight() const { return m_textureHeight; }
    // Why the last frame could not be shown ("" when it could).
    const std::string& LastError() const { return m_lastError; }

    // Called by the window while presenting: Upload takes the newest submitted frame into the
    // texture and returns true when there was one; Draw draws the texture at DestRect.
    bool Upload();
    void Draw();

private:
    bool FitTexture(const TStagedFrame& frame);
    bool UpdateTexture(const TStagedFrame& frame);

    TVideoFrameMailbox m_mailbox;
    SDL_Renderer* m_renderer;
    SDL_Texture* m_texture = nullptr;
    TVideoPixelFormat m_textureFormat = TVideoPixelFormat::I420;
    int32_t m_textureWidth = 0;
    int32_t m_textureHeight = 0;
    uint32_t m_colorKey = 0xFF00FFu;
    TScreenRect m_dest;
    TScreenRect m_source;
    bool m_visible = true;
    std::string m_lastError;
};

} // namespace brisat
