// Hands video frames from a decoder thread to the GUI thread: a triple buffer of packed copies, or
// of the decoder's own planes where a frame comes with a keeper. The submitting side stages into
// its own spare slot and swaps it with the ready slot under a short lock; the GUI side swaps the
// ready slot with the one it shows. Neither side ever waits for the other's copy or upload, no
// allocation happens while the frame size stays the same, and at most the ready and the shown
// frame are kept from a decoder (the shown one until ReleaseCurrent).
#pragma once

#include "platform/video_frame.h"

#include <cstdint>
#include <mutex>
#include <vector>

namespace brisat {

// A staged frame: its planes either copied into Bytes, packed one after another with rows
// without padding, or the submitter's own, held by Keeper.
struct TStagedFrame {
    TVideoFrame Frame; // planes into Bytes, or the submitter's with its Keeper
    std::vector<uint8_t> Bytes;

    bool Empty() const { return Frame.Width == 0; }
};

// Copies Frame's planes into Slot, packed.
void CopyPacked(const TVideoFrame& frame, TStagedFrame& slot);

class TVideoFrameMailbox {
public:
    // Thread-safe. Copies Frame (or keeps it, with a keeper) and makes it the newest; a newer
    // submission replaces a frame the GUI thread has not taken yet, and the keeper of a frame
    // no longer needed is released on the submitting thread. Returns false and keeps nothing when
    // the frame is invalid (IsValidFrame).
    bool Submit(const TVideoFrame& frame);
    // Thread-safe. Forgets (and releases) a frame not taken yet; Current is untouched.
    void DropPending();
    // Forgets every slot, Current too, and frees their memory. No submitter may run meanwhile.
    void Clear();

    // The taking side (the GUI thread) only: when a frame arrived since the last call, makes it
    // Current and returns true.
    bool TakeNewest();
    const TStagedFrame& Current() const { return *m_current; }
    // The taking side, once Current's pixels are used up (uploaded): a kept frame goes back to
    // its decoder now and Current has no planes from then on; a copy stays.
    void ReleaseCurrent();

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
