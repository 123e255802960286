#include "framework/graphics/device_context.h"
#include "pixel_picture.h"

#include <gtest/gtest.h>
#include <set>
#include <utility>

using namespace brisat;
using namespace brisat::pictures;

namespace {

// The classic colours: highlight (also the window colour), light (also the face), shadow, dark
// shadow, and the black window frame and text.
const TLegend kLegend = {{0, '.'},
                         {Opaque(clBtnHighlight), 'H'},
                         {Opaque(clBtnFace), 'L'},
                         {Opaque(clBtnShadow), 'S'},
                         {Opaque(cl3DDkShadow), 'D'},
                         {Opaque(clBlack), 'K'}};

using TPixels = std::set<std::pair<int32_t, int32_t>>;

// The pixels of Surface with exactly Pixel inside Area.
TPixels PixelsOf(const TSurface& surface, uint32_t pixel, const TRect& area) {
    TPixels found;
    for (int32_t y = area.Top; y < area.Bottom; ++y)
        for (int32_t x = area.Left; x < area.Right; ++x)
            if (surface.Row(y)[x] == pixel) found.insert({x, y});
    return found;
}

TPixels Shifted(const TPixels& pixels, int32_t dx, int32_t dy) {
    TPixels moved;
    for (auto [x, y] : pixels)
        moved.insert({x + dx, y + dy});
    return moved;
}

} // namespace

TEST(Edges, ClassicColoursRingByRing) {
    struct Case {
        const char* name;
        uint32_t edge, flags;
        std::string picture;
        TRect adjusted;
    } cases[] = {
        {"raised", EDGE_RAISED, BF_RECT | BF_MIDDLE,
         Rows({"LLLLD", "LHHSD", "LHLSD", "LSSSD", "DDDDD"}), Rect(0, 0, 5, 5)},
        {"sunken", EDGE_SUNKEN, BF_RECT, Rows({"SSSSH", "SDDLH", "SD.LH", "SLLLH", "HHHHH"}),
         Rect(0, 0, 5, 5)},
        {"etched", EDGE_ETCHED, BF_RECT, Rows({"SSSSH", "SHHSH", "SH.SH", "SSSSH", "HHHHH"}),
         Rect(0, 0, 5, 5)},
        {"bump", EDGE_BUMP, BF_RECT, Rows({"LLLLD", "LDDLD", "LD.LD", "LLLLD", "DDDDD"}),
         Rect(0, 0, 5, 5)},
        {"soft", EDGE_RAISED, BF_RECT | BF_SOFT,
         Rows({"HHHHD", "HLLSD", "HL.SD", "HSSSD", "DDDDD"}), Rect(0, 0, 5, 5)},
        {"flat", BDR_SUNKENOUTER, BF_RECT | BF_FLAT | BF_MIDDLE | BF_ADJUST,
         Rows({"SSSSS", "SLLLS", "SLLLS", "SLLLS", "SSSSS"}), Rect(1, 1, 4, 4)},
        {"mono", EDGE_SUNKEN, BF_RECT | BF_MONO | BF_MIDDLE,
         Rows({"KKKKK", "KHHHK", "KHHHK", "KHHHK", "KKKKK"}), Rect(0, 0, 5, 5)},
        {"top left", EDGE_RAISED, BF_LEFT | BF_TOP | BF_ADJUST,
         Rows({"LLLLL", "LHHHH", "LH...", "LH...", "LH..."}), Rect(2, 2, 5, 5)},
        {"bottom right", EDGE_RAISED, BF_RIGHT | BF_BOTTOM | BF_ADJUST,
         Rows({"...SD", "...SD", "...SD", "SSSSD", "DDDDD"}), Rect(0, 0, 3, 3)},
    };
    for (const Case& c : cases) {
        TSurface s(5, 5);
        TDeviceContext dc(&s);
        TRect rect = Rect(0, 0, 5, 5);
        dc.DrawEdge(rect, c.edge, c.flags);
        EXPECT_EQ(Picture(s, kLegend), c.picture) << c.name;
        EXPECT_EQ(rect, c.adjusted) << c.name;
    }
}

