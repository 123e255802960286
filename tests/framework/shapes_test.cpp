#include "framework/graphics/device_context.h"
#include "pixel_picture.h"

#include <climits>
#include <functional>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::pictures;

namespace {

// Pen black '#', brush red 'R' on a transparent black '.' background.
const TLegend kLegend = {{0, '.'}, {Opaque(clBlack), '#'}, {Opaque(clRed), 'R'}};

struct Canvas {
    TSurface surface;
    TDeviceContext dc;
    Canvas(int32_t w, int32_t h) : surface(w, h), dc(&surface) {
        dc.SetPen({clBlack, TPenStyle::psSolid, 1});
        dc.SetBrush({clRed, TBrushStyle::bsSolid});
    }
    std::string Picture() const { return pictures::Picture(surface, kLegend); }
};

// The picture mirrored left-right (or top-bottom).
std::string Mirrored(const std::string& picture, bool horizontal) {
    std::vector<std::string> rows;
    for (size_t start = 0, end; (end = picture.find('\n', start)) != std::string::npos;
         start = end + 1)
        rows.push_back(picture.substr(start, end - start));
    if (horizontal)
        for (std::string& row : rows)
            std::reverse(row.begin(), row.end());
    else
        std::reverse(rows.begin(), rows.end());
    std::string out;
    for (const std::string& row : rows)
        out += row + '\n';
    return out;
}

} // namespace

TEST(Lines, BresenhamWithoutTheEndPoint) {
    struct Case {
        TPoint from, to;
        std::string picture;
    } cases[] = {
        {{0, 0}, {5, 0}, Rows({"#####.", "......", "......", "......"})},
        {{0, 3}, {0, 0}, Rows({"......", "#.....", "#.....", "#....."})},
        {{0, 0}, {3, 3}, Rows({"#.....", ".#....", "..#...", "......"})},
        {{0, 0}, {5, 2}, Rows({"##....", "..##..", "....#.", "......"})},
        {{5, 3}, {0, 0}, Rows({"......", ".##...", "...##.", ".....#"})},
        {{2, 1}, {2, 1}, Rows({"......", "......", "......", "......"})},
    };
    for (const Case& c : cases) {
        Canvas canvas(6, 4);
        canvas.dc.MoveTo(c.from.X, c.from.Y);
        canvas.dc.LineTo(c.to.X, c.to.Y);
        EXPECT_EQ(canvas.Picture(), c.picture)
            << c.from.X << "," << c.from.Y << " to " << c.to.X << "," << c.to.Y;
        EXPECT_EQ(canvas.dc.PenPos(), c.to);
    }
}

TEST(Lines, PolylineJoinsPointsAndLeavesThePenPosition) {
    Canvas canvas(5, 4);
    canvas.dc.SetViewportOrg(1, 0);
    const TPoint points[] = {{0, 0}, {3, 0}, {3, 3}, {-1, 3}};
    canvas.dc.MoveTo(9, 9);
    canvas.dc.Polyline(points);
    EXPECT_EQ(canvas.Picture(), Rows({".####", "....#", "....#", ".####"}));
    EXPECT_EQ(canvas.dc.PenPos(), (TPoint{9, 9}));
}

TEST(Lines, PenStylesRepeatAlongTheLine) {
    struct Case {
        TPenStyle style;
        const char* row; // 30 pixels of a line from x 0 to x 30
    } cases[] = {
        {TPenStyle::psSolid, "##############################"},
        {TPenStyle::psDot, "#.#.#.#.#.#.#.#.#.#.#.#.#.#.#."},
        {TPenStyle::psDash, "##################......######"},
        {TPenStyle::psDashDot, "#########......###......######"},
        {TPenStyle::psClear, ".............................."},
    };
    for (const Case& c : cases) {
        Canvas canvas(30, 1);
        canvas.dc.SetPen({clBlack, c.style, 1});
        canvas.dc.MoveTo(0, 0);
        canvas.dc.LineTo(30, 0);
        EXPECT_EQ(canvas.Picture(), std::string(c.row) + "\n") << int(c.style);
    }
    // A dotted vertical line going up counts from its start.
    Canvas canvas(1, 5);
    canvas.dc.SetPen({clBlack, TPenStyle::psDot, 1});
    canvas.dc.MoveTo(0, 4);
    canvas.dc.LineTo(0, -1);
    EXPECT_EQ(canvas.Picture(), Rows({"#", ".", "#", ".", "#"}));
}

