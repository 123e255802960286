// TDeviceContext: GDI-like drawing on a TSurface. It owns the drawing state (origin, clip region,
// pen, brush, font, text colour, background mode) with a SaveDC/RestoreDC stack.
//
// Coordinates given to drawing calls are logical: device = logical − window origin + viewport
// origin. Clip regions are in device coordinates, as the platform keeps them. Every drawn pixel is
// clipped to the clip region and the surface. Shapes, lines and text write opaque pixels (alpha
// 255); block and stretch copies move all four bytes unchanged.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "framework/core/colors.h"
#include "framework/graphics/region.h"
#include "framework/graphics/surface.h"
#include "framework/core/types.h"

namespace brisat {

class TFont;

enum class TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psClear };
enum class TBrushStyle : uint8_t { bsSolid, bsClear };
enum class TBkMode : uint8_t { Transparent, Opaque };

struct TPenSpec {
    TColor Color = clBlack;
    TPenStyle Style = TPenStyle::psSolid;
    int32_t Width = 1;
};

struct TBrushSpec {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

struct TTextMetric {
    int32_t Height = 0; // ascent + descent
    int32_t Ascent = 0;
    int32_t Descent = 0;
    int32_t InternalLeading = 0;
    int32_t ExternalLeading = 0;
    int32_t AveCharWidth = 0;
    int32_t MaxCharWidth = 0;
};

// DrawText formats (platform values).
inline constexpr uint32_t DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2,
                          DT_VCENTER = 0x4, DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10,
                          DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40, DT_NOCLIP = 0x100,
                          DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800, DT_END_ELLIPSIS = 0x8000,
                          DT_RTLREADING = 0x20000, DT_HIDEPREFIX = 0x100000,
                          DT_PREFIXONLY = 0x200000;

// DrawEdge edges and flags.
inline constexpr uint32_t BDR_RAISEDOUTER = 0x1, BDR_SUNKENOUTER = 0x2, BDR_RAISEDINNER = 0x4,
                          BDR_SUNKENINNER = 0x8, EDGE_RAISED = 0x5, EDGE_SUNKEN = 0xA,
                          EDGE_ETCHED = 0x6, EDGE_BUMP = 0x9;
inline constexpr uint32_t BF_LEFT = 0x1, BF_TOP = 0x2, BF_RIGHT = 0x4, BF_BOTTOM = 0x8,
                          BF_RECT = 0xF, BF_MIDDLE = 0x800, BF_SOFT = 0x1000, BF_ADJUST = 0x2000,
                          BF_FLAT = 0x4000, BF_MONO = 0x8000;

// DrawFrameControl types and states.
inline constexpr uint32_t DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4;
inline constexpr uint32_t DFCS_CAPTIONCLOSE = 0x0, DFCS_CAPTIONMIN = 0x1, DFCS_CAPTIONMAX = 0x2,
                          DFCS_CAPTIONRESTORE = 0x3, DFCS_CAPTIONHELP = 0x4;
inline constexpr uint32_t DFCS_MENUARROW = 0x0, DFCS_MENUCHECK = 0x1, DFCS_MENUBULLET = 0x2;
inline constexpr uint32_t DFCS_SCROLLUP = 0x0, DFCS_SCROLLDOWN = 0x1, DFCS_SCROLLLEFT = 0x2,
                          DFCS_SCROLLRIGHT = 0x3, DFCS_SCROLLCOMBOBOX = 0x5,
                          DFCS_SCROLLSIZEGRIP = 0x8;
inline constexpr uint32_t DFCS_BUTTONCHECK = 0x0, DFCS_BUTTONRADIO = 0x4, DFCS_BUTTON3STATE = 0x8,
                          DFCS_BUTTONPUSH = 0x10;
inline constexpr uint32_t DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200, DFCS_CHECKED = 0x400,
                          DFCS_HOT = 0x1000, DFCS_FLAT = 0x4000, DFCS_MONO = 0x8000;

class TDeviceContext {
public:
    explicit TDeviceContext(TSurface* surface = nullptr);

    // The surface drawn on (not owned). Selecting another resets the clip region.
    TSurface* Surface() const { return m_surface; }
    void SelectSurface(TSurface* surface);

    // --- State ---------------------------------------------------------------------------------
    // Pushes the whole drawing state; returns the new depth (1 for the first save).
    int SaveDC();
    // Restores the state saved at `level` (negative: that many levels back). False when there is
    // no such level.
    bool RestoreDC(int level = -1);

    TPoint WindowOrg() const { return m_state.windowOrg; }
    void SetWindowOrg(int32_t x, int32_t y) { m_state.windowOrg = {x, y}; }
    TPoint ViewportOrg() const { return m_state.viewportOrg; }
    void SetViewportOrg(int32_t x, int32_t y) { m_state.viewportOrg = {x, y}; }
    void OffsetViewportOrg(int32_t dx, int32_t dy);
    TPoint LogicalToDevice(TPoint p) const;
    TRect LogicalToDevice(const TRect& r) const;

    // Clip region in device coordinates; nullptr removes clipping (the whole surface).
    void SelectClipRgn(const TRegion* region);
    // Rectangles in logical coordinates.
    void IntersectClipRect(const TRect& rect);
    void ExcludeClipRect(const TRect& rect);
    // The visible device area: clip region ∩ surface.
    TRegion VisibleRegion() const;
    // Bounding box of the visible area in logical coordinates.
    TRect ClipBox() const;
    bool PtVisible(int32_t x, int32_t y) const;

