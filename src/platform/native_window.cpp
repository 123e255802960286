#include "platform/native_window.h"

#include "platform/alpha_rows.h"
#include "platform/keyed_rows.h"
#include "platform/sdl_renderer_choice.h"
#include "platform/video_stats.h"
#include "platform/x11_window_image.h"

#include <SDL.h>
#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace brisat {

namespace {

[[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string(what) + ": " + SDL_GetError());
}

int RenderDriverIndex(const std::string& name) {
    const int count = SDL_GetNumRenderDrivers();
    for (int i = 0; i < count; ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && info.name && name == info.name) return i;
    }
    return -1;
}

bool IsEmpty(const TScreenRect& r) {
    return r.Left >= r.Right || r.Top >= r.Bottom;
}

bool Contains(const TScreenRect& outer, const TScreenRect& inner) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

SDL_Rect ToSdl(const TScreenRect& r) {
    return {r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top};
}

TScreenRect Union(const TScreenRect& a, const TScreenRect& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

TScreenRect Intersection(const TScreenRect& a, const TScreenRect& b) {
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

} // namespace

TNativeWindow::TNativeWindow(const std::string& title, int32_t width, int32_t height,
                             const std::string& renderDriver)
    : TNativeWindow(TNativeWindowParams{.Title = title,
                                        .Bounds = {0, 0, width, height},
                                        .Centered = true,
                                        .SdlFlags = SDL_WINDOW_SHOWN,
                                        .RenderDriver = renderDriver}) {}

TNativeWindow::TNativeWindow(const TNativeWindowParams& params)
    : m_width(ClampSide(params.Bounds.Right - params.Bounds.Left)),
      m_height(ClampSide(params.Bounds.Bottom - params.Bounds.Top)) {
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        Fail("Cannot open the display");
    const std::string driver =
        params.RenderDriver.empty() ? ChooseRenderDriver() : params.RenderDriver;
    PrepareRenderDriver(driver);
    const int x = params.Centered ? int(SDL_WINDOWPOS_CENTERED) : params.Bounds.Left;
    const int y = params.Centered ? int(SDL_WINDOWPOS_CENTERED) : params.Bounds.Top;
    // SDL reads the visual hint when it makes a window, so it holds for this one only.
    if (params.XVisual)
        SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, std::to_string(params.XVisual).c_str());
    m_window = SDL_CreateWindow(params.Title.c_str(), x, y, m_width, m_height, params.SdlFlags);
    if (params.XVisual) SDL_ResetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID);
    if (!m_window) Fail("Cannot create a window");
    m_renderer = SDL_CreateRenderer(m_window, driver.empty() ? -1 : RenderDriverIndex(driver), 0);
    if (!m_renderer) Fail("Cannot create a renderer");
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(m_renderer, &info) == 0 && info.name) m_renderDriver = info.name;
    // SDL's software renderer shows nothing of what is drawn after a window it never presented
    // to was resized; one black present at creation prevents that.
    SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
    SDL_RenderClear(m_renderer);
    SDL_RenderPresent(m_renderer);
}

// Makes the back-buffer texture for Area of the window, none when Area is empty.
void TNativeWindow::MakeTexture(const TScreenRect& area) {
    if (m_texture) SDL_DestroyTexture(m_texture);
    m_texture = nullptr;
    m_textureArea = area;
    if (IsEmpty(area)) return;
    // ARGB8888 is 0xAARRGGBB per 32-bit value: bytes B, G, R, A, as our surfaces.
    m_texture = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                  area.Right - area.Left, area.Bottom - area.Top);
    if (!m_texture) {
        m_textureArea = {};
        Fail("Cannot create the back-buffer texture");
    }
}

// The part of the window the back-buffer texture must hold: all of it, or under a key only the
// tiles that are not all key, since the video alone is drawn in those. A full-screen video
// window needs none.
TScreenRect TNativeWindow::NeededTextureArea() {
    if (!m_uploadedKey) return {0, 0, m_width, m_height};
    TScreenRect bounds{m_width, m_height, 0, 0};
    for (const TKeyRun& run : m_keyTiles.Runs()) {
        if (run.Cover == TKeyCover::All) continue;
        bounds = Union(bounds, run.Rect);
    }
    return IsEmpty(bounds) ? TScreenRect{} : bounds;
}

