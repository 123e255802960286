// Our video renderer element ("brisatvideorenderer"), a video sink that hands every frame, in the
// decoder's own I420, NV12 or BGRA layout, to a frame consumer (the video window's overlay
// layer) without converting colours, and keeps the source rectangle used for digital zoom.
//
// Threads: ReceiveFrame runs on the renderer's streaming thread; everything else here runs on the
// GUI thread. The renderer's state (consumer, format, source rectangle) is locked.
#pragma once

#include "media/platform/pins.h"
#include "media/platform/result_codes.h"

#include <cstdint>
#include <memory>

namespace brisat {

inline constexpr const char* kVideoRendererFactory = "brisatvideorenderer";
// Element message the renderer posts when its format is set: fields "width", "height" (pixels),
// "par-n", "par-d" (pixel aspect ratio).
inline constexpr const char* kVideoSizeMessage = "brisat-video-size";

// The layouts a video layer takes as they are. BGRx is not among them: its undefined fourth byte
// would read as alpha, so such pictures are converted by GStreamer on the way.
enum class TDecodedPixelFormat { I420, NV12, BGRA };

struct TSourceRect {
    long Left = 0;
    long Top = 0;
    long Width = 0;
    long Height = 0;
    bool operator==(const TSourceRect&) const = default;
};

// One decoded picture; the memory belongs to the renderer and is valid only during ReceiveFrame,
// unless Keeper is set: holding it keeps the picture valid and unchanged.
struct TDecodedFrame {
    TDecodedPixelFormat Format = TDecodedPixelFormat::I420;
    int Width = 0;
    int Height = 0;
    int PlaneCount = 0;
    const std::uint8_t* Planes[3] = {};
    int Strides[3] = {};
    std::int64_t Time = 0; // stream time in 100-ns units
    TSourceRect Source;    // the part of the picture to show
    std::shared_ptr<const void> Keeper;
};

class IFrameConsumer {
public:
    virtual ~IFrameConsumer() = default;
    // Streaming thread. Copy or upload what is needed and return quickly: the pipeline waits.
    virtual void ReceiveFrame(const TDecodedFrame& frame) = 0;
};

// Creates a renderer element (registers the media elements on first use).
TFilter CreateVideoRenderer();

// The renderer's video interface: consumer, native size and the source rectangle, in pixels of the
// decoded picture. Until a format is negotiated the size calls answer VFW_E_NOT_CONNECTED.
class TBasicVideo {
public:
    explicit TBasicVideo(TFilter renderer) : m_renderer(std::move(renderer)) {}
    // E_NOINTERFACE when the filter is not our renderer.
    HRESULT SetFrameConsumer(std::shared_ptr<IFrameConsumer> consumer);
    // Hands the last picture shown to the consumer again (a new layer shows it at once, even
    // while paused or after the end). S_FALSE when there is none.
    HRESULT RepaintLastFrame();

    HRESULT GetVideoSize(long& width, long& height) const;
    HRESULT SetDefaultSourcePosition();
    HRESULT GetSourcePosition(TSourceRect& rect) const;
    HRESULT get_SourceWidth(long& width) const;
    HRESULT get_SourceHeight(long& height) const;
    // Each setter checks the rectangle stays non-empty and inside the picture (else E_INVALIDARG).
    HRESULT put_SourceLeft(long left);
    HRESULT put_SourceTop(long top);
    HRESULT put_SourceWidth(long width);
    HRESULT put_SourceHeight(long height);
    // Frames that reached the renderer since it was created.
    std::uint64_t FramesRendered() const;

private:
    HRESULT EditSource(void (*edit)(TSourceRect&, long), long value);
    TFilter m_renderer;
};

// The renderer's GObject type, registered on first use.
GType VideoRendererType();

} // namespace brisat
