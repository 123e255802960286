#include "framework/graphics/device_context.h"
#include "framework/windowing/window_handle.h"
#include "framework/windowing/window_record.h"

namespace brisat {
namespace {

TRegion ClientRegionInTop(const TWindowRecord& r, const TRegion& clientArea) {
    const TRect w = WindowRectInTop(r);
    TRegion area = clientArea;
    area.Offset(w.Left + r.Client.Left, w.Top + r.Client.Top);
    area.Intersect(OffsetRect(r.Client, w.Left, w.Top));
    area.Intersect(VisibleRectInTop(r));
    return area;
}

void AddDirty(TWindowRecord& r, const TRegion& areaInTop) {
    if (areaInTop.Empty() || r.MessageOnly) return;
    if (TWindowRecord* top = FindWindowRecord(GetTopLevelWindow(r.Handle)))
        top->Dirty.Union(areaInTop);
}

// Whether a window is painted for the screen or printed, which paints it even when hidden.
enum class TPaintPurpose { Screen, Print };

// Paints Hwnd and its children through Dc. Clip is the part of the top-level window to paint,
// in its coordinates; device coordinates are those plus Shift. Hidden windows are skipped, but
// for the one asked for by Print.
void PaintWindow(HWND hwnd, TDeviceContext& dc, const TRegion& clip, TPoint shift,
                 TPaintPurpose purpose = TPaintPurpose::Screen) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r || (!r->Visible() && purpose != TPaintPurpose::Print)) return;
    const TRect w = WindowRectInTop(*r);
    TRegion area = clip;
    area.Intersect(w);
    if (r->Shape) {
        TRegion shape = *r->Shape;
        shape.Offset(w.Left, w.Top);
        area.Intersect(shape);
    }
    if (area.Empty()) return;
    const TRect client = OffsetRect(r->Client, w.Left, w.Top);
    const auto select = [&](TRegion& region, TPoint origin) {
        region.Offset(shift.X, shift.Y);
        dc.SaveDC();
        dc.SetViewportOrg(origin.X + shift.X, origin.Y + shift.Y);
        dc.SelectClipRgn(&region);
        region.Offset(-shift.X, -shift.Y);
    };

    TRegion frame = area;
    frame.Subtract(client);
    if (!frame.Empty()) {
        select(frame, w.TopLeft());
        SendMessage(hwnd, WM_NCPAINT, DCToWParam(&dc), 0);
        dc.RestoreDC();
    }
    TRegion inside = area;
    inside.Intersect(client);
    if (inside.Empty()) return;

    select(inside, client.TopLeft());
    if ((r = FindWindowRecord(hwnd))) {
        r->PaintDC = &dc;
        r->PaintRect = OffsetRect(inside.Bounds(), -client.Left, -client.Top);
        SendMessage(hwnd, WM_ERASEBKGND, DCToWParam(&dc), 0);
        SendMessage(hwnd, WM_PAINT, DCToWParam(&dc), 0);
        if ((r = FindWindowRecord(hwnd))) r->PaintDC = nullptr;
    }
    dc.RestoreDC();
    // By index: a paint handler may add or remove windows.
    for (size_t i = 0; (r = FindWindowRecord(hwnd)) && i < r->Children.size(); ++i)
        PaintWindow(r->Children[i], dc, inside, shift);
}

void InvertRect(TSurface& surface, const TRect& rect) {
    const TRect r = IntersectRect(rect, surface.BoundsRect());
    for (int32_t y = r.Top; y < r.Bottom; ++y) {
        uint32_t* row = surface.Row(y);
        for (int32_t x = r.Left; x < r.Right; ++x)
            row[x] ^= 0x00FFFFFF;
    }
}

} // namespace

bool InvalidateRgn(HWND hwnd, const TRegion& region, bool) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return false;
    AddDirty(*r, ClientRegionInTop(*r, region));
    return true;
}

bool InvalidateRect(HWND hwnd, const TRect* rect, bool erase) {
    const TRect all = GetClientRect(hwnd);
    return InvalidateRgn(hwnd, TRegion(rect ? IntersectRect(*rect, all) : all), erase);
}

