#include "skin_controls/ks_control_buffer.h"

namespace brisat {

TKsControlBuffer::TKsControlBuffer() {
    m_buffer.SetSize(10, 10);
    m_canvas.SetHandle(&m_buffer.DC());
}

namespace {

int32_t RoundUp(int32_t extent, int32_t grain) {
    return (extent / grain + 1) * grain;
}

} // namespace

bool TKsControlBuffer::Fit(int32_t width, int32_t height, bool blend, bool designing) {
    if (width < 0 || height < 0) return false;
    bool changed = false;
    const int32_t bw = m_buffer.Width(), bh = m_buffer.Height();
    const bool tooSmall = bw < width || bh < height;
    const bool tooLarge = width < bw - Grain || height < bh - Grain;
    if (designing || tooSmall || tooLarge) {
        Reallocate(RoundUp(width, Grain), RoundUp(height, Grain));
        changed = true;
    }
    if (blend && FitBlend()) changed = true;
    return changed;
}

bool TKsControlBuffer::FitBlend() {
    if (m_blend.Width() == m_buffer.Width() && m_blend.Height() == m_buffer.Height()) return false;
    m_blend.SetSize(m_buffer.Width(), m_buffer.Height());
    return true;
}

void TKsControlBuffer::Reallocate(int32_t width, int32_t height) {
    m_canvas.SetHandle(nullptr);
    if (width != m_buffer.Width() || height != m_buffer.Height()) ++m_reallocations;
    m_buffer.SetSize(width, height);
    m_canvas.SetHandle(&m_buffer.DC());
}

void TKsControlBuffer::BlendOverBackground(uint8_t opacity) {
    m_buffer.SetAlpha(opacity);
    m_buffer.MergeUnder(m_blend, 0, 0, m_buffer.BoundsRect());
}

} // namespace brisat
