// TCanvas: a drawing surface over a device context with its own font, brush and pen, which it
// selects into the context for each call. Controls hand one to their Paint; the device context
// (Handle) belongs to whoever paints.
#pragma once

#include "framework/graphics/device_context.h"
#include "framework/core/font.h"
#include "framework/graphics/graphics.h"

#include <string_view>

namespace brisat {

class TCanvas {
public:
    TDeviceContext* Handle() const { return m_dc; }
    void SetHandle(TDeviceContext* dc) { m_dc = dc; }
    bool HandleAllocated() const { return m_dc != nullptr; }

    TFont& Font() { return m_font; }
    TBrushSpec& Brush() { return m_brush; }
    TPenSpec& Pen() { return m_pen; }

    // The visible part, in the context's logical coordinates; empty without a context.
    TRect ClipRect() const;
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void Rectangle(const TRect& rect);
    void Ellipse(const TRect& rect);
    void MoveTo(int32_t x, int32_t y);
    void LineTo(int32_t x, int32_t y);
    void DrawFocusRect(const TRect& rect);
    void TextOut(int32_t x, int32_t y, std::string_view text);
    // Text clipped to Rect, starting at X, Y.
    void TextRect(const TRect& rect, int32_t x, int32_t y, std::string_view text);
    int32_t DrawText(std::string_view text, TRect& rect, uint32_t format);
    TSize TextExtent(std::string_view text);
    int32_t TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int32_t TextHeight(std::string_view text) { return TextExtent(text).cy; }
    void Draw(int32_t x, int32_t y, const TGraphic& graphic);
    void StretchDraw(const TRect& rect, const TGraphic& graphic);

private:
    // The context with this canvas's objects selected, or nullptr.
    TDeviceContext* Select();

    TDeviceContext* m_dc = nullptr;
    TFont m_font;
    TBrushSpec m_brush;
    TPenSpec m_pen;
};

// Attaches a canvas to a device context for one paint: the canvas draws with the control's font
// and colour and lets go of the context however the paint ends.
class TCanvasBinding {
public:
    TCanvasBinding(TCanvas& canvas, TDeviceContext& dc, const TFont& font, TColor color)
        : m_canvas(canvas) {
        canvas.SetHandle(&dc);
        canvas.Font().Assign(font);
        canvas.Brush() = {color, TBrushStyle::bsSolid};
    }
    ~TCanvasBinding() { m_canvas.SetHandle(nullptr); }
    TCanvasBinding(const TCanvasBinding&) = delete;
    TCanvasBinding& operator=(const TCanvasBinding&) = delete;

private:
    TCanvas& m_canvas;
};

} // namespace brisat