TEST(Lines, WidePensDrawARoundBrushAlongTheLine) {
    struct Case {
        int32_t width;
        std::string picture; // one step from (2, 2): a single brush print
    } cases[] = {
        {2, Rows({"......", ".##...", ".##...", "......", "......"})},
        {3, Rows({"......", ".###..", ".###..", ".###..", "......"})},
        {4, Rows({".##...", "####..", "####..", ".##...", "......"})},
        {5, Rows({".###..", "#####.", "#####.", "#####.", ".###.."})},
    };
    for (const Case& c : cases) {
        Canvas canvas(6, 5);
        canvas.dc.SetPen({clBlack, TPenStyle::psDot, c.width}); // wide pens ignore the style
        canvas.dc.MoveTo(2, 2);
        canvas.dc.LineTo(3, 2);
        EXPECT_EQ(canvas.Picture(), c.picture) << c.width;
    }
    Canvas canvas(7, 5);
    canvas.dc.SetPen({clBlack, TPenStyle::psSolid, 3});
    canvas.dc.MoveTo(1, 2);
    canvas.dc.LineTo(5, 2);
    EXPECT_EQ(canvas.Picture(), Rows({".......", "######.", "######.", "######.", "......."}));
}

TEST(Shapes, RectangleOutlinesInThePenAndFillsWithTheBrush) {
    struct Case {
        TRect rect;
        TPenStyle pen;
        TBrushStyle brush;
        std::string picture;
    } cases[] = {
        {Rect(1, 1, 5, 4), TPenStyle::psSolid, TBrushStyle::bsSolid,
         Rows({"......", ".####.", ".#RR#.", ".####."})},
        {Rect(5, 4, 1, 1), TPenStyle::psSolid, TBrushStyle::bsClear,
         Rows({"......", ".####.", ".#..#.", ".####."})},
        {Rect(1, 1, 5, 4), TPenStyle::psClear, TBrushStyle::bsSolid,
         Rows({"......", ".RRRR.", ".RRRR.", ".RRRR."})},
        {Rect(2, 0, 3, 4), TPenStyle::psSolid, TBrushStyle::bsSolid,
         Rows({"..#...", "..#...", "..#...", "..#..."})},
        {Rect(0, 0, 6, 4), TPenStyle::psDot, TBrushStyle::bsClear, // each side restarts
         Rows({"#.#.##", "#.....", ".....#", "##.#.#"})},
        {Rect(3, 1, 3, 4), TPenStyle::psSolid, TBrushStyle::bsSolid,
         Rows({"......", "......", "......", "......"})},
    };
    for (const Case& c : cases) {
        Canvas canvas(6, 4);
        canvas.dc.SetPen({clBlack, c.pen, 1});
        canvas.dc.SetBrush({clRed, c.brush});
        canvas.dc.Rectangle(c.rect);
        EXPECT_EQ(canvas.Picture(), c.picture) << c.rect.Left << "," << c.rect.Top;
    }
}