TEST(FrameControls, MarksMoveWhenPushedAndEmbossWhenInactive) {
    struct Case {
        const char* name;
        uint32_t type, part;
        bool face; // drawn on a raised face (menu marks are not, and do not move)
    } cases[] = {
        {"close", DFC_CAPTION, DFCS_CAPTIONCLOSE, true},
        {"minimize", DFC_CAPTION, DFCS_CAPTIONMIN, true},
        {"maximize", DFC_CAPTION, DFCS_CAPTIONMAX, true},
        {"restore", DFC_CAPTION, DFCS_CAPTIONRESTORE, true},
        {"help", DFC_CAPTION, DFCS_CAPTIONHELP, true},
        {"up", DFC_SCROLL, DFCS_SCROLLUP, true},
        {"down", DFC_SCROLL, DFCS_SCROLLDOWN, true},
        {"left", DFC_SCROLL, DFCS_SCROLLLEFT, true},
        {"right", DFC_SCROLL, DFCS_SCROLLRIGHT, true},
        {"combo", DFC_SCROLL, DFCS_SCROLLCOMBOBOX, true},
        {"menu arrow", DFC_MENU, DFCS_MENUARROW, false},
        {"menu check", DFC_MENU, DFCS_MENUCHECK, false},
        {"menu bullet", DFC_MENU, DFCS_MENUBULLET, false},
    };
    const TSize sizes[] = {{16, 14}, {17, 17}, {31, 28}};
    for (const Case& c : cases)
        for (TSize size : sizes) {
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(size.cx));
            const TRect rect = Rect(0, 0, size.cx, size.cy);
            const TRect face = InflateRect(rect, -2, -2);
            auto draw = [&](uint32_t state, TSurface& s) {
                TDeviceContext(&s).DrawFrameControl(rect, c.type, c.part | state);
            };
            TSurface normal(size.cx, size.cy), pushed(size.cx, size.cy), inactive(size.cx, size.cy);
            draw(0, normal);
            draw(DFCS_PUSHED, pushed);
            draw(DFCS_INACTIVE, inactive);
            const TPixels ink = PixelsOf(normal, Opaque(clBlack), rect);
            ASSERT_FALSE(ink.empty());
            // The mark grows with the button and stays off its edges.
            EXPECT_EQ(ink, PixelsOf(normal, Opaque(clBlack), face));
            EXPECT_GE(int32_t(ink.size()), std::min(size.cx, size.cy) / 2);
            EXPECT_EQ(PixelsOf(pushed, Opaque(clBlack), rect), c.face ? Shifted(ink, 1, 1) : ink);
            // Greyed: the mark in shadow, and in highlight one pixel down-right where uncovered.
            EXPECT_TRUE(PixelsOf(inactive, Opaque(clBlack), rect).empty());
            EXPECT_EQ(PixelsOf(inactive, Opaque(clBtnShadow), face), ink);
            TPixels emboss = Shifted(ink, 1, 1);
            for (const auto& p : ink)
                emboss.erase(p);
            EXPECT_EQ(PixelsOf(inactive, Opaque(clBtnHighlight), face), emboss);
        }
}

TEST(FrameControls, SymmetricMarksStaySymmetricAtEverySize) {
    for (int32_t size = 8; size <= 40; ++size)
        for (uint32_t part : {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMAX}) {
            TSurface s(size, size);
            TDeviceContext(&s).DrawFrameControl(Rect(0, 0, size, size), DFC_CAPTION, part);
            const TPixels ink = PixelsOf(s, Opaque(clBlack), Rect(0, 0, size, size));
            ASSERT_FALSE(ink.empty()) << size;
            int32_t left = size, right = 0;
            for (auto [x, y] : ink)
                left = std::min(left, x), right = std::max(right, x);
            TPixels mirrored;
            for (auto [x, y] : ink)
                mirrored.insert({left + right - x, y});
            EXPECT_EQ(mirrored, ink) << size << " part " << part;
            EXPECT_LE(std::abs(left - (size - 1 - right)), 1) << size << " part " << part;
        }
}

