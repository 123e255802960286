#include "platform/sdl_video_layer.h"

#include "platform/half_picture.h"

#include <SDL.h>
#include <algorithm>
#include <string_view>

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

// The RGB layout YUV frames are converted to for Renderer, or SDL_PIXELFORMAT_UNKNOWN to hand
// them to SDL as YUV. The software renderer converts YUV textures itself anyway, into a layout
// of its choosing that it then converts again while drawing; converting once, straight into the
// window's own layout, leaves drawing a plain copy.
uint32_t RgbTargetFor(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || !info.name ||
        std::string_view(info.name) != "software")
        return SDL_PIXELFORMAT_UNKNOWN;
    SDL_Window* window = SDL_RenderGetWindow(renderer);
    const uint32_t format = window ? SDL_GetWindowPixelFormat(window) : 0;
    if (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888) return format;
    return SDL_PIXELFORMAT_UNKNOWN;
}

// SDL picks its YUV colour matrix by the picture's height; a halved picture keeps the matrix of
// its source (BT.709 for HD), so its colours match the picture shown whole.
class TYuvMatrixOf {
public:
    TYuvMatrixOf(int32_t width, int32_t height) : m_before(SDL_GetYUVConversionMode()) {
        SDL_SetYUVConversionMode(SDL_GetYUVConversionModeForResolution(width, height));
    }
    ~TYuvMatrixOf() { SDL_SetYUVConversionMode(m_before); }
    TYuvMatrixOf(const TYuvMatrixOf&) = delete;
    TYuvMatrixOf& operator=(const TYuvMatrixOf&) = delete;

private:
    SDL_YUV_CONVERSION_MODE m_before;
};

} // namespace

TSdlVideoLayer::TSdlVideoLayer(SDL_Renderer* renderer)
    : m_renderer(renderer), m_rgbTarget(RgbTargetFor(renderer)) {}

TSdlVideoLayer::~TSdlVideoLayer() {
    if (m_texture) SDL_DestroyTexture(m_texture);
}

bool TSdlVideoLayer::SubmitFrame(const TVideoFrame& frame) {
    if (!m_mailbox.Submit(frame)) return false;
    if (OnFrameSubmitted) OnFrameSubmitted();
    return true;
}

void TSdlVideoLayer::ReleaseFrames() {
    m_mailbox.Clear();
    m_packed = TStagedFrame();
    std::vector<uint8_t>().swap(m_half);
    m_halved = false;
    m_frameWidth = m_frameHeight = 0;
    if (m_texture) SDL_DestroyTexture(m_texture);
    m_texture = nullptr;
    m_textureWidth = m_textureHeight = 0;
}

bool TSdlVideoLayer::Upload() {
    if (!m_mailbox.TakeNewest()) return false;
    const TVideoFrame& frame = m_mailbox.Current().Frame;
    m_frameWidth = frame.Width;
    m_frameHeight = frame.Height;
    m_halved = Halvable(frame.Format);
    if (m_halved) {
        const TVideoFrame half = HalveYuvFrame(frame, m_half);
        const TYuvMatrixOf matrix(frame.Width, frame.Height);
        if (FitTexture(half) && UpdateTexture(half)) m_lastError.clear();
    } else {
        std::vector<uint8_t>().swap(m_half);
        if (FitTexture(frame) && UpdateTexture(frame)) m_lastError.clear();
    }
    m_mailbox.ReleaseCurrent(); // the texture has the picture now
    return true;
}

// Shown at half its size or less (in the part the source rectangle selects), a YUV frame the
// software renderer would convert whole is halved first: a quarter of the pixels to convert and
// to keep, and no sharpness lost that the screen could show.
bool TSdlVideoLayer::Halvable(TVideoPixelFormat format) const {
    if (m_rgbTarget == SDL_PIXELFORMAT_UNKNOWN || format == TVideoPixelFormat::BGRA ||
        m_frameWidth < 2 || m_frameHeight < 2)
        return false;
    const SDL_Rect source = ClipSource(m_source, m_frameWidth, m_frameHeight);
    const int64_t width = int64_t(m_dest.Right) - m_dest.Left;
    const int64_t height = int64_t(m_dest.Bottom) - m_dest.Top;
    return width > 0 && height > 0 && 2 * width <= source.w && 2 * height <= source.h;
}