void TNativeWindow::SetAlphaUpload(TAlphaUpload mode) {
    if (mode == m_alphaUpload) return;
    m_alphaUpload = mode;
    m_uploaded = false;
}

void TNativeWindow::Move(int32_t x, int32_t y) {
    SDL_SetWindowPosition(m_window, x, y);
}

void TNativeWindow::SetSize(int32_t width, int32_t height) {
    width = ClampSide(width);
    height = ClampSide(height);
    if (width == m_width && height == m_height) return;
    m_width = width;
    m_height = height;
    SDL_SetWindowSize(m_window, width, height);
    MakeTexture({});
    m_uploaded = false;
}

void TNativeWindow::Recompose() {
    if (!m_uploaded) return;
    Compose(m_videoLayer && m_videoLayer->Upload());
}

TNativeWindow::~TNativeWindow() {
    m_videoLayer.reset();
    if (m_texture) SDL_DestroyTexture(m_texture);
    if (m_renderer) SDL_DestroyRenderer(m_renderer);
    if (m_window) SDL_DestroyWindow(m_window);
}

TSdlVideoLayer& TNativeWindow::VideoLayer() {
    if (!m_videoLayer) m_videoLayer = std::make_unique<TSdlVideoLayer>(m_renderer);
    return *m_videoLayer;
}

void TNativeWindow::RemoveVideoLayer() {
    m_videoLayer.reset();
    m_uploaded = false;
}

std::optional<uint32_t> TNativeWindow::ActiveKey() const {
    if (m_videoLayer && m_videoLayer->Visible()) return m_videoLayer->ColorKey();
    return std::nullopt;
}

void TNativeWindow::Present(const uint32_t* pixels, int32_t stride) {
    m_uploaded = false;
    Present(pixels, stride, {});
}

void TNativeWindow::Present(const uint32_t* pixels, int32_t stride,
                            std::span<const TScreenRect> dirty) {
    bool changed = false;
    if (!m_uploaded || m_uploadedKey != ActiveKey()) {
        m_uploadedKey = ActiveKey();
        m_uploaded = true;
        m_keyTiles.Reset(m_width, m_height);
        const TScreenRect whole{0, 0, m_width, m_height};
        if (m_uploadedKey) m_keyTiles.Update(pixels, stride, whole, *m_uploadedKey);
        MakeTexture(NeededTextureArea());
        UploadRect(pixels, stride, m_textureArea);
        changed = true;
    } else {
        m_dirty.clear();
        for (const TScreenRect& rect : dirty) {
            const TScreenRect clipped = Intersection(rect, {0, 0, m_width, m_height});
            if (IsEmpty(clipped)) continue;
            if (m_uploadedKey) m_keyTiles.Update(pixels, stride, clipped, *m_uploadedKey);
            m_dirty.push_back(clipped);
        }
        changed = !m_dirty.empty();
        if (changed) UploadDirty(pixels, stride);
    }
    const bool newFrame = m_videoLayer && m_videoLayer->Upload();
    if (changed || newFrame) Compose(newFrame);
}

// Uploads the dirty rectangles where the texture holds them. A tile that stops being all key
// outside the texture makes the texture grow to take it in, filled anew from the back buffer.
void TNativeWindow::UploadDirty(const uint32_t* pixels, int32_t stride) {
    const TScreenRect need = NeededTextureArea();
    if (!IsEmpty(need) && !Contains(m_textureArea, need)) {
        MakeTexture(IsEmpty(m_textureArea) ? need : Union(m_textureArea, need));
        UploadRect(pixels, stride, m_textureArea);
        return;
    }
    for (const TScreenRect& rect : m_dirty) {
        const TScreenRect held = Intersection(rect, m_textureArea);
        if (!IsEmpty(held)) UploadRect(pixels, stride, held);
    }
}