    const TPenSpec& Pen() const { return m_state.pen; }
    void SetPen(const TPenSpec& pen) { m_state.pen = pen; }
    const TBrushSpec& Brush() const { return m_state.brush; }
    void SetBrush(const TBrushSpec& brush) { m_state.brush = brush; }
    // The font used by text calls (not owned); nullptr selects the default GUI font.
    const TFont* Font() const { return m_state.font; }
    void SelectFont(const TFont* font) { m_state.font = font; }
    TColor TextColor() const { return m_state.textColor; }
    void SetTextColor(TColor color) { m_state.textColor = color; }
    TColor BkColor() const { return m_state.bkColor; }
    void SetBkColor(TColor color) { m_state.bkColor = color; }
    TBkMode BkMode() const { return m_state.bkMode; }
    void SetBkMode(TBkMode mode) { m_state.bkMode = mode; }

    // --- Pixels and copies ------------------------------------------------------------------
    // 0x00BBGGRR of the pixel, or nullopt outside the visible area.
    std::optional<uint32_t> GetPixel(int32_t x, int32_t y) const;
    void SetPixel(int32_t x, int32_t y, TColor color);
    // Copies a Width × Height block of Source (at its logical SX, SY) to X, Y. Pixels are copied
    // raw; parts outside either surface or this context's clip are left alone. Source and
    // destination may share a surface.
    void BitBlt(int32_t x, int32_t y, int32_t width, int32_t height, const TDeviceContext& source,
                int32_t sx, int32_t sy);
    // Nearest-neighbour stretch copy; negative sizes mirror.
    void StretchBlt(int32_t x, int32_t y, int32_t width, int32_t height,
                    const TDeviceContext& source, int32_t sx, int32_t sy, int32_t sourceWidth,
                    int32_t sourceHeight);

    // --- Areas --------------------------------------------------------------------------------
    void FillRect(const TRect& rect, TColor color);
    void FillRegion(const TRegion& region, TColor color); // region in logical coordinates
    // One-pixel frame inside rect.
    void FrameRect(const TRect& rect, TColor color);

    // --- Lines and shapes (pen outlines, brush fills) -----------------------------------------
    void MoveTo(int32_t x, int32_t y) { m_state.penPos = {x, y}; }
    TPoint PenPos() const { return m_state.penPos; }
    // Line from the pen position to X, Y; the end point is not drawn.
    void LineTo(int32_t x, int32_t y);
    void Polyline(std::span<const TPoint> points);
    void Rectangle(const TRect& rect);
    void Ellipse(const TRect& rect);
    // Corner ellipse of EllipseWidth × EllipseHeight.
    void RoundRect(const TRect& rect, int32_t ellipseWidth, int32_t ellipseHeight);
    // Alternate (even-odd) fill with the brush, outline with the pen.
    void Polygon(std::span<const TPoint> points);
    // Dotted one-pixel frame inverting the pixels it covers (drawn twice it disappears).
    void DrawFocusRect(const TRect& rect);
    // 3-D edges in the system colours; with BF_ADJUST the rectangle shrinks by the edge.
    void DrawEdge(TRect& rect, uint32_t edge, uint32_t flags);
    // Classic frame-control glyphs: caption buttons, push-button face, check and radio boxes,
    // scroll and combo arrows, menu marks.
    void DrawFrameControl(const TRect& rect, uint32_t type, uint32_t state);

    // --- Text (UTF-8) --------------------------------------------------------------------------
    // Draws or (DT_CALCRECT) measures text in Rect; returns the text height, as the platform.
    int32_t DrawText(std::string_view text, TRect& rect, uint32_t format);
    void TextOut(int32_t x, int32_t y, std::string_view text);
    TSize GetTextExtent(std::string_view text) const;
    TTextMetric GetTextMetrics() const;

private:
    struct State {
        TPoint windowOrg;
        TPoint viewportOrg;
        std::optional<TRegion> clip; // device coordinates; none = whole surface
        TPenSpec pen;
        TBrushSpec brush;
        const TFont* font = nullptr;
        TColor textColor = clBlack;
        TColor bkColor = clWhite;
        TBkMode bkMode = TBkMode::Opaque;
        TPoint penPos;
    };

    // Device-space span writers, clipped to the visible area. X1 is exclusive.
    void FillSpan(int32_t y, int32_t x0, int32_t x1, uint32_t pixel);
    // Blends `pixel`'s colour over the span with coverage 0..255 (anti-aliased text).
    void BlendSpan(int32_t y, int32_t x0, int32_t x1, uint32_t pixel, uint8_t coverage);
    void InvertSpan(int32_t y, int32_t x0, int32_t x1);
    void FillDeviceRect(const TRect& deviceRect, uint32_t pixel);
    // Visible device rectangles: the clip region's rectangles cut to the surface.
    void VisibleRects(std::vector<TRect>& out) const;
    // The bounding box of the visible region, in device coordinates; allocates nothing.
    TRect VisibleBounds() const;
    void PlotPen(int32_t deviceX, int32_t deviceY, uint32_t pixel);
    void DrawLineDevice(TPoint from, TPoint to, uint32_t pixel, TPenStyle style);

    TSurface* m_surface = nullptr;
    State m_state;
    std::vector<State> m_saved;
};

} // namespace brisat
