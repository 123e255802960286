// The controller and the seek bar read from and written to a window layout.
#include "filter_graph_fixture.h"
#include "framework/core/class_registry.h"
#include "framework/controls/form.h"
#include "framework/core/object_text_reader.h"
#include "framework/core/object_text_writer.h"
#include "media/ds_track_bar.h"
#include "media/filter_graph_classes.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

const char* const kLayout = "object frmMain: TForm\r\n"
                            "  object FilterGraph1: TFilterGraph\r\n"
                            "    Mode = gmCapture\r\n"
                            "    OnDSEvent = FilterGraph1DSEvent\r\n"
                            "    OnGraphComplete = FilterGraph1GraphComplete\r\n"
                            "  end\r\n"
                            "  object DSTrackBar1: TDSTrackBar\r\n"
                            "    FilterGraph = FilterGraph1\r\n"
                            "    TimerInterval = 500\r\n"
                            "    OnTimer = DSTrackBar1Timer\r\n"
                            "  end\r\n"
                            "end\r\n";

} // namespace

TEST_F(FilterGraphTest, LayoutsBindPropertiesEventsAndTheSeekBarsController) {
    App->Initialize();
    RegisterFilterGraphClasses(TClassRegistry::Instance());
    TForm& form = App->CreateForm<TForm>();
    int events = 0, completions = 0, ticks = 0;
    form.Methods().Add<TOnDSEvent>(
        "FilterGraph1DSEvent", [&](TComponent&, long, std::intptr_t, std::intptr_t) { ++events; });
    form.Methods().Add<TOnGraphComplete>("FilterGraph1GraphComplete",
                                         [&](TComponent&, HRESULT, TFilter) { ++completions; });
    form.Methods().Add<TTimerEvent>("DSTrackBar1Timer",
                                    [&](TComponent&, std::uint32_t, std::uint32_t) { ++ticks; });
    ReadComponentText(kLayout, form);

    auto* graph = dynamic_cast<TFilterGraph*>(form.FindComponent("FilterGraph1"));
    auto* bar = dynamic_cast<TDSTrackBar*>(form.FindComponent("DSTrackBar1"));
    ASSERT_TRUE(graph && bar);
    EXPECT_EQ(graph->Mode(), TGraphMode::gmCapture);
    EXPECT_FALSE(graph->GraphEdit());
    EXPECT_EQ(bar->FilterGraph(), graph);
    EXPECT_EQ(bar->TimerInterval(), 500u);
    graph->DispatchGraphEvent(EC_COMPLETE, S_OK, 0);
    EXPECT_EQ(events, 1);
    EXPECT_EQ(completions, 1);
    ASSERT_TRUE(bar->OnTimer());
    bar->OnTimer()(*bar, 0, 0);
    EXPECT_EQ(ticks, 1);

    // GraphEdit is always written; defaults of the other properties are not.
    std::string written = ComponentToText(form);
    EXPECT_NE(written.find("    GraphEdit = False\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("    Mode = gmCapture\r\n"), std::string::npos);
    EXPECT_EQ(written.find("AutoCreate"), std::string::npos);
    EXPECT_NE(written.find("    FilterGraph = FilterGraph1\r\n"), std::string::npos);
    EXPECT_NE(written.find("    TimerInterval = 500\r\n"), std::string::npos);

    // AutoCreate activates when loading completes.
    TForm& second = App->CreateForm<TForm>();
    ReadComponentText("object Form2: TForm\r\n  object FilterGraph2: TFilterGraph\r\n"
                      "    AutoCreate = True\r\n  end\r\nend\r\n",
                      second);
    auto* created = dynamic_cast<TFilterGraph*>(second.FindComponent("FilterGraph2"));
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(created->Active());
}
