// Hands video frames from a decoder thread to the GUI thread: a triple buffer of packed copies.
// The submitting side copies into its own spare slot and swaps it with the ready slot under a
// short lock; the GUI side swaps the ready slot with the one it shows. Neither side ever waits
// for the other's copy or upload, and no allocation happens while the frame size stays the same.
#pragma once

#include "platform/video_frame.h"

#include <cstdint>
#include <mutex>
#include <vector>

namespace brisat {

// A frame copied with its planes packed one after another, rows without padding.
struct TStagedFrame {
    TVideoPixelFormat Format = TVideoPixelFormat::I420;
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint8_t> Bytes;

    bool Empty() const { return Width == 0; }
    const uint8_t* Plane(int plane) const;
    int32_t Pitch(int plane) const { return PlaneRowBytes(Format, Width, plane); }
};

class TVideoFrameMailbox {
public:
    // Thread-safe. Copies Frame and makes it the newest; a newer submission replaces a frame the
    // GUI thread has not taken yet. Returns false and keeps nothing when the frame is invalid
    // (IsValidFrame).
    bool Submit(const TVideoFrame& frame);
    // Thread-safe. Forgets a frame not taken yet; Current is untouched.
    void DropPending();

    // The taking side (the GUI thread) only: when a frame arrived since the last call, makes it
    // Current and returns true.
    bool TakeNewest();
    const TStagedFrame& Current() const { return *m_current; }

private:
    std::mutex m_submitMutex; // one submitter copies at a time
    std::mutex m_mutex;       // guards m_ready and m_hasNew
    TStagedFrame m_slots[3];
    TStagedFrame* m_spare = &m_slots[0];   // the submitter's
    TStagedFrame* m_ready = &m_slots[1];   // the newest complete frame
    TStagedFrame* m_current = &m_slots[2]; // the taker's
    bool m_hasNew = false;
};

} // namespace brisat
