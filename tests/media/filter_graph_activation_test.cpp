// Activation, clients and listeners, modes, the graph-editor entry and the log file of the
// filter graph controller.
#include "filter_graph_fixture.h"
#include "media/filter_graph_capture.h"
#include "media/filter_graph_dvd.h"
#include "media/graph_edit_registration.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <regex>
#include <sstream>
#include <unistd.h>

using namespace brisat;
using namespace brisat::test;

namespace fs = std::filesystem;

TEST_F(FilterGraphTest, ActivationAndDeactivationRunInOrderAndTellTheClients) {
    Attach();
    Graph->OnActivate = [&](TComponent&) { Events.push_back("OnActivate"); };
    Graph->SetActive(true);
    EXPECT_EQ(Events, (Log{"fcoAdding", "fcoAdded", "OnActivate", "gceActive 1"}));
    std::vector<TFilter> filters = Filters();
    ASSERT_EQ(filters.size(), 1u);
    EXPECT_EQ(filters[0], Client.Renderer);
    EXPECT_EQ(filters[0].Name(), "VideoWindow");

    auto first = Graph->QueryInterface<TGraphInterface::IFilterGraph2>();
    Events.clear();
    Graph->SetActive(true);
    EXPECT_TRUE(Events.empty());
    EXPECT_EQ(Graph->QueryInterface<TGraphInterface::IFilterGraph2>(), first) << "one graph";
    first.reset();

    Graph->SetActive(false);
    EXPECT_EQ(Events, (Log{"gceActive 0", "fcoRemoving", "fcoRemoved"}));
    EXPECT_EQ(Graph->QueryInterface(TGraphInterface::IMediaControl), nullptr);
    Events.clear();
    Graph->SetActive(false);
    EXPECT_TRUE(Events.empty());

    // Inactive: nothing is told and nothing happens.
    EXPECT_FALSE(Graph->Play());
    EXPECT_FALSE(Graph->Pause());
    EXPECT_FALSE(Graph->Stop());
    EXPECT_EQ(Graph->RenderFile(Clip("clip.avi")), S_FALSE);
    EXPECT_EQ(Graph->Volume(), 0);
    Graph->ClearGraph();
    Graph->DisconnectAllPins();
    EXPECT_TRUE(Events.empty());
}

TEST_F(FilterGraphTest, ClientsAttachedWhileActiveJoinAndLeaveAtOnce) {
    Activate();
    Log other;
    RecordingClient second(other, "Second");
    Graph->AttachFilterClient(Client);
    Graph->AttachFilterClient(second);
    EXPECT_EQ(Events, (Log{"fcoAdding", "fcoAdded"}));
    EXPECT_EQ(Filters().size(), 2u);
    Graph->DetachFilterClient(second);
    EXPECT_EQ(other, (Log{"fcoAdding", "fcoAdded", "fcoRemoving", "fcoRemoved"}));
    ASSERT_EQ(Filters().size(), 1u);
    EXPECT_EQ(Filters()[0], Client.Renderer);

    // A listener attached twice hears everything twice.
    Events.clear();
    Graph->AttachEventListener(Client);
    Graph->AttachEventListener(Client);
    Graph->Stop();
    EXPECT_EQ(Events, (Log{"gceStop", "gceStop"}));
    Graph->DetachEventListener(Client);
    Graph->DetachEventListener(Client);
    Graph->DetachFilterClient(Client);
}

