// Drops from other programs: the window under the point that takes drops, or its nearest parent
// that does, receives WM_DROPFILES with the files and the point in its own client coordinates;
// a drop nobody takes is ignored; the native window takes drops while any of its windows does;
// drops never let go do not pile up.
#include "framework/windowing/drop_files.h"
#include "framework/windowing/message_queue.h"
#include "headless_fixture.h"

namespace brisat {
namespace {

struct TReceived {
    HWND Window = 0;
    HDROP Drop = 0;
    std::vector<std::string> Files;
    TPoint Point;
};

class DropFilesTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        Top = Create(0, {100, 50, 500, 350});
        Child = Create(Top, {20, 30, 220, 180});
        ShowWindow(Top, SW_SHOW);
    }
    HWND Create(HWND parent, TRect bounds) {
        TCreateWindowParams params;
        params.Parent = parent;
        params.Bounds = bounds;
        params.Style = parent ? WS_CHILD | WS_VISIBLE : WS_POPUP;
        params.WndProc = [this](HWND hwnd, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
            if (msg != WM_DROPFILES) return DefWindowProc(hwnd, msg, w, l);
            TReceived r{hwnd, w, DragQueryFiles(w), {}};
            DragQueryPoint(w, r.Point);
            if (FinishDrops) DragFinish(w);
            Received.push_back(r);
            return 0;
        };
        return CreateWindowEx(params);
    }
    void Drop(int32_t screenX, int32_t screenY, std::vector<std::string> files = {"/films/a.avi"}) {
        TPlatformEvent e;
        e.Kind = TPlatformEventKind::Drop;
        e.Window = uint32_t(Top);
        e.ScreenX = screenX;
        e.ScreenY = screenY;
        e.Files = std::move(files);
        Host->Inject(e);
        Pump();
    }

    HWND Top = 0;
    HWND Child = 0;
    bool FinishDrops = true;
    std::vector<TReceived> Received;
};

TEST_F(DropFilesTest, TheWindowThatTakesDropsReceivesThemInItsOwnCoordinates) {
    EXPECT_FALSE(Native(Top).AcceptsDrops());
    Drop(150, 120); // nobody takes drops yet
    EXPECT_TRUE(Received.empty());

    DragAcceptFiles(Top, true);
    EXPECT_TRUE(Native(Top).AcceptsDrops());
    Drop(150, 120, {"/films/a.avi", "http://example.org/b.avi"}); // on the child
    ASSERT_EQ(Received.size(), 1u);
    EXPECT_EQ(Received[0].Window, Top);
    EXPECT_EQ(Received[0].Files, (std::vector<std::string>{"/films/a.avi", "http://example.org/b.avi"}));
    EXPECT_EQ(Received[0].Point, (TPoint{50, 70}));

    DragAcceptFiles(Child, true);
    DragAcceptFiles(Top, false); // the child still takes drops: so does the native window
    EXPECT_TRUE(Native(Top).AcceptsDrops());
    Drop(150, 120);
    Drop(400, 300); // beside the child: the top-level window no longer takes it
    ASSERT_EQ(Received.size(), 2u);
    EXPECT_EQ(Received[1].Window, Child);
    EXPECT_EQ(Received[1].Point, (TPoint{30, 40}));

    DragAcceptFiles(Child, false);
    EXPECT_FALSE(Native(Top).AcceptsDrops());
    Drop(150, 120, {}); // an empty drop never arrives
    EXPECT_EQ(Received.size(), 2u);
}

TEST_F(DropFilesTest, ALetGoDropReadsEmptyAndUnfinishedDropsDoNotPileUp) {
    DragAcceptFiles(Top, true);
    FinishDrops = false;
    for (int i = 0; i < 20; ++i) Drop(400, 300, {"/films/" + std::to_string(i) + ".avi"});
    ASSERT_EQ(Received.size(), 20u);
    // The handles of the oldest unfinished drops were let go; the newest still read.
    EXPECT_TRUE(DragQueryFiles(Received[0].Drop).empty());
    TPoint point;
    EXPECT_FALSE(DragQueryPoint(Received[3].Drop, point));
    EXPECT_EQ(DragQueryFiles(Received[4].Drop), std::vector<std::string>{"/films/4.avi"});
    const HDROP last = Received[19].Drop;
    EXPECT_EQ(DragQueryFiles(last), std::vector<std::string>{"/films/19.avi"});
    DragFinish(last);
    EXPECT_TRUE(DragQueryFiles(last).empty());
}

} // namespace
} // namespace brisat
