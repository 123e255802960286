#include "app/termination_signals.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <csignal>
#include <mutex>
#include <vector>

using namespace brisat;

TEST(TerminationWatch, TermAndIntReachTheWatcherAndTheOldHandlersReturn) {
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<int> received;
    {
        TTerminationWatch watch([&](int signal) {
            std::lock_guard lock(mutex);
            received.push_back(signal);
            arrived.notify_one();
        });
        ASSERT_EQ(raise(SIGTERM), 0); // would end the test program without the watch
        ASSERT_EQ(raise(SIGINT), 0);
        std::unique_lock lock(mutex);
        ASSERT_TRUE(arrived.wait_for(lock, std::chrono::seconds(10),
                                     [&] { return received.size() == 2; }));
    }
    EXPECT_EQ(received, (std::vector<int>{SIGTERM, SIGINT}));
    struct sigaction current {};
    sigaction(SIGTERM, nullptr, &current);
    EXPECT_EQ(current.sa_handler, SIG_DFL);
}
