// Opening without waiting: BeginRenderFile builds on a worker while the message loop goes on,
// reports success by its callback and failure through the application's exception display, and
// is cancelled by Stop and by the next open. Failures name the file and the cause.
#include "filter_graph_fixture.h"
#include "framework/controls/form.h"
#include "framework/windowing/message_queue.h"
#include "hostile_http_server.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class FilterGraphOpen : public FilterGraphTest {
protected:
    void SetUp() override {
        FilterGraphTest::SetUp();
        Attach();
        Activate();
        App->OnException = [this](TComponent&, const std::exception& e) {
            Errors.push_back(e.what());
        };
    }
    void TearDown() override {
        Detach();
        FilterGraphTest::TearDown();
    }
    std::function<void()> CountBuilt() {
        return [this] { ++Built; };
    }

    std::vector<std::string> Errors;
    int Built = 0;
};

const std::string kCannotLoad = "The source filter for this file could not be loaded. ($80040241).";

TEST_F(FilterGraphOpen, AFolderIsNamedOnALineOfItsOwn) {
    const std::string expected =
        kCannotLoad + "\n" + ClipFolder() + ": is a folder, not a media file.";
    try {
        Graph->RenderFile(ClipFolder());
        ADD_FAILURE() << "a folder rendered";
    } catch (const EDirectShowException& e) {
        EXPECT_EQ(e.Message(), expected);
        EXPECT_EQ(e.ErrorCode, VFW_E_CANNOT_LOAD_SOURCE_FILTER);
    }

    Graph->BeginRenderFile(ClipFolder(), CountBuilt());
    ASSERT_TRUE(PumpUntil([&] { return !Errors.empty(); }));
    EXPECT_EQ(Errors, std::vector<std::string>{expected});
    EXPECT_EQ(Built, 0);
    EXPECT_FALSE(Graph->Rendering());
}

TEST_F(FilterGraphOpen, ABuildReportsOnTheGuiThreadAndThenPlays) {
    Graph->BeginRenderFile(Clip("clip.avi"), CountBuilt());
    EXPECT_TRUE(Graph->Rendering());
    EXPECT_FALSE(Graph->Play()) << "nothing to play while it builds";
    ASSERT_TRUE(PumpUntil([&] { return Built == 1; }));
    EXPECT_FALSE(Graph->Rendering());
    EXPECT_EQ(Errors, std::vector<std::string>{});
    EXPECT_NE(std::find(Events.begin(), Events.end(), "gceFileRendered"), Events.end());
    EXPECT_TRUE(Graph->Play());
}

// A server that never answers: the message loop runs its timers meanwhile, Stop ends the build
// at once and hangs up, and nothing is reported afterwards.
TEST_F(FilterGraphOpen, StopCancelsABuildThatWaitsForAServer) {
    THostileHttpServer server(THostility::NeverAnswers);
    ASSERT_NE(server.Port(), 0);
    TForm& form = App->CreateForm<TForm>();
    int ticks = 0;
    SetTimer(form.Handle(), 1, 20, [&](HWND, UINT) { ++ticks; });

    Graph->BeginRenderFile(server.Address(), CountBuilt());
    // The headless platform's clock moves only when told.
    ASSERT_TRUE(PumpUntil([&] {
        Host->Advance(20);
        return server.Accepted() > 0 && ticks >= 5;
    }));
    EXPECT_TRUE(Graph->Rendering());
    Graph->Stop();
    EXPECT_FALSE(Graph->Rendering());
    EXPECT_TRUE(PumpUntil([&] { return server.HungUp() == server.Accepted(); }, 30000))
        << server.HungUp() << " of " << server.Accepted();
    const int ticksAfterStop = ticks;
    PumpUntil([&] {
        Host->Advance(20);
        return ticks >= ticksAfterStop + 10;
    });
    EXPECT_EQ(Errors, std::vector<std::string>{});
    EXPECT_EQ(Built, 0);
    KillTimer(form.Handle(), 1);
}

TEST_F(FilterGraphOpen, TheNextOpenCancelsTheOneBefore) {
    THostileHttpServer server(THostility::NeverAnswers);
    ASSERT_NE(server.Port(), 0);
    int firstBuilt = 0;
    Graph->BeginRenderFile(server.Address(), [&] { ++firstBuilt; });
    ASSERT_TRUE(PumpUntil([&] { return server.Accepted() > 0; }));
    Graph->BeginRenderFile(Clip("clip.avi"), CountBuilt());
    ASSERT_TRUE(PumpUntil([&] { return Built == 1; }));
    EXPECT_EQ(firstBuilt, 0);
    EXPECT_EQ(Errors, std::vector<std::string>{});
    EXPECT_TRUE(PumpUntil([&] { return server.HungUp() == server.Accepted(); }));
}

// Destroying the controller while it builds cancels the build instead of waiting it out.
TEST_F(FilterGraphOpen, DestructionCancelsABuild) {
    THostileHttpServer server(THostility::NeverAnswers);
    ASSERT_NE(server.Port(), 0);
    Graph->BeginRenderFile(server.Address(), CountBuilt());
    ASSERT_TRUE(PumpUntil([&] { return server.Accepted() > 0; }));
    Detach();
    Graph.reset();
    EXPECT_TRUE(PumpUntil([&] { return server.HungUp() == server.Accepted(); }));
    Graph = std::make_unique<TFilterGraph>(nullptr);
    Attach();
}

} // namespace
