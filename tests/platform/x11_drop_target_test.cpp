// Drops on a window of ours from a drag source of the test's own on Xvfb: a file manager's list
// arrives as one Drop event with its point, and what is no list of URIs (another type, text that
// names nothing, data in the wrong format) is refused without an event; a window that no longer
// takes drops stops announcing it.
// GoogleTest before Xlib, whose macros (None, Bool) would break its templates.
#include <gtest/gtest.h>

#include "platform/x11_drop_target.h"
#include "xdnd_source.h"
#include "xvfb_display.h"

#include <X11/Xlib.h>
#include <mutex>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr uint32_t WindowId = 7;
constexpr int Left = 100, Top = 80;

class DropTargetTest : public testing::Test {
protected:
    void SetUp() override {
        if (const std::string failure = EnsureTestDisplay(); !failure.empty()) GTEST_SKIP() << failure;
        m_display = XOpenDisplay(nullptr);
        ASSERT_NE(m_display, nullptr);
        m_window = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), Left, Top, 200, 150,
                                       0, 0, 0);
        XMapWindow(m_display, m_window);
        XSync(m_display, False);
        Target = std::make_unique<TX11DropTarget>([this](const TPlatformEvent& event) {
            std::lock_guard lock(m_mutex);
            m_events.push_back(event);
        });
        Target->Accept(WindowId, m_window, true);
        Target->Flush();
    }
    void TearDown() override {
        Target.reset();
        if (m_display) XCloseDisplay(m_display);
    }
    std::vector<TPlatformEvent> Events() {
        Target->Flush();
        std::lock_guard lock(m_mutex);
        return std::exchange(m_events, {});
    }

    std::unique_ptr<TX11DropTarget> Target;
    Display* m_display = nullptr;
    unsigned long m_window = 0;

private:
    std::mutex m_mutex;
    std::vector<TPlatformEvent> m_events;
};

TEST_F(DropTargetTest, AFileManagersListArrivesWithItsPoint) {
    const TDragResult result =
        DragAndDrop(Left + 30, Top + 40,
                    {.Types = {"text/plain", "text/uri-list"},
                     .Data = "# two files\r\nfile:///films/a%20b.avi\r\nhttp://example.org/c.avi\r\n"});
    ASSERT_EQ(result.Failure, "");
    EXPECT_TRUE(result.Accepted);
    EXPECT_TRUE(result.FinishedOk);
    const std::vector<TPlatformEvent> events = Events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].Kind, TPlatformEventKind::Drop);
    EXPECT_EQ(events[0].Window, WindowId);
    EXPECT_EQ(events[0].Files, (std::vector<std::string>{"/films/a b.avi", "http://example.org/c.avi"}));
    EXPECT_EQ(events[0].ScreenX, Left + 30);
    EXPECT_EQ(events[0].ScreenY, Top + 40);
    EXPECT_EQ(events[0].X, 30);
    EXPECT_EQ(events[0].Y, 40);
}

TEST_F(DropTargetTest, ManyTypesAreReadFromTheSourcesTypeList) {
    const TDragResult result = DragAndDrop(
        Left + 5, Top + 5,
        {.Types = {"text/plain", "UTF8_STRING", "x-special/gnome-icon-list", "text/uri-list"},
         .Data = "file:///films/d.avi"});
    ASSERT_EQ(result.Failure, "");
    EXPECT_TRUE(result.FinishedOk);
    ASSERT_EQ(Events().size(), 1u);
}

TEST_F(DropTargetTest, WhatIsNoListOfUrisIsRefusedWithoutAnEvent) {
    struct TCase {
        const char* Title;
        TDragOffer Offer;
        bool Accepted; // by the status, before the data is seen
    };
    const TCase cases[] = {
        {"plain text only", {.Types = {"text/plain"}, .Data = "file:///films/e.avi"}, false},
        {"text naming nothing", {.Data = "hello\r\n/films/no-scheme.avi\r\n"}, true},
        {"an empty list", {.Data = ""}, true},
        {"32-bit data", {.Data = "file:///films/f.avi.", .Format = 32}, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Title);
        const TDragResult result = DragAndDrop(Left + 10, Top + 10, c.Offer);
        ASSERT_EQ(result.Failure, "");
        EXPECT_EQ(result.Accepted, c.Accepted);
        EXPECT_TRUE(result.Finished);
        EXPECT_FALSE(result.FinishedOk);
        EXPECT_TRUE(Events().empty());
    }
}

TEST_F(DropTargetTest, AWindowThatNoLongerTakesDropsStopsAnnouncingIt) {
    EXPECT_EQ(XdndAwareWindowAt(Left + 10, Top + 10), m_window);
    Target->Accept(WindowId, m_window, false);
    Target->Flush();
    EXPECT_EQ(XdndAwareWindowAt(Left + 10, Top + 10), 0u);
    EXPECT_NE(DragAndDrop(Left + 10, Top + 10, {.Data = "file:///films/g.avi"}).Failure, "");
    EXPECT_TRUE(Events().empty());
}

} // namespace
