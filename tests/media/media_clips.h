// Short clips made with ffmpeg at test time in a temporary folder, shared by the media tests, and
// a small harness that plays a graph through its event queue.
#pragma once

#include "media/platform/media_pipeline.h"
#include "media/platform/video_renderer.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace brisat::test {

// Frames of a one-second, 25-frame clip that must reach the renderer (the harness keeps late
// frames; a broken path delivers none or a handful).
constexpr int kMostOfASecond = 20;

// Path of a clip ("clip.avi", "clip.mpg", "clip.asf", "clip.mp4", "yuv444.mp4" (a picture format
// our renderer does not take), "fast.mp4" (60 frames a second), "audio.mp3", "mjpeg.avi",
// "long.avi" (95.5 s of tiny video), "truncated.mp4", "text.avi", "fifo.avi" (a FIFO nothing
// writes to)), made on first use; "" when ffmpeg failed.
std::string Clip(const std::string& name);
std::string ClipFolder();

// Counts frames and remembers the last frame's shape (streaming thread).
class CountingConsumer : public IFrameConsumer {
public:
    void ReceiveFrame(const TDecodedFrame& frame) override;
    std::atomic<int> Frames{0};
    std::atomic<int> Width{0};
    std::atomic<int> Height{0};
    std::atomic<bool> PlanesValid{true};
};

// A graph with our renderer and a fake audio sink, waiting for its events like the GUI thread.
class GraphHarness {
    // Declared first: the graph's destructor may still call the notify callback.
    std::mutex m_lock;
    std::condition_variable m_signal;
    int m_notified = 0;

public:
    GraphHarness();
    // Drains events until EC_COMPLETE, EC_ERRORABORT or the time-out; returns the codes seen.
    std::vector<long> WaitForEnd(int timeoutMs = 10000);
    // Drains what is queued now.
    std::vector<long> Drain();

    TMediaPipeline Graph;
    TFilter Renderer;
    std::shared_ptr<CountingConsumer> Consumer = std::make_shared<CountingConsumer>();
    std::vector<TMediaEvent> Seen;
};

} // namespace brisat::test