bool RedrawWindow(HWND hwnd, const TRect* rect, uint32_t flags) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return false;
    if (flags & RDW_INVALIDATE) {
        if (flags & RDW_FRAME) {
            const TRect w = WindowRectInTop(*r);
            const TRect local = rect ? *rect : TRect{0, 0, w.Width(), w.Height()};
            AddDirty(
                *r, TRegion(IntersectRect(OffsetRect(local, w.Left, w.Top), VisibleRectInTop(*r))));
        } else {
            InvalidateRect(hwnd, rect, flags & RDW_ERASE);
        }
    }
    if (flags & RDW_UPDATENOW) UpdateWindow(hwnd);
    return true;
}

bool HasUpdateRegion(HWND hwnd) {
    const TWindowRecord* top = FindWindowRecord(GetTopLevelWindow(hwnd));
    return top && !top->Dirty.Empty() && top->Visible() && !top->Painting;
}

bool UpdateWindow(HWND hwnd) {
    const HWND topHandle = GetTopLevelWindow(hwnd);
    TWindowRecord* top = FindWindowRecord(topHandle);
    if (!top || top->MessageOnly) return false;
    // A nested loop inside this window's paint pass leaves what it invalidated to the next
    // pass, so the back buffer under the running pass never changes.
    if (!top->Visible() || top->Dirty.Empty() || top->Painting) return true;
    const int32_t width = top->Rect.Width(), height = top->Rect.Height();
    // Painting may invalidate again; that waits for the next pass. A pass that fails (no memory
    // for the back buffer, a paint handler that raises) is not retried by itself.
    TRegion dirty = std::move(top->Dirty);
    top->Dirty = TRegion();
    if (top->BackBuffer.Width() != width || top->BackBuffer.Height() != height) {
        top->BackBuffer = TSurface();
        top->BackBuffer = TSurface(width, height);
        dirty = TRegion(TRect{0, 0, width, height});
    }
    dirty.Intersect(TRect{0, 0, width, height});
    {
        // The pass owns the back buffer while it runs: a handler's nested loop may even destroy
        // the window without pulling the pixels from under the pass.
        struct TPass {
            HWND Top;
            TSurface Buffer;
            ~TPass() {
                if (TWindowRecord* r = FindWindowRecord(Top)) {
                    r->BackBuffer = std::move(Buffer);
                    r->Painting = false;
                }
            }
        } pass{topHandle, std::move(top->BackBuffer)};
        top->Painting = true;
        TDeviceContext dc(&pass.Buffer);
        PaintWindow(topHandle, dc, dirty, {0, 0});
    }
    if (!(top = FindWindowRecord(topHandle)) || !top->Native) return true;
    // The caret is inverted for the present only, so the back buffer keeps the painted pixels.
    TRect caret;
    const bool withCaret = CaretOverlay(topHandle, caret) && !top->BackBuffer.Empty();
    if (withCaret) {
        InvertRect(top->BackBuffer, caret);
        dirty.Union(caret);
    }
    std::vector<TScreenRect> rects;
    rects.reserve(dirty.Rects().size());
    for (const TRect& rc : dirty.Rects())
        rects.push_back({rc.Left, rc.Top, rc.Right, rc.Bottom});
    if (!rects.empty() && !top->BackBuffer.Empty())
        top->Native->Present(top->BackBuffer.Bits(), width, height, width, rects);
    if (withCaret) InvertRect(top->BackBuffer, caret);
    return true;
}

bool PrintWindow(HWND hwnd, TDeviceContext& dc) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r || r->MessageOnly) return false;
    const TRect w = WindowRectInTop(*r);
    PaintWindow(hwnd, dc, TRegion(w), {-w.Left, -w.Top}, TPaintPurpose::Print);
    return true;
}

HDC BeginPaint(HWND hwnd, TPaintStruct& ps) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    ps = {};
    if (!r || !r->PaintDC) return nullptr;
    ps.hdc = r->PaintDC;
    ps.rcPaint = r->PaintRect;
    return ps.hdc;
}

void EndPaint(HWND, const TPaintStruct&) {}

} // namespace brisat
