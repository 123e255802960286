#include "framework/windowing/window_dc.h"

#include "framework/windowing/window_record.h"
#include "platform/platform.h"

namespace brisat {

TWindowDC::TWindowDC(HWND hwnd) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r || r->MessageOnly || !IsWindowVisible(hwnd)) return;
    m_top = GetTopLevelWindow(hwnd);
    TWindowRecord* top = FindWindowRecord(m_top);
    if (!top || top->Painting || top->BackBuffer.Empty()) return;
    const TRect w = WindowRectInTop(*r);
    const TRect client = OffsetRect(r->Client, w.Left, w.Top);
    m_area = IntersectRect(IntersectRect(client, VisibleRectInTop(*r)),
                           TRect{0, 0, top->BackBuffer.Width(), top->BackBuffer.Height()});
    if (IsRectEmpty(m_area)) return;
    m_dc.emplace(&top->BackBuffer);
    m_dc->SetViewportOrg(client.Left, client.Top);
    const TRegion clip(m_area);
    m_dc->SelectClipRgn(&clip);
}

TWindowDC::~TWindowDC() {
    if (!m_dc) return;
    m_dc.reset();
    TWindowRecord* top = FindWindowRecord(m_top);
    if (!top || !top->Native || top->Painting || top->BackBuffer.Empty()) return;
    const TSurface& buffer = top->BackBuffer;
    top->Native->Present(buffer.Bits(), buffer.Width(), buffer.Height(), buffer.Width(),
                         {{m_area.Left, m_area.Top, m_area.Right, m_area.Bottom}});
}

} // namespace brisat