bool TSdlVideoLayer::WantsFullerFrame() const {
    return m_halved && m_texture && !Halvable(m_textureFormat);
}

bool TSdlVideoLayer::FitTexture(const TVideoFrame& frame) {
    if (m_texture && m_textureFormat == frame.Format && m_textureWidth == frame.Width &&
        m_textureHeight == frame.Height)
        return true;
    if (m_texture) SDL_DestroyTexture(m_texture);
    m_textureWidth = m_textureHeight = 0;
    m_texture = SDL_CreateTexture(m_renderer, TextureFormat(frame.Format),
                                  SDL_TEXTUREACCESS_STREAMING, frame.Width, frame.Height);
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

uint32_t TSdlVideoLayer::TextureFormat(TVideoPixelFormat format) const {
    if (format != TVideoPixelFormat::BGRA && m_rgbTarget != SDL_PIXELFORMAT_UNKNOWN)
        return m_rgbTarget;
    return SdlFormat(format);
}

// SDL_ConvertPixels reads planar YUV only as planes one after another; a decoder's frame laid out
// otherwise is packed first.
int TSdlVideoLayer::ConvertIntoTexture(const TVideoFrame& frame) {
    const TVideoFrame* source = &frame;
    if (!IsContiguous(frame)) {
        CopyPacked(frame, m_packed);
        source = &m_packed.Frame;
    }
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(m_texture, nullptr, &pixels, &pitch) != 0) return -1;
    const int result =
        SDL_ConvertPixels(frame.Width, frame.Height, SdlFormat(frame.Format), source->Planes[0],
                          source->Strides[0], m_rgbTarget, pixels, pitch);
    SDL_UnlockTexture(m_texture);
    return result;
}

bool TSdlVideoLayer::UpdateTexture(const TVideoFrame& frame) {
    int result = 0;
    if (TextureFormat(frame.Format) != SdlFormat(frame.Format)) {
        result = ConvertIntoTexture(frame);
        if (result != 0)
            m_lastError = std::string("Cannot convert the video frame: ") + SDL_GetError();
        return result == 0;
    }
    switch (frame.Format) {
    case TVideoPixelFormat::I420:
        result = SDL_UpdateYUVTexture(m_texture, nullptr, frame.Planes[0], frame.Strides[0],
                                      frame.Planes[1], frame.Strides[1], frame.Planes[2],
                                      frame.Strides[2]);
        break;
    case TVideoPixelFormat::NV12:
        result = SDL_UpdateNVTexture(m_texture, nullptr, frame.Planes[0], frame.Strides[0],
                                     frame.Planes[1], frame.Strides[1]);
        break;
    case TVideoPixelFormat::BGRA:
        result = SDL_UpdateTexture(m_texture, nullptr, frame.Planes[0], frame.Strides[0]);
        break;
    }
    if (result != 0) m_lastError = std::string("Cannot upload the video frame: ") + SDL_GetError();
    return result == 0;
}

TScreenRect TSdlVideoLayer::DrawnRect() const {
    if (!m_visible || !m_texture || m_dest.Left >= m_dest.Right || m_dest.Top >= m_dest.Bottom)
        return {};
    return {ClampCoordinate(m_dest.Left), ClampCoordinate(m_dest.Top),
            ClampCoordinate(m_dest.Right), ClampCoordinate(m_dest.Bottom)};
}

bool TSdlVideoLayer::Draw() {
    const TScreenRect drawn = DrawnRect();
    if (drawn.Left >= drawn.Right) return false;
    SDL_Rect source = ClipSource(m_source, m_frameWidth, m_frameHeight);
    if (m_halved) {
        const int32_t right = std::min(source.x + source.w, m_frameWidth);
        const int32_t bottom = std::min(source.y + source.h, m_frameHeight);
        source.x /= 2;
        source.y /= 2;
        source.w = std::max(std::min(right / 2, m_textureWidth) - source.x, 1);
        source.h = std::max(std::min(bottom / 2, m_textureHeight) - source.y, 1);
    }
    const SDL_Rect dest = ToSdl(drawn);
    return SDL_RenderCopy(m_renderer, m_texture, &source, &dest) == 0;
}

} // namespace brisat
