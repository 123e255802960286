#include "skin_windows/ks_custom_form.h"

#include "skin_window_fixture.h"

namespace brisat::test {
namespace {

using FormDragTest = KsFormTest;

TEST_F(FormDragTest, CaptionDragSnapsWithinTheMagneticDistanceOnly) {
    struct Case {
        TRect Start;
        TPoint Move;
        TRect Expected;
    };
    const Case cases[] = {
        // 19 from the left edge snaps onto it; 20 stays.
        {{100, 100, 500, 400}, {-81, 0}, {0, 100, 400, 400}},
        {{100, 100, 500, 400}, {-80, 0}, {20, 100, 420, 400}},
        // The right and bottom edges of the work area (not of the screen).
        {{100, 100, 500, 400}, {770, 0}, {880, 100, 1280, 400}},
        {{100, 100, 500, 400}, {0, 585}, {100, 700, 500, 1000}},
        // Near both sides the left edge wins.
        {{5, 100, 1275, 400}, {1, 0}, {0, 100, 1270, 400}},
    };
    for (const Case& c : cases) {
        Form->SetBoundsRect(c.Start);
        Pump();
        Drag({200, 10}, c.Move.X, c.Move.Y);
        EXPECT_EQ(Bounds(), c.Expected) << c.Move.X << ", " << c.Move.Y;
    }
    Ks->SetMagnetic(false);
    Form->SetBounds(100, 100, 400, 300);
    Drag({200, 10}, -81, 0);
    EXPECT_EQ(Bounds(), (TRect{19, 100, 419, 400}));
}

TEST_F(FormDragTest, EdgesAndCornersSizeWithinTheTrackingSizes) {
    struct Case {
        TPoint From;
        TPoint Move;
        TRect Expected;
    };
    const Case cases[] = {
        {{398, 150}, {50, 0}, {100, 100, 550, 400}},
        {{200, 298}, {0, -30}, {100, 100, 500, 370}},
        {{2, 150}, {-40, 0}, {60, 100, 500, 400}},
        {{200, 2}, {0, 20}, {100, 120, 500, 400}},
        {{2, 2}, {10, 10}, {110, 110, 500, 400}},
        {{398, 298}, {-20, 30}, {100, 100, 480, 430}},
        // The left edge stops at the minimum width (150).
        {{2, 150}, {300, 0}, {350, 100, 500, 400}},
        {{398, 150}, {-390, 0}, {100, 100, 250, 400}},
    };
    for (const Case& c : cases) {
        Form->SetBounds(100, 100, 400, 300);
        Pump();
        Drag(c.From, c.Move.X, c.Move.Y);
        EXPECT_EQ(Bounds(), c.Expected) << c.From.X << ", " << c.From.Y;
    }
}

TEST_F(FormDragTest, NeitherMovesNorSizesWhenForbidden) {
    Ks->SetCanMove(false);
    Ks->SetCanResize(false);
    Drag({200, 10}, 50, 50);
    Drag({398, 150}, 50, 0);
    EXPECT_EQ(Bounds(), (TRect{100, 100, 500, 400}));
    Ks->SetCanMove(true);
    Ks->Maximize();
    const TRect maximized = Bounds();
    Drag({200, 10}, 50, 50);
    EXPECT_EQ(Bounds(), maximized);
}

TEST_F(FormDragTest, SimpleDragShowsAnOutlineAndMovesOnRelease) {
    Ks->SetSimpleDrag(true);
    Host->MouseDown(Window(), 200, 10);
    Pump();
    Host->MouseMove(Window(), 260, 50);
    Pump();
    EXPECT_EQ(Bounds(), (TRect{100, 100, 500, 400}));
    EXPECT_FALSE(Ks->PaintingEnabled());
    // The outline is a window of its own at the new place.
    HWND outline = WindowFromPoint({161, 141});
    EXPECT_NE(outline, 0u);
    EXPECT_NE(outline, Window());
    Host->MouseUp(Window(), 260, 50);
    Pump();
    EXPECT_EQ(Bounds(), (TRect{160, 140, 560, 440}));
    EXPECT_TRUE(Ks->PaintingEnabled());
    EXPECT_FALSE(IsWindowVisible(outline));
}

} // namespace
} // namespace brisat::test
