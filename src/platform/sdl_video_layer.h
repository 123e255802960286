// The video layer of a native window: a streaming texture in the frame's own format (I420, NV12
// or BGRA; SDL's renderer converts) drawn under the window's back buffer and
// visible wherever the back buffer holds the colour key. A source rectangle in frame pixels
// selects the part of the picture shown (digital zoom), a destination rectangle in window pixels
// where it goes. With SDL's software renderer, which has no YUV textures of its own, YUV frames
// are converted once by SDL_ConvertPixels into an RGB texture of the window's layout, after
// being halved when they are shown at half their size or less.
//
// Threads: SubmitFrame may be called from any thread (the decoder's); OnFrameSubmitted runs on
// the submitting thread. Everything else is the GUI thread's, which owns the window. The owner
// stops its submitting threads before the window removes the layer.
#pragma once

#include "platform/platform.h"
#include "platform/video_frame_mailbox.h"
#include "platform/video_layer.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct SDL_Renderer;
struct SDL_Texture;

namespace brisat {

class TSdlVideoLayer : public TVideoLayerPlacement {
public:
    explicit TSdlVideoLayer(SDL_Renderer* renderer);
    ~TSdlVideoLayer() override;
    TSdlVideoLayer(const TSdlVideoLayer&) = delete;
    TSdlVideoLayer& operator=(const TSdlVideoLayer&) = delete;

    // Thread-safe. Copies Frame for the next present; false for a frame IsValidFrame refuses.
    bool SubmitFrame(const TVideoFrame& frame) override;
    void ReleaseFrames() override;
    // Called after each accepted SubmitFrame, on its thread (to wake the GUI thread, say). Set it
    // before frames flow.
    std::function<void()> OnFrameSubmitted;

    // The size of the frame last uploaded (0 × 0 before the first), and of its texture (half
    // that when the frame was halved).
    int32_t FrameWidth() const { return m_frameWidth; }
    int32_t FrameHeight() const { return m_frameHeight; }
    int32_t TextureWidth() const { return m_textureWidth; }
    int32_t TextureHeight() const { return m_textureHeight; }
    bool WantsFullerFrame() const override;
    // Why the last frame could not be shown ("" when it could).
    const std::string& LastError() const { return m_lastError; }

    // Called by the window while presenting: Upload takes the newest submitted frame into the
    // texture and returns true when there was one; Draw draws the texture at DestRect and
    // returns whether it did (false when hidden, empty or without a frame).
    bool Upload();
    bool Draw();
    // The window pixels Draw covers (coordinates clamped, not clipped to the window); empty when
    // it draws nothing.
    TScreenRect DrawnRect() const;

private:
    bool Halvable(TVideoPixelFormat format) const;
    bool FitTexture(const TVideoFrame& frame);
    bool UpdateTexture(const TVideoFrame& frame);
    uint32_t TextureFormat(TVideoPixelFormat format) const;
    int ConvertIntoTexture(const TVideoFrame& frame);

    TVideoFrameMailbox m_mailbox;
    TStagedFrame m_packed; // a kept frame packed for conversion, when its layout needs it
    SDL_Renderer* m_renderer;
    uint32_t m_rgbTarget; // SDL_PIXELFORMAT_UNKNOWN: YUV textures
    SDL_Texture* m_texture = nullptr;
    TVideoPixelFormat m_textureFormat = TVideoPixelFormat::I420;
    int32_t m_textureWidth = 0;
    int32_t m_textureHeight = 0;
    int32_t m_frameWidth = 0;
    int32_t m_frameHeight = 0;
    bool m_halved = false;       // the texture holds the last frame at half its size
    std::vector<uint8_t> m_half; // that halved frame, packed for conversion
    std::string m_lastError;
};

} // namespace brisat
