#include "platform/video_stats.h"

#include <atomic>
#include <chrono>
#include <cinttypes>
#include <cstdio>

namespace brisat {

namespace {

std::atomic<uint64_t> g_rendered{0};
std::atomic<uint64_t> g_sinkDropped{0};
std::atomic<uint64_t> g_shown{0};
std::atomic<uint64_t> g_replaced{0};
std::atomic<int64_t> g_firstShown{0};

int64_t UnixMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

void NoteFrameRendered() {
    g_rendered.fetch_add(1, std::memory_order_relaxed);
}

void NoteSinkDropped(uint64_t frames) {
    g_sinkDropped.fetch_add(frames, std::memory_order_relaxed);
}

void NoteFrameShown() {
    if (g_shown.fetch_add(1, std::memory_order_relaxed) == 0) g_firstShown = UnixMs();
}

void NoteFrameReplaced() {
    g_replaced.fetch_add(1, std::memory_order_relaxed);
}

TVideoStats VideoStats() {
    return {g_rendered.load(), g_sinkDropped.load(), g_shown.load(), g_replaced.load(),
            g_firstShown.load()};
}

std::string FormatVideoStats(const TVideoStats& s) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "video: rendered %" PRIu64 " shown %" PRIu64 " dropped %" PRIu64 " (late %" PRIu64
                  ", replaced %" PRIu64 ") first-shown-unix-ms %" PRId64,
                  s.Rendered, s.Shown, s.SinkDropped + s.Replaced, s.SinkDropped, s.Replaced,
                  s.FirstShownUnixMs);
    return text;
}

} // namespace brisat
