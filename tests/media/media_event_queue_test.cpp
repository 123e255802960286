#include "media/platform/event_codes.h"
#include "media/platform/media_event_queue.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace brisat;

TEST(MediaEventQueue, DeliversInOrderAndNotifiesPerEvent) {
    TMediaEventQueue queue;
    int notified = 0;
    queue.SetNotifyCallback([&] { ++notified; });
    queue.Post({EC_CLOCK_CHANGED, 0, 0, ""});
    queue.Post({EC_ERRORABORT, E_FAIL, 7, "broken"});
    queue.Post({EC_COMPLETE, S_OK, 0, ""});
    EXPECT_EQ(notified, 3);
    long code = 0;
    std::intptr_t p1 = 0, p2 = 0;
    ASSERT_EQ(queue.GetEvent(code, p1, p2, 0), S_OK);
    EXPECT_EQ(code, EC_CLOCK_CHANGED);
    TMediaEvent event;
    ASSERT_EQ(queue.GetEvent(event), S_OK);
    EXPECT_EQ(event.Code, EC_ERRORABORT);
    EXPECT_EQ(event.Param1, E_FAIL);
    EXPECT_EQ(event.Param2, 7);
    EXPECT_EQ(event.Detail, "broken");
    ASSERT_EQ(queue.GetEvent(code, p1, p2, 0), S_OK);
    EXPECT_EQ(code, EC_COMPLETE);
    EXPECT_EQ(queue.GetEvent(code, p1, p2, 0), E_ABORT);
}

TEST(MediaEventQueue, NoNotifyDiscardsQueuedAndNewEvents) {
    TMediaEventQueue queue;
    queue.Post({EC_COMPLETE, 0, 0, ""});
    EXPECT_EQ(queue.SetNotifyFlags(AM_MEDIAEVENT_NONOTIFY), S_OK);
    queue.Post({EC_COMPLETE, 0, 0, ""});
    TMediaEvent event;
    EXPECT_EQ(queue.GetEvent(event), E_ABORT);
    EXPECT_EQ(queue.SetNotifyFlags(5), E_INVALIDARG);
    EXPECT_EQ(queue.SetNotifyFlags(0), S_OK);
    queue.Post({EC_COMPLETE, 0, 0, ""});
    EXPECT_EQ(queue.GetEvent(event), S_OK);
}

TEST(MediaEventQueue, CoalescesWaitingEventsAndStaysBounded) {
    TMediaEventQueue queue;
    queue.Post({EC_QUALITY_CHANGE, 0, 0, ""}, TEventPosting::Coalesce);
    queue.Post({EC_QUALITY_CHANGE, 0, 0, ""}, TEventPosting::Coalesce);
    TMediaEvent event;
    EXPECT_EQ(queue.GetEvent(event), S_OK);
    EXPECT_EQ(queue.GetEvent(event), E_ABORT);

    for (std::size_t i = 0; i < TMediaEventQueue::kCapacity + 10; ++i)
        queue.Post({EC_ERROR_STILLPLAYING, 0, 0, ""});
    EXPECT_EQ(queue.Dropped(), 10u);
}

TEST(MediaEventQueue, ManyThreadsPostWhileTheGuiThreadDrains) {
    TMediaEventQueue queue;
    std::vector<std::thread> posters;
    for (int t = 0; t < 4; ++t)
        posters.emplace_back([&queue, t] {
            for (int i = 0; i < 200; ++i)
                queue.Post({EC_STEP_COMPLETE, t, i, ""});
        });
    int received = 0;
    std::intptr_t last[4] = {-1, -1, -1, -1};
    auto drain = [&] {
        TMediaEvent event;
        while (queue.GetEvent(event) == S_OK) {
            EXPECT_GT(event.Param2, last[event.Param1]); // each thread's events stay in order
            last[event.Param1] = event.Param2;
            ++received;
        }
    };
    while (received < 800) {
        drain();
        std::this_thread::yield();
        if (received < 800 && queue.Dropped() > 0) break;
    }
    for (auto& poster : posters)
        poster.join();
    drain();
    EXPECT_EQ(received + static_cast<int>(queue.Dropped()), 800);
}
