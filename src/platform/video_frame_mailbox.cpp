#include "platform/video_frame_mailbox.h"

#include "platform/video_stats.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

namespace brisat {

void CopyPacked(const TVideoFrame& frame, TStagedFrame& slot) {
    slot.Bytes.resize(PackedFrameBytes(frame.Format, frame.Width, frame.Height));
    slot.Frame = TVideoFrame{frame.Format, frame.Width, frame.Height, {}, {}, nullptr};
    uint8_t* out = slot.Bytes.data();
    for (int plane = 0; plane < PlaneCount(frame.Format); ++plane) {
        const size_t rowBytes = size_t(PlaneRowBytes(frame.Format, frame.Width, plane));
        slot.Frame.Planes[plane] = out;
        slot.Frame.Strides[plane] = int32_t(rowBytes);
        const uint8_t* in = frame.Planes[plane];
        for (int32_t row = PlaneRows(frame.Format, frame.Height, plane); row > 0; --row) {
            std::memcpy(out, in, rowBytes);
            out += rowBytes;
            in += frame.Strides[plane];
        }
    }
}

namespace {

void Stage(const TVideoFrame& frame, TStagedFrame& slot) {
    if (frame.Keeper)
        slot.Frame = frame;
    else
        CopyPacked(frame, slot);
}

} // namespace

bool TVideoFrameMailbox::Submit(const TVideoFrame& frame) {
    if (!IsValidFrame(frame)) return false;
    std::shared_ptr<const void> released; // after the locks: its owner's release may take time
    std::lock_guard submitting(m_submitMutex);
    Stage(frame, *m_spare);
    {
        std::lock_guard lock(m_mutex);
        std::swap(m_spare, m_ready);
        if (m_hasNew) NoteFrameReplaced();
        m_hasNew = true;
    }
    // The spare slot now holds a frame replaced unseen or one the taker has moved past.
    released = std::move(m_spare->Frame.Keeper);
    return true;
}

void TVideoFrameMailbox::DropPending() {
    std::shared_ptr<const void> released;
    std::lock_guard lock(m_mutex);
    if (m_hasNew) released = std::move(m_ready->Frame.Keeper);
    m_hasNew = false;
}

void TVideoFrameMailbox::Clear() {
    std::lock_guard submitting(m_submitMutex);
    std::lock_guard lock(m_mutex);
    for (TStagedFrame& slot : m_slots)
        slot = TStagedFrame();
    m_hasNew = false;
}

void TVideoFrameMailbox::ReleaseCurrent() {
    TVideoFrame& frame = m_current->Frame;
    if (!frame.Keeper) return;
    frame.Keeper.reset();
    std::fill(std::begin(frame.Planes), std::end(frame.Planes), nullptr);
}

bool TVideoFrameMailbox::TakeNewest() {
    std::lock_guard lock(m_mutex);
    if (!m_hasNew) return false;
    std::swap(m_ready, m_current);
    m_hasNew = false;
    return true;
}

} // namespace brisat