TEST_F(FilterGraphTest, ModeChangeRebuildsAnActiveGraphAndOnlyStoresWhileInactive) {
    Graph->SetMode(TGraphMode::gmCapture);
    EXPECT_FALSE(Graph->Active());
    Attach();
    Activate();
    auto capture = Graph->QueryInterface<TGraphInterface::ICaptureGraphBuilder2>();
    ASSERT_NE(capture, nullptr);
    EXPECT_EQ(Graph->QueryInterface(TGraphInterface::IDvdGraphBuilder), nullptr);
    std::shared_ptr<TMediaPipeline> built;
    EXPECT_EQ(capture->GetFiltergraph(built), S_OK);
    EXPECT_EQ(built, Graph->QueryInterface<TGraphInterface::IGraphBuilder>());
    capture.reset();
    built.reset();

    Events.clear();
    Graph->SetMode(TGraphMode::gmDVD);
    EXPECT_TRUE(Graph->Active());
    EXPECT_EQ(Events, (Log{"gceActive 0", "fcoRemoving", "fcoRemoved", "fcoAdding", "fcoAdded",
                           "gceActive 1"}));
    EXPECT_EQ(Graph->QueryInterface(TGraphInterface::ICaptureGraphBuilder2), nullptr);
    EXPECT_NE(Graph->QueryInterface(TGraphInterface::IDvdGraphBuilder), nullptr);
    EXPECT_NE(Graph->QueryInterface(TGraphInterface::IDvdInfo2), nullptr);
    EXPECT_EQ(Filters().size(), 1u) << "the DVD builder's graph has the client's filter";
    Detach();
}

// Capture runs on any source filter; this machine has no camera, so a test source stands in for
// the device the monitor would find.
TEST_F(FilterGraphTest, CaptureModeConnectsASourceToTheRendererOrReportsNoDevice) {
    Graph->SetMode(TGraphMode::gmCapture);
    Attach();
    Activate();
    auto capture = Graph->QueryInterface<TGraphInterface::ICaptureGraphBuilder2>();
    TFilter device;
    HRESULT found = capture->FindCaptureDevice(TCaptureKind::ckVideo, device);
    EXPECT_TRUE(found == S_OK || found == VFW_E_NO_CAPTURE_HARDWARE) << std::hex << found;
    EXPECT_EQ(bool(device), found == S_OK);
    EXPECT_FALSE(MediaErrorText(VFW_E_NO_CAPTURE_HARDWARE).empty());

    TFilter source = TFilter::Make("videotestsrc");
    g_object_set(source.Element(), "num-buffers", 10, nullptr);
    ASSERT_EQ(capture->RenderStream(source), S_OK);
    EXPECT_TRUE(IsConnected(Client.Renderer));
    bool complete = false;
    Graph->OnGraphComplete = [&](TComponent&, HRESULT, TFilter) { complete = true; };
    EXPECT_TRUE(Graph->Play());
    EXPECT_TRUE(PumpUntil([&] { return complete; }));
    EXPECT_GE(TBasicVideo(Client.Renderer).FramesRendered(),
              10u); // the cued picture may count twice
    Detach();
}

TEST_F(FilterGraphTest, DvdModeFailsCleanlyWithoutADisc) {
    Graph->SetMode(TGraphMode::gmDVD);
    Activate();
    auto dvd = Graph->QueryInterface<TGraphInterface::IDvdGraphBuilder>();
    ASSERT_NE(dvd, nullptr);
    EXPECT_EQ(dvd->RenderDvdVideoVolume(ClipFolder()), VFW_E_DVD_RENDERFAIL);
    EXPECT_EQ(dvd->RenderDvdVideoVolume("/no/such/drive"), VFW_E_DVD_RENDERFAIL);
    EXPECT_FALSE(MediaErrorText(VFW_E_DVD_RENDERFAIL).empty());
    EXPECT_TRUE(Filters().empty());

    // The audio stream's language is asked of a navigator that has no disc: the failure raises.
    bool called = false;
    Graph->OnDVDAudioStreamChange = [&](TComponent&, std::int32_t, std::uint32_t,
                                        const std::string&) { called = true; };
    Graph->OnDVDSubpictureStreamChange = Graph->OnDVDAudioStreamChange;
    EXPECT_THROW(Graph->DispatchGraphEvent(EC_DVD_AUDIO_STREAM_CHANGE, 1, 0), EDirectShowException);
    EXPECT_FALSE(called);
    Graph->DispatchGraphEvent(EC_DVD_SUBPICTURE_STREAM_CHANGE, 1, 0);
    EXPECT_TRUE(called) << "the subpicture query's result is not examined";
}

