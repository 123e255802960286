#include "framework/core/exceptions.h"
#include "framework/controls/form.h"
#include "framework/core/object_text_writer.h"
#include "framework/controls/timer.h"
#include "headless_fixture.h"
#include "test_controls.h"
#include "text_lines.h"

#include <string>

using namespace brisat;

namespace {

const std::string ExampleLayout = Lines({
    "object frmExample: TForm",
    "  Left = 120",
    "  Top = 80",
    "  Caption = 'Example'",
    "  Font.Charset = DEFAULT_CHARSET",
    "  Font.Color = clWindowText",
    "  Font.Height = -11",
    "  Font.Name = 'MS Sans Serif'",
    "  Font.Style = []",
    "  BorderStyle = bsSingle",
    "  ClientHeight = 150",
    "  ClientWidth = 240",
    "  Position = poScreenCenter",
    "  object Panel1: TTestPanel",
    "    Left = 0",
    "    Top = 0",
    "    Width = 240",
    "    Height = 30",
    "    Align = alTop",
    "    Color = clNavy",
    "    TabOrder = 1",
    "    TabStop = True",
    "    object Box1: TTestBox",
    "      Left = 4",
    "      Top = 4",
    "      Width = 20",
    "      Height = 10",
    "      Hint = 'Box'",
    "      ParentShowHint = False",
    "      ShowHint = True",
    "    end",
    "  end",
    "  object Panel2: TTestPanel",
    "    Left = 0",
    "    Top = 30",
    "    Width = 240",
    "    Height = 120",
    "    Align = alClient",
    "    Color = clWhite",
    "    TabOrder = 0",
    "    TabStop = True",
    "  end",
    "  object Timer1: TTimer",
    "    Interval = 250",
    "  end",
    "end",
});

class LayoutTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        RegisterTestControls();
        form = &App->CreateForm<TForm>();
    }

    TForm* form = nullptr;
};

TEST_F(LayoutTest, ALayoutWithNestedComponentsReadsAndWritesBackUnchanged) {
    form->LoadLayout(ExampleLayout);
    EXPECT_EQ(form->Name(), "frmExample");
    EXPECT_EQ(form->ClientWidth(), 240);
    EXPECT_EQ(form->ClientHeight(), 150);
    auto* panel1 = dynamic_cast<TTestPanel*>(form->FindComponent("Panel1"));
    auto* panel2 = dynamic_cast<TTestPanel*>(form->FindComponent("Panel2"));
    ASSERT_TRUE(panel1 && panel2);
    EXPECT_EQ(panel1->Parent(), form);
    ASSERT_EQ(panel1->ControlCount(), 1);
    EXPECT_EQ(panel1->Controls(0).Name(), "Box1");
    EXPECT_EQ(panel2->BoundsRect(), Bounds(0, 30, 240, 120));
    EXPECT_EQ(panel2->TabOrder(), 0);
    EXPECT_EQ(ComponentToText(*form), ExampleLayout);
}

// A small program: the form from the layout runs on the headless platform — it centres itself,
// paints, answers clicks, ticks its timer and shows a hint.
TEST_F(LayoutTest, AnExampleFormFromALayoutRuns) {
    form->LoadLayout(ExampleLayout);
    auto& panel2 = dynamic_cast<TTestPanel&>(*form->FindComponent("Panel2"));
    auto& timer = dynamic_cast<TTimer&>(*form->FindComponent("Timer1"));
    int clicks = 0, ticks = 0;
    panel2.OnClick = [&clicks](TComponent&) { ++clicks; };
    timer.OnTimer = [&ticks](TComponent&) { ++ticks; };
    form->Show();
    Pump();

    const HWND h = form->Handle();
    const TRect frame = GetClientRectInWindow(h);
    EXPECT_EQ(form->BoundsRect(), Bounds((1024 - form->Width()) / 2, (768 - form->Height()) / 2,
                                         form->Width(), form->Height()));
    EXPECT_TRUE(panel2.Focused()) << "the first in tab order";
    EXPECT_EQ(PixelAt(h, frame.Left + 2, frame.Top + 2), Rgb(clNavy));
    EXPECT_EQ(PixelAt(h, frame.Left + 6, frame.Top + 6), Rgb(clRed));
    EXPECT_EQ(PixelAt(h, frame.Left + 100, frame.Top + 100), Rgb(clWhite));

    Host->Click(h, frame.Left + 100, frame.Top + 100);
    Pump();
    EXPECT_EQ(clicks, 1);

    Host->MouseMove(h, frame.Left + 8, frame.Top + 8);
    for (int i = 0; i < 3; ++i)
        App->HandleMessage();
    const uint32_t start = Host->TickCount();
    while (Host->TickCount() - start < 1000)
        App->HandleMessage();
    EXPECT_EQ(ticks, 4);
    ASSERT_NE(App->HintWindow(), nullptr);
    EXPECT_EQ(App->HintWindow()->Caption(), "Box");
    EXPECT_TRUE(IsWindowVisible(App->HintWindow()->Handle()));
    panel2.OnClick = nullptr;
    timer.OnTimer = nullptr;
}

// Damaged layouts raise an error that names the line and leave nothing of the read behind.
TEST_F(LayoutTest, BadLayoutsNameTheLineAndCreateNothing) {
    struct Case {
        const char* what;
        std::string text;
        const char* line;
    };
    const Case cases[] = {
        {"unknown class",
         Lines({"object F: TForm", "  object P: TTestPanel", "    object X: TNoSuchControl",
                "    end", "  end", "end"}),
         "Line 3:"},
        {"unknown property",
         Lines({"object F: TForm", "  object P: TTestPanel", "    Wdith = 3", "  end", "end"}),
         "Line 3:"},
        {"malformed value",
         Lines({"object F: TForm", "  object P: TTestPanel", "    Align = alSideways", "  end",
                "end"}),
         "Line 3:"},
        {"wrong kind of value",
         Lines({"object F: TForm", "  object P: TTestPanel", "  end", "  object Q: TTestBox",
                "    Width = 'wide'", "  end", "end"}),
         "Line 5:"},
        {"truncated block",
         Lines({"object F: TForm", "  object P: TTestPanel", "    object B: TTestBox",
                "      Left = 1"}),
         "Line 5:"},
    };
    for (const Case& c : cases) {
        try {
            form->LoadLayout(c.text);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const EReadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.line), std::string::npos)
                << c.what << ": " << e.what();
        }
        EXPECT_EQ(form->ComponentCount(), 0) << c.what;
        EXPECT_EQ(form->ControlCount(), 0) << c.what;
        EXPECT_TRUE(GetChildWindows(form->Handle()).empty()) << c.what;
    }
}

} // namespace

namespace {

// How program forms are written: the constructor reads the layout and binds handlers; OnCreate
// runs once construction is over and finds the controls in place.
class TExampleForm : public TForm {
public:
    explicit TExampleForm(TComponent* owner) : TForm(owner) {
        LoadLayout(ExampleLayout);
        OnCreate = [this](TComponent&) {
            Created = FindComponent("Panel2") != nullptr && FindComponent("Timer1") != nullptr;
        };
    }
    bool Created = false;
};

TEST_F(LayoutTest, CreateFormRunsOnCreateAfterTheConstructor) {
    auto& example = App->CreateForm<TExampleForm>();
    EXPECT_TRUE(example.Created);
    EXPECT_EQ(App->MainForm(), form) << "the first form created stays the main form";
    EXPECT_EQ(example.Owner(), App.get());
}

} // namespace
