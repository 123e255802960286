#include "framework/graphics/device_context.h"
#include "pixel_picture.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::pictures;

namespace {

const TLegend kLegend = {{0, '.'}, {Opaque(clRed), 'R'}, {Opaque(clBlue), 'B'}};

// Every pixel different: alpha 0x80 so raw copies are told from opaque fills.
void Number(TSurface& s) {
    for (int32_t y = 0; y < s.Height(); ++y)
        for (int32_t x = 0; x < s.Width(); ++x)
            s.Row(y)[x] = 0x80000000u | uint32_t(y * 256 + x);
}

} // namespace

TEST(DeviceContext, RestoreDCBringsBackOriginAndClip) {
    TSurface s(6, 4);
    TDeviceContext dc(&s);
    dc.SetViewportOrg(1, 1);
    EXPECT_EQ(dc.SaveDC(), 1);
    dc.SetViewportOrg(3, 0);
    dc.IntersectClipRect(Rect(0, 0, 2, 2)); // device (3, 0)-(5, 2)
    EXPECT_EQ(dc.SaveDC(), 2);
    dc.ExcludeClipRect(Rect(0, 0, 1, 2));
    EXPECT_FALSE(dc.PtVisible(0, 0));
    EXPECT_EQ(dc.ClipBox(), Rect(1, 0, 2, 2));

    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_TRUE(dc.PtVisible(0, 0));
    EXPECT_EQ(dc.ClipBox(), Rect(0, 0, 2, 2));
    EXPECT_TRUE(dc.RestoreDC(1));
    EXPECT_EQ(dc.ViewportOrg(), (TPoint{1, 1}));
    EXPECT_EQ(dc.ClipBox(), Rect(-1, -1, 5, 3));
    EXPECT_FALSE(dc.RestoreDC(1));
    EXPECT_FALSE(dc.RestoreDC(0));

    // Two levels back at once drops both.
    dc.SaveDC();
    dc.SetViewportOrg(7, 7);
    dc.SaveDC();
    EXPECT_TRUE(dc.RestoreDC(-2));
    EXPECT_EQ(dc.ViewportOrg(), (TPoint{1, 1}));
    EXPECT_FALSE(dc.RestoreDC(-1));
}

TEST(DeviceContext, ClipRectanglesAreLogicalAndFillsStayInside) {
    TSurface s(6, 4);
    TDeviceContext dc(&s);
    dc.SetWindowOrg(1, 0);                  // logical x 1 is device x 0
    dc.IntersectClipRect(Rect(2, 0, 7, 3)); // device (1, 0)-(6, 3)
    dc.ExcludeClipRect(Rect(3, 1, 5, 2));   // device (2, 1)-(4, 2)
    dc.FillRect(Rect(-100, -100, 100, 100), clRed);
    EXPECT_EQ(Picture(s, kLegend), Rows({".RRRRR", //
                                         ".R..RR", //
                                         ".RRRRR", //
                                         "......"}));
    EXPECT_EQ(dc.GetPixel(4, 1), std::nullopt);
    EXPECT_EQ(dc.GetPixel(2, 1), ColorToRGB(clRed));
    EXPECT_EQ(dc.GetPixel(1, 0), std::nullopt);
}

TEST(DeviceContext, FillRectAndFrameRectFollowTheOrigin) {
    TSurface s(7, 5);
    TDeviceContext dc(&s);
    dc.SetViewportOrg(2, 1);
    dc.SetWindowOrg(1, 0); // logical (0, 0) is device (1, 1)
    dc.FrameRect(Rect(0, 0, 5, 4), clBlue);
    dc.FillRect(Rect(2, 1, 4, 3), clRed);
    dc.FrameRect(Rect(5, -1, 7, -1), clRed);        // empty: nothing
    dc.FrameRect(Rect(-1, -1, 6, 0), clRed);        // one row high: just that row
    EXPECT_EQ(Picture(s, kLegend), Rows({"RRRRRRR", //
                                         ".BBBBB.", //
                                         ".B.RRB.", //
                                         ".B.RRB.", //
                                         ".BBBBB."}));
}

TEST(DeviceContext, BitBltCopiesRawPixelsCutToBothSurfaces) {
    TSurface from(4, 4), to(5, 4);
    Number(from);
    TDeviceContext src(&from), dst(&to);
    src.SetWindowOrg(1, 0); // logical source x −1 .. 2 is device −2 .. 1
    dst.IntersectClipRect(Rect(0, 0, 5, 2));
    dst.BitBlt(2, -1, 4, 4, src, -1, 0); // destination device x = source device x + 4, y − 1
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 5; ++x) {
            int32_t sx = x - 4, sy = y + 1; // the source block is device x −2 .. 1
            bool copied = sx >= 0 && sx < 2 && sy < 4 && y < 2;
            EXPECT_EQ(to.Row(y)[x], copied ? from.Row(sy)[sx] : 0u) << x << "," << y;
        }
}

