// A top-level native window on SDL2 that shows a 32-bit BGRA back buffer, presented whole or by
// dirty rectangles, with an optional video layer under it (sdl_video_layer.h). GUI thread only,
// except the video layer's SubmitFrame.
#pragma once

#include "platform/key_tiles.h"
#include "platform/platform.h"
#include "platform/sdl_video_layer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace brisat {

struct TNativeEvents {
    std::function<void()> OnClose;
    std::function<void(int32_t x, int32_t y, int button)> OnMouseDown;
    std::function<void(int32_t keySym)> OnKeyDown;
};

// How a window is made: where, and with which SDL_WindowFlags.
struct TNativeWindowParams {
    std::string Title;
    TScreenRect Bounds;    // screen position and size (ClampSide applies to each side)
    bool Centered = false; // Bounds' position is ignored: centred on the first display
    uint32_t SdlFlags = 0; // SDL_WindowFlags; SDL_WINDOW_HIDDEN makes it unmapped
    std::string RenderDriver;
    unsigned long XVisual = 0; // the X visual to make the window with; 0: the screen's default
};

// What the alpha bytes of the back buffer become when uploaded: ignored (the window's visual has
// no alpha), premultiplied (a compositing manager blends the window by them) or opaque (a visual
// with alpha shown by no compositing manager).
enum class TAlphaUpload : uint8_t { Ignored, Premultiplied, Opaque };

class TNativeWindow {
public:
    // Windows are 1 to MaxSide pixels wide and high: X refuses empty windows and ends the
    // program for sides past 32767, and a texture that large is already absurd.
    static constexpr int32_t MaxSide = 16384;
    static int32_t ClampSide(int32_t side) {
        return side < 1 ? 1 : side > MaxSide ? MaxSide : side;
    }

    // Opens the display if needed and creates a window of the given client size, drawn by the
    // SDL render driver RenderDriver (empty: ChooseRenderDriver's pick for this machine). Raises
    // std::runtime_error with the platform's reason when no window can be made.
    TNativeWindow(const std::string& title, int32_t width, int32_t height,
                  const std::string& renderDriver = {});
    explicit TNativeWindow(const TNativeWindowParams& params);
    ~TNativeWindow();
    TNativeWindow(const TNativeWindow&) = delete;
    TNativeWindow& operator=(const TNativeWindow&) = delete;

    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    SDL_Window* SdlWindow() const { return m_window; }
    // The SDL render driver in use ("software", "opengl", ...).
    const std::string& RenderDriver() const { return m_renderDriver; }

    // Shows the back buffer: Width × Height pixels (0xAARRGGBB) in rows of Stride pixels. The
    // first form copies all of it; the second only the Dirty rectangles (window pixels, clipped
    // to the window), and presents only when something changed, a rectangle or a new video
    // frame. The whole buffer is copied anyway the first time and after the video layer's key
    // or visibility changed, so Pixels must always hold the complete picture.
    void Present(const uint32_t* pixels, int32_t stride);
    void Present(const uint32_t* pixels, int32_t stride, std::span<const TScreenRect> dirty);

    // How the next uploads treat alpha; a change uploads the whole back buffer at the next Present.
    void SetAlphaUpload(TAlphaUpload mode);

    // Moves the window's top-left corner to X, Y on the screen (the window manager may put it
    // elsewhere).
    void Move(int32_t x, int32_t y);
    // Resizes the window where it is when the size differs (ClampSide applies); a new size makes
    // a new back-buffer texture, filled by the next Present.
    void SetSize(int32_t width, int32_t height);
    // Shows again what was last presented, with the newest video frame, without a new back
    // buffer (after an expose, or when a frame arrived). Nothing before the first Present.
    void Recompose();

    // The window's video layer, made on first use.
    TSdlVideoLayer& VideoLayer();
    bool HasVideoLayer() const { return m_videoLayer != nullptr; }
    void RemoveVideoLayer();

    // The part of the window its back buffer is kept of for drawing: all of it, or with a video
    // layer's key the bounds of the tiles that are not all key (empty when none). For tests.
    const TScreenRect& BackBufferArea() const { return m_textureArea; }

    // What the window shows on screen now, read back from the display: Width × Height pixels
    // 0x00RRGGBB. For tests and screenshots.
    std::vector<uint32_t> ReadScreen() const;

    // Waits up to TimeoutMs for events and dispatches them; returns false once the window was
    // asked to close. Exposed contents are presented again from what was last uploaded.
    bool PumpEvents(int32_t timeoutMs, const TNativeEvents& events);

private:
    std::optional<uint32_t> ActiveKey() const;
    void UploadRect(const uint32_t* pixels, int32_t stride, const TScreenRect& rect);
    void UploadDirty(const uint32_t* pixels, int32_t stride);
    TScreenRect NeededTextureArea();
    // Draws the video layer and the back buffer and presents; NewFrame: the layer has a frame
    // not presented before.
    void Compose(bool newFrame);
    void FillKeyOutside(const std::vector<TKeyRun>& runs, const TScreenRect& video);
    void CopyBackBuffer(const std::vector<TKeyRun>& runs);
    void MakeTexture(const TScreenRect& area);

    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_texture = nullptr; // the back buffer's m_textureArea, none when that is empty
    TScreenRect m_textureArea{};
    std::vector<TScreenRect> m_dirty; // of the present under way, clipped
    std::unique_ptr<TSdlVideoLayer> m_videoLayer;
    std::string m_renderDriver;
    int32_t m_width = 0;
    int32_t m_height = 0;
    // The key the back-buffer texture was made transparent for; none: uploaded opaque. Unset
    // m_uploaded forces a whole upload.
    std::optional<uint32_t> m_uploadedKey;
    bool m_uploaded = false;
    TAlphaUpload m_alphaUpload = TAlphaUpload::Ignored;
    TKeyTiles m_keyTiles; // of the keyed back buffer; kept while m_uploadedKey is set
    bool m_open = true;
};

} // namespace brisat
