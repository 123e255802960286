#include "skin_windows/ks_system_glyphs.h"

#include "framework/graphics/graphics.h"
#include "framework/graphics/image_list.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/pixel.h"

#include <algorithm>
#include <array>

namespace brisat {

namespace {

// Painted where no mark is, then made transparent.
constexpr TColor Ground = clFuchsia;
constexpr TColor Ink = clBlack;
constexpr int32_t Cell = SystemGlyphSize;

// Marks are drawn in a cell whose top-left corner is at X0 (the strip holds the cells side by
// side); every mark keeps clear of the cell's outer two pixels.
struct TPen {
    TDeviceContext& Dc;
    int32_t X0;
    void Fill(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
        Dc.FillRect({X0 + left, top, X0 + right, bottom}, Ink);
    }
    void Clear(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
        Dc.FillRect({X0 + left, top, X0 + right, bottom}, Ground);
    }
    // A window outline with a two-pixel caption bar.
    void Window(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
        Clear(left, top, right, bottom);
        Fill(left, top, right, top + 2);
        Fill(left, top, left + 1, bottom);
        Fill(right - 1, top, right, bottom);
        Fill(left, bottom - 1, right, bottom);
    }
    // A solid triangle Rows high, pointing up (apex at Top) or down (apex at Top + Rows - 1),
    // centred on the column CX.
    void Triangle(int32_t cx, int32_t top, int32_t rows, bool up) const {
        for (int32_t r = 0; r < rows; ++r) {
            const int32_t half = up ? r : rows - 1 - r;
            Fill(cx - half, top + r, cx + half + 1, top + r + 1);
        }
    }
};

// Two strokes, two pixels thick, corner to corner.
void DrawClose(const TPen& pen) {
    for (int32_t i = 0; i < 7; ++i) {
        pen.Fill(4 + i, 5 + i, 6 + i, 6 + i);
        pen.Fill(10 - i, 5 + i, 12 - i, 6 + i);
    }
}

void DrawMinimize(const TPen& pen) {
    pen.Fill(4, 10, 12, 12);
}

void DrawMaximize(const TPen& pen) {
    pen.Window(3, 3, 13, 13);
}

// A window in front of another one behind it, up and to the right.
void DrawRestore(const TPen& pen) {
    pen.Window(6, 2, 14, 9);
    pen.Window(2, 6, 10, 13);
}

// The caption's band with a triangle pointing up below it: the window shrinks to its caption.
void DrawRollup(const TPen& pen) {
    pen.Fill(3, 3, 13, 5);
    pen.Triangle(8, 7, 5, true);
}

// A triangle pointing down onto the task bar, into the tray at its right end.
void DrawTray(const TPen& pen) {
    pen.Triangle(6, 2, 5, false);
    pen.Fill(5, 7, 8, 8);
    pen.Fill(2, 11, 14, 13);
    pen.Fill(9, 9, 14, 11);
}

// In the order of TKsSystemGlyph.
constexpr std::array<void (*)(const TPen&), 6> Marks{DrawClose,  DrawMinimize, DrawMaximize,
                                                      DrawRestore, DrawRollup,  DrawTray};

void FillList(TImageList& list) {
    list.SetSize(Cell, Cell);
    TBitmap strip;
    strip.SetSize(Cell * int32_t(Marks.size()), Cell);
    TDeviceContext& dc = strip.DC();
    dc.FillRect({0, 0, strip.Width(), Cell}, Ground);
    for (size_t i = 0; i < Marks.size(); ++i)
        Marks[i](TPen{dc, int32_t(i) * Cell});
    list.AddMasked(strip, Ground);
}

} // namespace

TImageList& SystemGlyphs() {
    static TImageList list(nullptr);
    static const bool filled = (FillList(list), true);
    (void)filled;
    return list;
}

void DrawSystemGlyph(TKsBitmap& bitmap, int index, const TRect& box, TColor ink) {
    static TBitmap image;
    if (!SystemGlyphs().GetBitmap(index, image)) return;
    const TKsPixel pixel = ColorToPixel(ink, 255);
    const int32_t left = box.Left + (box.Width() - image.Width()) / 2;
    const int32_t top = box.Top + (box.Height() - image.Height()) / 2;
    for (int32_t y = std::max(0, -top); y < image.Height() && top + y < bitmap.Height(); ++y) {
        const uint32_t* row = image.Surface().Row(y);
        for (int32_t x = std::max(0, -left); x < image.Width() && left + x < bitmap.Width(); ++x)
            if (row[x] >> 24) bitmap.SetPixels(left + x, top + y, pixel);
    }
}

} // namespace brisat