// Copies Rect (window pixels, within the texture's area) into the streaming texture: locking it
// maps the texture's memory (or SDL's staging copy of it), so the key pass writes straight into it
// without a buffer of ours.
void TNativeWindow::UploadRect(const uint32_t* pixels, int32_t stride, const TScreenRect& rect) {
    if (!m_texture || IsEmpty(rect)) return;
    const SDL_Rect area{rect.Left - m_textureArea.Left, rect.Top - m_textureArea.Top,
                        rect.Right - rect.Left, rect.Bottom - rect.Top};
    void* locked = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(m_texture, &area, &locked, &pitch) != 0) return;
    const uint32_t* in = pixels + size_t(rect.Top) * size_t(stride) + size_t(rect.Left);
    auto* out = static_cast<uint8_t*>(locked);
    for (int32_t row = 0; row < area.h; ++row) {
        auto* outRow = reinterpret_cast<uint32_t*>(out);
        if (m_uploadedKey)
            CopyRowKeyed(in, outRow, area.w, *m_uploadedKey);
        else if (m_alphaUpload == TAlphaUpload::Premultiplied)
            CopyRowPremultiplied(in, outRow, area.w);
        else if (m_alphaUpload == TAlphaUpload::Opaque)
            CopyRowOpaque(in, outRow, area.w);
        else
            std::memcpy(outRow, in, size_t(area.w) * 4);
        in += stride;
        out += pitch;
    }
    SDL_UnlockTexture(m_texture);
}

// Without a key the back buffer covers the window. With one, the video goes first, then the
// back buffer tile run by tile run: copied where it has no key, blended where it is mixed, left out
// where it is all key. The software renderer keeps what it drew, so it is not cleared: black is
// filled only where key pixels lie outside the video. Other renderers start from a clear.
void TNativeWindow::Compose(bool newFrame) {
    const bool software = m_renderDriver == "software";
    SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
    if (!software) SDL_RenderClear(m_renderer);
    bool videoDrawn = false;
    if (m_uploadedKey && m_videoLayer) {
        const TScreenRect video = m_videoLayer->DrawnRect();
        const std::vector<TKeyRun>& runs = m_keyTiles.Runs();
        if (software) FillKeyOutside(runs, video);
        videoDrawn = m_videoLayer->Draw();
        CopyBackBuffer(runs);
    } else if (m_texture) {
        SDL_SetTextureBlendMode(m_texture, SDL_BLENDMODE_NONE);
        SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
    }
    SDL_RenderPresent(m_renderer);
    if (newFrame && videoDrawn) NoteFrameShown();
}

void TNativeWindow::FillKeyOutside(const std::vector<TKeyRun>& runs, const TScreenRect& video) {
    for (const TKeyRun& run : runs) {
        if (run.Cover == TKeyCover::None || Contains(video, run.Rect)) continue;
        const SDL_Rect area = ToSdl(run.Rect);
        SDL_RenderFillRect(m_renderer, &area);
    }
}

void TNativeWindow::CopyBackBuffer(const std::vector<TKeyRun>& runs) {
    for (const TKeyRun& run : runs) {
        if (run.Cover == TKeyCover::All) continue;
        SDL_SetTextureBlendMode(m_texture, run.Cover == TKeyCover::Mixed ? SDL_BLENDMODE_BLEND
                                                                         : SDL_BLENDMODE_NONE);
        const SDL_Rect area = ToSdl(run.Rect);
        const SDL_Rect held{area.x - m_textureArea.Left, area.y - m_textureArea.Top, area.w,
                            area.h};
        SDL_RenderCopy(m_renderer, m_texture, &held, &area);
    }
}

std::vector<uint32_t> TNativeWindow::ReadScreen() const {
    return ReadX11Window(m_window, m_width, m_height);
}

bool TNativeWindow::PumpEvents(int32_t timeoutMs, const TNativeEvents& events) {
    SDL_Event event;
    bool first = true;
    while (m_open && (first ? SDL_WaitEventTimeout(&event, timeoutMs) : SDL_PollEvent(&event))) {
        first = false;
        switch (event.type) {
        case SDL_QUIT:
            m_open = false;
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) m_open = false;
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED &&
                event.window.windowID == SDL_GetWindowID(m_window))
                Recompose();
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (events.OnMouseDown)
                events.OnMouseDown(event.button.x, event.button.y, event.button.button);
            break;
        case SDL_KEYDOWN:
            if (event.key.keysym.sym == SDLK_ESCAPE) m_open = false;
            if (events.OnKeyDown) events.OnKeyDown(event.key.keysym.sym);
            break;
        default:
            break;
        }
    }
    if (!m_open && events.OnClose) events.OnClose();
    return m_open;
}

} // namespace brisat