class GraphEditTest : public FilterGraphTest {
protected:
    void SetUp() override {
        FilterGraphTest::SetUp();
        std::string pattern = (fs::temp_directory_path() / "brisat-runtime-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        const char* saved = std::getenv("XDG_RUNTIME_DIR");
        m_saved = saved ? std::optional<std::string>(saved) : std::nullopt;
        setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
    }
    void TearDown() override {
        FilterGraphTest::TearDown();
        if (m_saved)
            setenv("XDG_RUNTIME_DIR", m_saved->c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
        fs::remove_all(m_folder);
    }
    std::vector<fs::path> Entries() {
        std::vector<fs::path> entries;
        for (const auto& entry : fs::directory_iterator(m_folder))
            entries.push_back(entry.path());
        return entries;
    }
    std::string m_folder;
    std::optional<std::string> m_saved;
};

TEST_F(GraphEditTest, EntryNamesTheLiveGraphWhileActiveAndGoesWithIt) {
    Attach();
    Graph->SetGraphEdit(true);
    EXPECT_TRUE(Entries().empty()) << "inactive: nothing registered";
    Activate();
    std::vector<fs::path> entries = Entries();
    ASSERT_EQ(entries.size(), 1u);
    char pid[16];
    std::snprintf(pid, sizeof pid, "%X", unsigned(getpid()));
    std::smatch parts;
    std::string name = entries[0].filename().string();
    ASSERT_TRUE(std::regex_match(name, parts, std::regex("FilterGraph ([0-9A-F]{16}) pid (.+)")))
        << name;
    EXPECT_EQ(parts[2].str(), pid);
    EXPECT_EQ(std::stoull(parts[1].str(), nullptr, 16),
              reinterpret_cast<std::uintptr_t>(
                  Graph->QueryInterface<TGraphInterface::IFilterGraph>().get()));

    ASSERT_EQ(Graph->RenderFile(Clip("clip.avi")), S_OK);
    std::stringstream dot;
    dot << std::ifstream(entries[0]).rdbuf();
    EXPECT_EQ(dot.str().rfind("digraph", 0), 0u);
    EXPECT_NE(dot.str().find("uridecodebin"), std::string::npos) << "the picture follows the graph";

    Graph->SetGraphEdit(false);
    EXPECT_TRUE(Entries().empty());
    Graph->SetGraphEdit(true);
    EXPECT_EQ(Entries().size(), 1u);
    Graph->SetActive(false);
    EXPECT_TRUE(Entries().empty());
    EXPECT_TRUE(Graph->GraphEdit());
    Detach();
}

TEST_F(GraphEditTest, RuntimeFolderFallsBackToAPrivateFolderUnderTmp) {
    setenv("XDG_RUNTIME_DIR", "relative/folder", 1);
    std::string folder = TGraphEditRegistration::RuntimeFolder();
    EXPECT_EQ(folder, "/tmp/brisat-" + std::to_string(getuid()));
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST_F(FilterGraphTest, LogFileTakesGStreamersLogWhileActive) {
    std::string path = ClipFolder() + "/graph.log";
    Graph->SetLogFile(path);
    EXPECT_EQ(Graph->LogFile(), path);
    EXPECT_FALSE(fs::exists(path)) << "opened only at activation";
    Attach();
    Activate();
    ASSERT_EQ(Graph->RenderFile(Clip("clip.avi")), S_OK);
    Graph->SetActive(false);
    auto written = fs::file_size(path);
    EXPECT_GT(written, 0u);
    Activate(); // created anew: the earlier log is cut
    Graph->SetActive(false);
    EXPECT_LT(fs::file_size(path), written);

    Activate();
    Graph->SetLogFile(ClipFolder() + "/no/such/folder/graph.log");
    EXPECT_EQ(Graph->LogFile(), path) << "a file that cannot be made keeps the old name";
    Graph->SetLogFile("");
    EXPECT_EQ(Graph->LogFile(), "");
    Detach();
}