TEST(Shapes, SmallEllipsesAreRound) {
    struct Case {
        TRect rect;
        std::string picture;
    } cases[] = {
        {Rect(0, 0, 4, 4), Rows({".##.", "#RR#", "#RR#", ".##."})},
        {Rect(0, 0, 3, 3), Rows({".#.", "#R#", ".#."})},
        {Rect(0, 0, 2, 2), Rows({"##", "##"})},
        {Rect(0, 0, 6, 6), Rows({"..##..", ".#RR#.", "#RRRR#", "#RRRR#", ".#RR#.", "..##.."})},
        {Rect(0, 0, 7, 5), Rows({"..###..", "##RRR##", "#RRRRR#", "##RRR##", "..###.."})},
        {Rect(0, 0, 12, 3), Rows({"..########..", "##RRRRRRRR##", "..########.."})},
    };
    for (const Case& c : cases) {
        Canvas canvas(c.rect.Right, c.rect.Bottom);
        canvas.dc.Ellipse(c.rect);
        EXPECT_EQ(canvas.Picture(), c.picture) << c.rect.Right << "x" << c.rect.Bottom;
    }
}

TEST(Shapes, EllipsesFillTheirBoxSymmetricallyWithAThinOutline) {
    for (int32_t w = 1; w <= 24; ++w)
        for (int32_t h = 1; h <= 24; h += (h < 6 ? 1 : 5)) {
            Canvas canvas(w + 2, h + 2);
            canvas.dc.Ellipse(Rect(1, 1, w + 1, h + 1));
            const std::string picture = canvas.Picture();
            SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + "\n" + picture);
            EXPECT_EQ(picture, Mirrored(picture, true));
            EXPECT_EQ(picture, Mirrored(picture, false));
            // Never outside the box; its middle row and column reach all four sides.
            auto at = [&](int32_t x, int32_t y) { return canvas.surface.Row(y)[x]; };
            for (int32_t i = 0; i < w + 2; ++i)
                EXPECT_EQ(at(i, 0) | at(i, h + 1), 0u);
            for (int32_t i = 0; i < h + 2; ++i)
                EXPECT_EQ(at(0, i) | at(w + 1, i), 0u);
            EXPECT_NE(at(1, (h + 1) / 2), 0u);
            EXPECT_NE(at((w + 1) / 2, 1), 0u);
            // Brush pixels only where all four neighbours are inside the shape.
            for (int32_t y = 1; y <= h; ++y)
                for (int32_t x = 1; x <= w; ++x) {
                    if (at(x, y) != Opaque(clRed)) continue;
                    EXPECT_TRUE(at(x - 1, y) && at(x + 1, y) && at(x, y - 1) && at(x, y + 1))
                        << x << "," << y;
                }
        }
}

TEST(Shapes, RoundRectCornersFollowTheCornerEllipse) {
    Canvas canvas(8, 6);
    canvas.dc.RoundRect(Rect(0, 0, 8, 6), 6, 6);
    EXPECT_EQ(canvas.Picture(), Rows({"..####..", //
                                      ".#RRRR#.", //
                                      "#RRRRRR#", //
                                      "#RRRRRR#", //
                                      ".#RRRR#.", //
                                      "..####.."}));
    // A corner ellipse as large as the box is the ellipse; one of a pixel or less is square.
    struct Case {
        int32_t ew, eh;
        std::function<void(TDeviceContext&)> same;
    } cases[] = {
        {8, 6, [](TDeviceContext& dc) { dc.Ellipse(Rect(0, 0, 8, 6)); }},
        {100, -100, [](TDeviceContext& dc) { dc.Ellipse(Rect(0, 0, 8, 6)); }},
        {1, 6, [](TDeviceContext& dc) { dc.Rectangle(Rect(0, 0, 8, 6)); }},
        {0, 0, [](TDeviceContext& dc) { dc.Rectangle(Rect(0, 0, 8, 6)); }},
    };
    for (const Case& c : cases) {
        Canvas round(8, 6), expected(8, 6);
        round.dc.RoundRect(Rect(0, 0, 8, 6), c.ew, c.eh);
        c.same(expected.dc);
        EXPECT_EQ(round.Picture(), expected.Picture()) << c.ew << "x" << c.eh;
    }
}