TEST(FrameControls, CheckBoxAndRadioButton) {
    TSurface s(13, 13);
    TDeviceContext dc(&s);
    dc.DrawFrameControl(Rect(0, 0, 13, 13), DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    EXPECT_EQ(Picture(s, kLegend), Rows({"SSSSSSSSSSSSH", //
                                         "SDDDDDDDDDDLH", //
                                         "SDHHHHHHHHHLH", //
                                         "SDHHHHHHHKHLH", //
                                         "SDHHHHHHKKHLH", //
                                         "SDHKHHHKKKHLH", //
                                         "SDHKKHKKKHHLH", //
                                         "SDHKKKKKHHHLH", //
                                         "SDHHKKKHHHHLH", //
                                         "SDHHHKHHHHHLH", //
                                         "SDHHHHHHHHHLH", //
                                         "SLLLLLLLLLLLH", //
                                         "HHHHHHHHHHHHH"}));
    // Unchecked: an empty white well; greyed: a face-coloured well and a shadow mark.
    struct Case {
        uint32_t state;
        size_t ink, grey;
        uint32_t well;
    } cases[] = {
        {DFCS_BUTTONCHECK, 0, 0, Opaque(clWindow)},
        {DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, 0, 21, Opaque(clBtnFace)},
        {DFCS_BUTTON3STATE | DFCS_CHECKED, 0, 21, Opaque(clWindow)},
        {DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_PUSHED, 21, 0, Opaque(clBtnFace)},
    };
    const TRect well = Rect(2, 2, 11, 11);
    for (const Case& c : cases) {
        TSurface box(13, 13);
        TDeviceContext(&box).DrawFrameControl(Rect(0, 0, 13, 13), DFC_BUTTON, c.state);
        EXPECT_EQ(PixelsOf(box, Opaque(clBlack), well).size(), c.ink) << c.state;
        EXPECT_EQ(PixelsOf(box, Opaque(clBtnShadow), well).size(), c.grey) << c.state;
        EXPECT_EQ(box.Row(2)[2], c.well) << c.state;
    }

    // A radio button: lit from the top left, a dot in the middle when checked.
    TSurface radio(12, 12);
    TDeviceContext(&radio).DrawFrameControl(Rect(0, 0, 12, 12), DFC_BUTTON,
                                            DFCS_BUTTONRADIO | DFCS_CHECKED);
    EXPECT_EQ(radio.Row(0)[5], Opaque(clBtnShadow));
    EXPECT_EQ(radio.Row(5)[0], Opaque(clBtnShadow));
    EXPECT_EQ(radio.Row(11)[5], Opaque(clBtnHighlight));
    EXPECT_EQ(radio.Row(5)[11], Opaque(clBtnHighlight));
    EXPECT_EQ(radio.Row(0)[0], 0u); // outside the circle
    EXPECT_EQ(PixelsOf(radio, Opaque(clBlack), Rect(0, 0, 12, 12)), (TPixels{{5, 4},
                                                                             {6, 4},
                                                                             {4, 5},
                                                                             {5, 5},
                                                                             {6, 5},
                                                                             {7, 5},
                                                                             {4, 6},
                                                                             {5, 6},
                                                                             {6, 6},
                                                                             {7, 6},
                                                                             {5, 7},
                                                                             {6, 7}}));
}

TEST(FrameControls, WildRectanglesStayCheap) {
    TSurface s(8, 8);
    TDeviceContext dc(&s);
    const TRect wild = Rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    TRect edge = wild;
    dc.DrawEdge(edge, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    EXPECT_EQ(edge, InflateRect(wild, -2, -2));
    EXPECT_EQ(s.Row(4)[4], Opaque(clBtnFace));
    const std::pair<uint32_t, uint32_t> controls[] = {{DFC_CAPTION, DFCS_CAPTIONRESTORE},
                                                      {DFC_CAPTION, DFCS_CAPTIONHELP},
                                                      {DFC_SCROLL, DFCS_SCROLLSIZEGRIP},
                                                      {DFC_SCROLL, DFCS_SCROLLUP},
                                                      {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED},
                                                      {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED},
                                                      {DFC_MENU, DFCS_MENUBULLET}};
    for (auto [type, state] : controls)
        dc.DrawFrameControl(wild, type, state);
}
