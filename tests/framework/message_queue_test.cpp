#include "framework/windowing/message_queue.h"
#include "headless_fixture.h"

#include <string>
#include <thread>
#include <vector>

using namespace brisat;

namespace {

// Windows live until the fixture's tear-down, so what their procedures write to is the
// fixture's.
class MessageQueueTest : public HeadlessTest {
protected:
    // A plain top-level window that logs every message by number.
    HWND LoggingWindow() {
        TCreateWindowParams p;
        p.Bounds = Bounds(10, 10, 100, 80);
        p.WndProc = [this](HWND h, UINT msg, WPARAM w, LPARAM l) {
            Log.push_back(msg);
            return DefWindowProc(h, msg, w, l);
        };
        return CreateWindowEx(p);
    }

    std::vector<UINT> Log;
    std::string trace; // written by window procedures
};

// Posted messages in order, then a paint, then due timers; the quit request comes once no
// posted message is left, ahead of paints and timers.
TEST_F(MessageQueueTest, PostedMessagesComeFirstInOrderThenPaintThenTimers) {
    const HWND w = LoggingWindow();
    ShowWindow(w, SW_SHOW);
    SetTimer(w, 7, 10);
    Host->Advance(10);
    PostMessage(w, WM_USER + 1);
    PostMessage(w, WM_USER + 2);

    std::vector<UINT> order;
    TMsg msg;
    while (PeekMessage(msg, 0, 0, 0, PM_REMOVE)) {
        order.push_back(msg.message);
        if (msg.message == WM_TIMER) KillTimer(w, 7);
        DispatchMessage(msg);
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_PAINT, WM_TIMER}));

    InvalidateRect(w, nullptr);
    PostMessage(w, WM_USER + 3);
    PostQuitMessage(3);
    order.clear();
    while (GetMessage(msg))
        order.push_back(msg.message);
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 3}));
    EXPECT_EQ(ExitCode(), 3);
}

