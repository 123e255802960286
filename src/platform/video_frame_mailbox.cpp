#include "platform/video_frame_mailbox.h"

#include "platform/video_stats.h"

#include <cstring>
#include <utility>

namespace brisat {

const uint8_t* TStagedFrame::Plane(int plane) const {
    size_t offset = 0;
    for (int i = 0; i < plane; ++i)
        offset += size_t(Pitch(i)) * size_t(PlaneRows(Format, Height, i));
    return Bytes.data() + offset;
}

namespace {

void CopyFrame(const TVideoFrame& frame, TStagedFrame& slot) {
    slot.Format = frame.Format;
    slot.Width = frame.Width;
    slot.Height = frame.Height;
    slot.Bytes.resize(PackedFrameBytes(frame.Format, frame.Width, frame.Height));
    uint8_t* out = slot.Bytes.data();
    for (int plane = 0; plane < PlaneCount(frame.Format); ++plane) {
        const size_t rowBytes = size_t(PlaneRowBytes(frame.Format, frame.Width, plane));
        const uint8_t* in = frame.Planes[plane];
        for (int32_t row = PlaneRows(frame.Format, frame.Height, plane); row > 0; --row) {
            std::memcpy(out, in, rowBytes);
            out += rowBytes;
            in += frame.Strides[plane];
        }
    }
}

} // namespace

bool TVideoFrameMailbox::Submit(const TVideoFrame& frame) {
    if (!IsValidFrame(frame)) return false;
    std::lock_guard submitting(m_submitMutex);
    CopyFrame(frame, *m_spare);
    std::lock_guard lock(m_mutex);
    std::swap(m_spare, m_ready);
    if (m_hasNew) NoteFrameReplaced();
    m_hasNew = true;
    return true;
}

void TVideoFrameMailbox::DropPending() {
    std::lock_guard lock(m_mutex);
    m_hasNew = false;
}

bool TVideoFrameMailbox::TakeNewest() {
    std::lock_guard lock(m_mutex);
    if (!m_hasNew) return false;
    std::swap(m_ready, m_current);
    m_hasNew = false;
    return true;
}

} // namespace brisat