TEST(Shapes, StyledAndWideOutlinesOfCurves) {
    // A dotted ellipse draws every other pixel of the solid outline, walking around it.
    Canvas solid(12, 10), dotted(12, 10);
    solid.dc.SetBrush({clRed, TBrushStyle::bsClear});
    dotted.dc.SetBrush({clRed, TBrushStyle::bsClear});
    dotted.dc.SetPen({clBlack, TPenStyle::psDot, 1});
    solid.dc.Ellipse(Rect(0, 0, 12, 10));
    dotted.dc.Ellipse(Rect(0, 0, 12, 10));
    int outline = 0, dots = 0;
    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = 0; x < 12; ++x) {
            const uint32_t s = solid.surface.Row(y)[x], d = dotted.surface.Row(y)[x];
            outline += s != 0;
            dots += d != 0;
            EXPECT_TRUE(d == 0 || d == s) << x << "," << y;
            // Two dots are never 4-neighbours along the walk.
            if (d && x + 1 < 12) {
                EXPECT_FALSE(dotted.surface.Row(y)[x + 1]) << x << "," << y;
            }
        }
    EXPECT_EQ(dots, outline / 2);

    // A wide pen straddles the outline; the brush stays inside.
    Canvas wide(10, 10);
    wide.dc.SetPen({clBlack, TPenStyle::psSolid, 3});
    wide.dc.Ellipse(Rect(1, 1, 9, 9));
    EXPECT_EQ(wide.Picture(), Rows({"..######..", //
                                    ".########.", //
                                    "##########", //
                                    "####RR####", //
                                    "###RRRR###", //
                                    "###RRRR###", //
                                    "####RR####", //
                                    "##########", //
                                    ".########.", //
                                    "..######.."}));
}

TEST(Shapes, PolygonFillsByAlternateRuleAndOutlinesClosed) {
    // A pentagram: its inner pentagon is crossed twice, so it stays empty.
    Canvas star(21, 21);
    star.dc.SetPen({clBlack, TPenStyle::psClear, 1});
    const TPoint pentagram[] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
    star.dc.Polygon(pentagram);
    auto red = [&](int32_t x, int32_t y) { return star.surface.Row(y)[x] == Opaque(clRed); };
    EXPECT_FALSE(red(10, 11)); // centre
    EXPECT_FALSE(red(8, 10));
    EXPECT_TRUE(red(10, 3));   // top point
    EXPECT_TRUE(red(2, 7));    // left point
    EXPECT_TRUE(red(15, 18));  // lower right point
    EXPECT_FALSE(red(10, 19)); // between the lower points

    // A square polygon: fill on pixel centres, outline through the corner pixels.
    Canvas square(6, 6);
    const TPoint corners[] = {{1, 1}, {4, 1}, {4, 4}, {1, 4}};
    square.dc.Polygon(corners);
    EXPECT_EQ(square.Picture(), Rows({"......", //
                                      ".####.", //
                                      ".#RR#.", //
                                      ".#RR#.", //
                                      ".####.", //
                                      "......"}));
    Canvas filled(6, 6);
    filled.dc.SetPen({clBlack, TPenStyle::psClear, 1});
    filled.dc.Polygon(corners);
    EXPECT_EQ(filled.Picture(), Rows({"......", //
                                      ".RRR..", //
                                      ".RRR..", //
                                      ".RRR..", //
                                      "......", //
                                      "......"}));
}

TEST(Shapes, FocusRectInvertsEveryOtherFramePixelAndUndoesItself) {
    Canvas canvas(6, 5);
    Fill(canvas.surface, 0xFF102030);
    canvas.dc.SetViewportOrg(1, 0); // the dots sit on device positions whatever the origin
    canvas.dc.DrawFocusRect(Rect(-1, 0, 5, 5));
    const TLegend legend = {{0xFF102030, '.'}, {0xFFEFDFCF, 'x'}};
    EXPECT_EQ(Picture(canvas.surface, legend), Rows({"x.x.x.", //
                                                     ".....x", //
                                                     "x.....", //
                                                     ".....x", //
                                                     "x.x.x."}));
    canvas.dc.DrawFocusRect(Rect(-1, 0, 5, 5));
    EXPECT_EQ(Picture(canvas.surface, legend),
              Rows({"......", "......", "......", "......", "......"}));
    // One row high: each pixel once.
    canvas.dc.DrawFocusRect(Rect(-1, 2, 5, 3));
    EXPECT_EQ(Picture(canvas.surface, legend),
              Rows({"......", "......", "x.x.x.", "......", "......"}));
}