TEST_F(MessageQueueTest, PeekFiltersByWindowAndRangeAndCanLeaveTheMessage) {
    const HWND a = LoggingWindow(), b = LoggingWindow();
    PostMessage(a, WM_USER + 1);
    PostMessage(b, WM_USER + 2);
    PostMessage(b, WM_APP + 5);
    TMsg msg;
    ASSERT_TRUE(PeekMessage(msg, b, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER + 2);
    ASSERT_TRUE(PeekMessage(msg, 0, WM_APP, WM_APP + 10, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_APP + 5);
    ASSERT_TRUE(PeekMessage(msg, 0, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, a);
}

TEST_F(MessageQueueTest, MessagesForADestroyedWindowAreDropped) {
    const HWND w = LoggingWindow();
    PostMessage(w, WM_USER);
    DestroyWindow(w);
    TMsg msg;
    EXPECT_FALSE(PeekMessage(msg, 0, 0, 0, PM_REMOVE));
    EXPECT_EQ(SendMessage(w, WM_USER), 0);
}

TEST_F(MessageQueueTest, PostFromAnotherThreadReachesTheLoop) {
    const HWND w = LoggingWindow();
    std::thread([w] {
        for (int i = 0; i < 100; ++i)
            PostMessage(w, WM_APP + UINT(i));
    }).join();
    Pump();
    std::vector<UINT> apps;
    for (UINT m : Log)
        if (m >= WM_APP) apps.push_back(m - WM_APP);
    ASSERT_EQ(apps.size(), 100u);
    for (UINT i = 0; i < 100; ++i)
        EXPECT_EQ(apps[i], i);
}

// The loop sleeps on the event source until the next timer: one wait per tick, the clock moving
// exactly by the interval, never spinning.
TEST_F(MessageQueueTest, TimersFireOnTheClockAndIdleWaitsInsteadOfSpinning) {
    std::vector<uint32_t> ticks;
    const uint32_t start = Host->TickCount();
    const UINT id = SetTimer(0, 0, 250, [&](HWND, UINT) {
        ticks.push_back(Host->TickCount() - start);
        if (ticks.size() == 4) App->Terminate();
    });
    const int waitsBefore = Host->IdleWaits();
    while (!App->Terminated())
        App->HandleMessage();
    KillTimer(0, id);
    EXPECT_EQ(ticks, (std::vector<uint32_t>{250, 500, 750, 1000}));
    EXPECT_EQ(Host->IdleWaits() - waitsBefore, 4);
}

TEST_F(MessageQueueTest, KilledOrDestroyedWindowTimersStop) {
    const HWND w = LoggingWindow();
    SetTimer(w, 1, 100);
    SetTimer(w, 2, 100);
    KillTimer(w, 1);
    Host->Advance(100);
    TMsg msg;
    ASSERT_TRUE(PeekMessage(msg, 0, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 2u);
    DestroyWindow(w);
    Host->Advance(100);
    EXPECT_FALSE(PeekMessage(msg, 0, WM_TIMER, WM_TIMER, PM_REMOVE));
}

// Subclass chains: the procedure installed last sees a message first; removing one from the
// middle, or from inside its own call, closes the chain round it.
TEST_F(MessageQueueTest, SubclassChainsRunLastInstalledFirstAndHealOnRemoval) {
    TCreateWindowParams p;
    p.WndProc = [&](HWND h, UINT m, WPARAM wp, LPARAM lp) {
        if (m < WM_USER) return DefWindowProc(h, m, wp, lp);
        trace += "W";
        return LRESULT(1);
    };
    const HWND w = CreateWindowEx(p);
    const auto hook = [&](char name, bool removeSelf) {
        return [this, name, removeSelf](HWND h, UINT m, WPARAM wp, LPARAM lp, uintptr_t id) {
            trace += name;
            if (removeSelf) RemoveWindowSubclass(h, id);
            return DefSubclassProc(h, m, wp, lp);
        };
    };
    SetWindowSubclass(w, hook('A', false), 1);
    SetWindowSubclass(w, hook('B', false), 2);
    SetWindowSubclass(w, hook('C', false), 3);
    EXPECT_EQ(SendMessage(w, WM_USER), 1);
    EXPECT_EQ(trace, "CBAW");

    trace.clear();
    RemoveWindowSubclass(w, 2);
    SendMessage(w, WM_USER);
    EXPECT_EQ(trace, "CAW");

    trace.clear();
    SetWindowSubclass(w, hook('C', true), 3);
    SendMessage(w, WM_USER);
    SendMessage(w, WM_USER);
    EXPECT_EQ(trace, "CAWAW");
}

TEST_F(MessageQueueTest, ReplacedWindowProceduresChainThroughThePreviousOne) {
    TCreateWindowParams p;
    p.WndProc = [&](HWND h, UINT m, WPARAM wp, LPARAM lp) {
        if (m < WM_USER) return DefWindowProc(h, m, wp, lp);
        trace += "W";
        return LRESULT(0);
    };
    const HWND w = CreateWindowEx(p);
    TWndProc first;
    first = SetWindowProc(w, [&](HWND h, UINT m, WPARAM wp, LPARAM lp) {
        trace += "1";
        return CallWindowProc(first, h, m, wp, lp);
    });
    TWndProc second;
    second = SetWindowProc(w, [&](HWND h, UINT m, WPARAM wp, LPARAM lp) {
        trace += "2";
        return m == WM_USER + 1 ? LRESULT(9) : CallWindowProc(second, h, m, wp, lp);
    });
    SendMessage(w, WM_USER);
    EXPECT_EQ(trace, "21W");
    EXPECT_EQ(SendMessage(w, WM_USER + 1), 9);
    SetWindowProc(w, second); // the hook takes itself out
    trace.clear();
    SendMessage(w, WM_USER);
    EXPECT_EQ(trace, "1W");
    DestroyWindow(w);
}

} // namespace