TEST(DeviceContext, BitBltOnOneSurfaceHandlesOverlapInEveryDirection) {
    struct Clip {
        const char* name;
        std::vector<TRect> rects; // device coordinates; none = no clip
    };
    const Clip clips[] = {
        {"none", {}},
        {"two bands", {Rect(0, 0, 8, 4), Rect(0, 4, 8, 8)}},
        {"two columns", {Rect(0, 0, 4, 8), Rect(4, 0, 8, 8)}},
        {"bands reversed", {Rect(0, 4, 8, 8), Rect(0, 0, 8, 4)}},
    };
    const TPoint shifts[] = {{1, 1}, {-1, -1}, {2, 0}, {-2, 0}, {0, 3}, {0, -3}, {1, -2}};
    for (const Clip& clip : clips)
        for (TPoint shift : shifts) {
            TSurface s(8, 8);
            Number(s);
            TSurface before(8, 8);
            Number(before);
            TDeviceContext dc(&s);
            if (!clip.rects.empty()) {
                TRegion region = TRegion::FromDisjointRects(clip.rects);
                dc.SelectClipRgn(&region);
            }
            dc.BitBlt(1 + shift.X, 1 + shift.Y, 6, 6, dc, 1, 1);
            for (int32_t y = 0; y < 8; ++y)
                for (int32_t x = 0; x < 8; ++x) {
                    int32_t sx = x - shift.X, sy = y - shift.Y;
                    bool moved = sx >= 1 && sx < 7 && sy >= 1 && sy < 7;
                    uint32_t expected = moved ? before.Row(sy)[sx] : before.Row(y)[x];
                    ASSERT_EQ(s.Row(y)[x], expected) << clip.name << " shift " << shift.X << ","
                                                     << shift.Y << " at " << x << "," << y;
                }
        }
}

TEST(DeviceContext, StretchBltScalesAndMirrorsByNearestCentre) {
    const uint32_t a = 0xFF000001, b = 0xFF000002, c = 0xFF000003, d = 0xFF000004;
    const TLegend legend = {{0, '.'}, {a, 'A'}, {b, 'B'}, {c, 'C'}, {d, 'D'}};
    TSurface small(2, 2);
    small.Row(0)[0] = a, small.Row(0)[1] = b, small.Row(1)[0] = c, small.Row(1)[1] = d;
    TDeviceContext smallDC(&small);

    TSurface up(4, 4);
    TDeviceContext(&up).StretchBlt(0, 0, 4, 4, smallDC, 0, 0, 2, 2);
    EXPECT_EQ(Picture(up, legend), Rows({"AABB", "AABB", "CCDD", "CCDD"}));

    // Halving takes the pixel under each destination centre: odd columns and rows.
    TSurface down(2, 2);
    TDeviceContext(&down).StretchBlt(0, 0, 2, 2, TDeviceContext(&up), 0, 0, 4, 4);
    EXPECT_EQ(Picture(down, legend), Rows({"AB", "CD"}));

    struct Case {
        int32_t x, y, w, h, sx, sy, sw, sh;
        const char* picture;
    } cases[] = {
        {2, 0, -2, 2, 0, 0, 2, 2, "BA.\nDC.\n...\n"},  // negative width: x − 2 .. x − 1
        {0, 0, 2, 2, 0, 2, 2, -2, "CD.\nAB.\n...\n"},  // negative source height
        {3, 3, -2, -2, 0, 0, 2, 2, "...\n.DC\n.BA\n"}, // both axes
        {0, 0, 3, 1, 0, 0, 2, 1, "ABB\n...\n...\n"},   // 2 → 3
    };
    for (const Case& k : cases) {
        TSurface out(3, 3);
        TDeviceContext(&out).StretchBlt(k.x, k.y, k.w, k.h, smallDC, k.sx, k.sy, k.sw, k.sh);
        EXPECT_EQ(Picture(out, legend), k.picture) << k.x << "," << k.w << "," << k.sh;
    }
}

// Coordinates from damaged files can sit at the ends of the 32-bit range; nothing may overflow
// (the sanitizer build traps on it) and nothing may be drawn outside what overlaps the surface.
TEST(DeviceContext, ExtremeCoordinatesNeitherOverflowNorStray) {
    TSurface source(2, 2);
    Number(source);
    TDeviceContext sourceDC(&source);
    constexpr int32_t kMax = INT32_MAX, kMin = INT32_MIN;
    struct Case {
        int32_t originX, x, w, sx, sw;
    } cases[] = {
        {kMax, kMax, kMax, 0, 2},  {kMin, kMin, kMax, kMin, kMax}, {0, kMax - 1, kMax, 0, 2},
        {0, kMin, -2, kMax, kMin}, {kMax, 0, 2, kMax, -kMax},      {0, -1, kMax, 0, 1},
    };
    for (const Case& k : cases) {
        TSurface out(3, 3);
        TDeviceContext dc(&out);
        dc.SetViewportOrg(k.originX, 0);
        dc.BitBlt(k.x, 0, k.w, 3, sourceDC, k.sx, 0);
        dc.StretchBlt(k.x, 0, k.w, 3, sourceDC, k.sx, 0, k.sw, 2);
        dc.FillRect({k.x, 0, kMax, 1}, clRed);
        EXPECT_FALSE(dc.PtVisible(kMax, kMax));
        (void)dc.ClipBox();
    }
    // A huge stretch whose visible part starts deep inside still samples the right source pixel:
    // destination column i of a 2-pixel source stretched over 2^31 − 1 columns maps to i ≥ 2^30.
    TSurface out(2, 1);
    TDeviceContext dc(&out);
    dc.StretchBlt(-(kMax / 2) - 1, 0, kMax, 1, sourceDC, 0, 0, 2, 1);
    EXPECT_EQ(out.Row(0)[0], source.Row(0)[1]);
}