TEST(Shapes, ClipAndOriginHoldForEveryShape) {
    using Draw = std::function<void(TDeviceContext&)>;
    const TPoint triangle[] = {{0, 0}, {15, 3}, {4, 14}};
    struct Case {
        const char* name;
        Draw draw;
    } cases[] = {
        {"line", [](TDeviceContext& dc) { dc.MoveTo(-3, 1), dc.LineTo(17, 12); }},
        {"wide line",
         [](TDeviceContext& dc) {
             dc.SetPen({clBlack, TPenStyle::psSolid, 4});
             dc.MoveTo(2, 14), dc.LineTo(14, 0);
         }},
        {"rectangle", [](TDeviceContext& dc) { dc.Rectangle(Rect(1, 1, 14, 12)); }},
        {"ellipse", [](TDeviceContext& dc) { dc.Ellipse(Rect(-2, 0, 15, 13)); }},
        {"round rect", [](TDeviceContext& dc) { dc.RoundRect(Rect(0, 1, 16, 14), 7, 5); }},
        {"polygon", [&](TDeviceContext& dc) { dc.Polygon(triangle); }},
        {"focus", [](TDeviceContext& dc) { dc.DrawFocusRect(Rect(1, 2, 13, 12)); }},
    };
    const TRect clipRects[] = {Rect(3, 2, 9, 7), Rect(10, 8, 16, 16)}; // device coordinates
    for (const Case& c : cases) {
        // Reference: no clip, no origin, on a surface big enough for the whole shape.
        Canvas reference(16, 16), clipped(16, 16);
        c.draw(reference.dc);
        TRegion region = TRegion::FromDisjointRects({clipRects[0], clipRects[1]});
        clipped.dc.SelectClipRgn(&region);
        // Logical (0, 0) is device (2, −2): an even shift, so the focus rectangle's dots, which
        // sit on device positions, line up with the reference too.
        clipped.dc.SetWindowOrg(-2, 2);
        c.draw(clipped.dc);
        for (int32_t y = 0; y < 16; ++y)
            for (int32_t x = 0; x < 16; ++x) {
                const int32_t rx = x - 2, ry = y + 2;
                const bool inside = region.Contains(x, y) && rx >= 0 && ry < 16;
                const uint32_t expected = inside ? reference.surface.Row(ry)[rx] : 0;
                ASSERT_EQ(clipped.surface.Row(y)[x], expected) << c.name << " " << x << "," << y;
            }
    }
}

TEST(Shapes, WildCoordinatesStayCheapAndSafe) {
    Canvas canvas(8, 8);
    const TPoint far[] = {{INT32_MIN, INT32_MIN}, {INT32_MAX, 0}, {0, INT32_MAX}};
    canvas.dc.Polygon(far);
    canvas.dc.Ellipse(Rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
    canvas.dc.RoundRect(Rect(INT32_MIN, 0, INT32_MAX, 8), INT32_MIN, INT32_MAX);
    canvas.dc.SetPen({clBlack, TPenStyle::psDash, INT32_MAX});
    canvas.dc.MoveTo(INT32_MIN, INT32_MIN);
    canvas.dc.LineTo(INT32_MAX, INT32_MAX);
    canvas.dc.SetPen({clBlack, TPenStyle::psDot, 1});
    canvas.dc.Ellipse(Rect(-1000000000, -1000000000, 1000000000, 1000000000));
    canvas.dc.DrawFocusRect(Rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
    canvas.dc.Rectangle(Rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
    // The huge ellipse's interior covers the surface.
    EXPECT_EQ(canvas.surface.Row(4)[4], Opaque(clRed));
}
