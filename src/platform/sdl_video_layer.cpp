#include "platform/sdl_video_layer.h"

#include <SDL.h>
#include <algorithm>

namespace brisat {

namespace {

uint32_t SdlFormat(TVideoPixelFormat format) {
    switch (format) {
    case TVideoPixelFormat::I420:
        return SDL_PIXELFORMAT_IYUV;
    case TVideoPixelFormat::NV12:
        return SDL_PIXELFORMAT_NV12;
    case TVideoPixelFormat::BGRA:
        return SDL_PIXELFORMAT_BGRA32;
    }
    return SDL_PIXELFORMAT_UNKNOWN;
}

SDL_Rect ToSdl(const TScreenRect& r) {
    return {r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top};
}

// Destination coordinates far outside any window are pulled in, so widths never overflow.
int32_t ClampCoordinate(int32_t v) {
    return std::clamp(v, -(1 << 20), 1 << 20);
}

// Source clipped to a Width × Height frame; the whole frame when that leaves nothing.
SDL_Rect ClipSource(const TScreenRect& source, int32_t width, int32_t height) {
    const TScreenRect clipped{std::max(source.Left, 0), std::max(source.Top, 0),
                              std::min(source.Right, width), std::min(source.Bottom, height)};
    if (clipped.Left >= clipped.Right || clipped.Top >= clipped.Bottom)
        return {0, 0, width, height};
    return ToSdl(clipped);
}

} // namespace

TSdlVideoLayer::TSdlVideoLayer(SDL_Renderer* renderer) : m_renderer(renderer) {}

TSdlVideoLayer::~TSdlVideoLayer() {
    if (m_texture) SDL_DestroyTexture(m_texture);
}

bool TSdlVideoLayer::SubmitFrame(const TVideoFrame& frame) {
    if (!m_mailbox.Submit(frame)) return false;
    if (OnFrameSubmitted) OnFrameSubmitted();
    return true;
}

bool TSdlVideoLayer::Upload() {
    if (!m_mailbox.TakeNewest()) return false;
    const TStagedFrame& frame = m_mailbox.Current();
    if (FitTexture(frame) && UpdateTexture(frame)) m_lastError.clear();
    return true;
}

bool TSdlVideoLayer::FitTexture(const TStagedFrame& frame) {
    if (m_texture && m_textureFormat == frame.Format && m_textureWidth == frame.Width &&
        m_textureHeight == frame.Height)
        return true;
    if (m_texture) SDL_DestroyTexture(m_texture);
    m_textureWidth = m_textureHeight = 0;
    m_texture = SDL_CreateTexture(m_renderer, SdlFormat(frame.Format), SDL_TEXTUREACCESS_STREAMING,
                                  frame.Width, frame.Height);
    if (!m_texture) {
        m_lastError = std::string("Cannot create the video texture: ") + SDL_GetError();
        return false;
    }
    SDL_SetTextureScaleMode(m_texture, SDL_ScaleModeLinear);
    m_textureFormat = frame.Format;
    m_textureWidth = frame.Width;
    m_textureHeight = frame.Height;
    return true;
}

bool TSdlVideoLayer::UpdateTexture(const TStagedFrame& frame) {
    int result = 0;
    switch (frame.Format) {
    case TVideoPixelFormat::I420:
        result =
            SDL_UpdateYUVTexture(m_texture, nullptr, frame.Plane(0), frame.Pitch(0), frame.Plane(1),
                                 frame.Pitch(1), frame.Plane(2), frame.Pitch(2));
        break;
    case TVideoPixelFormat::NV12:
        result = SDL_UpdateNVTexture(m_texture, nullptr, frame.Plane(0), frame.Pitch(0),
                                     frame.Plane(1), frame.Pitch(1));
        break;
    case TVideoPixelFormat::BGRA:
        result = SDL_UpdateTexture(m_texture, nullptr, frame.Plane(0), frame.Pitch(0));
        break;
    }
    if (result != 0) m_lastError = std::string("Cannot upload the video frame: ") + SDL_GetError();
    return result == 0;
}

bool TSdlVideoLayer::Draw() {
    if (!m_visible || !m_texture || m_dest.Left >= m_dest.Right || m_dest.Top >= m_dest.Bottom)
        return false;
    const SDL_Rect source = ClipSource(m_source, m_textureWidth, m_textureHeight);
    const SDL_Rect dest = ToSdl({ClampCoordinate(m_dest.Left), ClampCoordinate(m_dest.Top),
                                 ClampCoordinate(m_dest.Right), ClampCoordinate(m_dest.Bottom)});
    return SDL_RenderCopy(m_renderer, m_texture, &source, &dest) == 0;
}

} // namespace brisat
