// The player's window layouts: each text is well formed, each reads into a window whose controls
// fire the handlers it names, and the player's own windows read theirs with every component and
// property their code relies on. The checks follow the texts, so editing a layout fails a test
// only where it breaks what the player does with it.
#include "app/color_control_form.h"
#include "app/component_binding.h"
#include "app/form_select_url.h"
#include "app/layouts.h"
#include "app/main_form.h"
#include "app/playback_display.h"
#include "app/player_artwork.h"
#include "effects/about_box.h"
#include "framework/widgets/button.h"
#include "framework/widgets/check_box.h"
#include "framework/controls/form.h"
#include "framework/graphics/image_list.h"
#include "framework/controls/menu.h"
#include "framework/controls/menu_item.h"
#include "framework/core/object_text_lexer.h"
#include "framework/dialogs/open_dialog.h"
#include "framework/widgets/panel.h"
#include "framework/widgets/speed_button.h"
#include "framework/widgets/track_bar.h"
#include "media/color_control.h"
#include "media/ds_track_bar.h"
#include "media/filter_graph.h"
#include "media/filter_graph_events.h"
#include "media/video_window.h"
#include "skin/engine/skin_engine.h"
#include "skin_controls/se_skin_button.h"
#include "skin_controls/se_skin_edit.h"
#include "skin_controls/se_skin_track_bar.h"
#include "player_window_fixture.h"

#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace brisat {
namespace {

using TKind = TTextToken::TKind;

// One object block of a layout: its name, class, enclosing block and property values as text
// (strings without quotes, sets as "[a, b]").
struct TBlock {
    std::string Name, Class, Parent;
    std::map<std::string, std::string> Values;
};

std::string ReadValue(TObjectTextLexer& lexer) {
    const TTextToken& t = lexer.Current();
    std::string text;
    if (t.Kind == TKind::tkString) {
        for (text = t.Text, lexer.Next(); lexer.Current().IsSymbol('+'); lexer.Next()) {
            lexer.Next();
            text += lexer.Current().Text;
        }
        return text;
    }
    if (t.IsSymbol('[')) {
        text = "[";
        for (lexer.Next(); !lexer.Current().IsSymbol(']'); lexer.Next())
            text += lexer.Current().IsSymbol(',') ? ", " : lexer.Current().Text;
        text += "]";
    } else if (t.Kind == TKind::tkInteger)
        text = std::to_string(t.Integer);
    else if (t.Kind == TKind::tkIdent)
        text = t.Text;
    else if (t.Kind == TKind::tkBytes)
        text = "{" + std::to_string(t.Bytes.size()) + " bytes}";
    else
        ADD_FAILURE() << "line " << t.Line << ": unexpected " << t.Describe();
    lexer.Next();
    return text;
}

// Walks a layout with the lexer alone, so the texts are checked before every class exists.
std::vector<TBlock> Outline(std::string_view text) {
    TObjectTextLexer lexer(text);
    std::vector<TBlock> blocks;
    std::vector<size_t> open;
    while (lexer.Current().Kind != TKind::tkEnd) {
        const TTextToken t = lexer.Current();
        lexer.Next();
        if (t.IsWord("object")) {
            TBlock block;
            block.Name = lexer.Current().Text;
            block.Parent = open.empty() ? "" : blocks[open.back()].Name;
            lexer.Next();
            EXPECT_TRUE(lexer.Current().IsSymbol(':')) << "line " << t.Line;
            lexer.Next();
            block.Class = lexer.Current().Text;
            lexer.Next();
            open.push_back(blocks.size());
            blocks.push_back(std::move(block));
        } else if (t.IsWord("end")) {
            if (open.empty()) {
                ADD_FAILURE() << "line " << t.Line << ": 'end' without an object";
                break;
            }
            open.pop_back();
        } else {
            EXPECT_EQ(t.Kind, TKind::tkIdent) << "line " << t.Line;
            EXPECT_TRUE(lexer.Current().IsSymbol('=')) << "line " << t.Line;
            lexer.Next();
            if (open.empty()) break;
            blocks[open.back()].Values[t.Text] = ReadValue(lexer);
        }
    }
    EXPECT_TRUE(open.empty()) << "unclosed object " << blocks[open.back()].Name;
    return blocks;
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(uint8_t(c)));
    return s;
}

struct TLayoutCase {
    const char* Name;
    std::string_view (*Text)();
    const char* Root;
    bool Decorations; // read into its window after the main text
};

const TLayoutCase Layouts[] = {
    {"frm_main", FrmMainLayout, "frmMain", false},
    {"frm_main_decorations", FrmMainDecorationsLayout, "frmMain", true},
    {"color_control_form", ColorControlFormLayout, "ColorControlForm", false},
    {"form_select_url", FormSelectURLLayout, "FormSelectURL", false},
    {"form_select_url_decorations", FormSelectURLDecorationsLayout, "FormSelectURL", true},
};

TEST(Layouts, EveryTextIsOneBalancedObjectWithNamesUniqueInItsWindow) {
    std::map<std::string, std::set<std::string>> namesPerWindow;
    for (const TLayoutCase& layout : Layouts) {
        SCOPED_TRACE(layout.Name);
        std::vector<TBlock> blocks;
        ASSERT_NO_THROW(blocks = Outline(layout.Text()));
        ASSERT_FALSE(blocks.empty());
        EXPECT_EQ(blocks[0].Name, layout.Root);
        EXPECT_EQ(blocks[0].Parent, "");
        std::set<std::string>& names = namesPerWindow[layout.Root];
        for (size_t i = 1; i < blocks.size(); ++i) {
            EXPECT_NE(blocks[i].Parent, "") << blocks[i].Name << " is outside the root";
            // Names are found ignoring case anywhere in the window (n6 and N6 would clash).
            EXPECT_TRUE(names.insert(Lower(blocks[i].Name)).second)
                << blocks[i].Name << " is named twice";
        }
    }
}

// A value "Window.Component" reaches into another window's layout; that window has the component.
TEST(Layouts, ReferencesIntoAnotherWindowNameOneOfItsComponents) {
    std::map<std::string, std::set<std::string>> namesPerWindow;
    for (const TLayoutCase& layout : Layouts)
        for (const TBlock& b : Outline(layout.Text()))
            namesPerWindow[layout.Root].insert(Lower(b.Name));
    for (const TLayoutCase& layout : Layouts)
        for (const TBlock& b : Outline(layout.Text()))
            for (const auto& [property, value] : b.Values) {
                const size_t dot = value.find('.');
                const auto window = namesPerWindow.find(value.substr(0, dot));
                if (dot == std::string::npos || window == namesPerWindow.end()) continue;
                EXPECT_TRUE(window->second.contains(Lower(value.substr(dot + 1))))
                    << layout.Name << ": " << b.Name << "." << property << " = " << value;
            }
}

// A form standing in for the player's windows: every handler a layout names is in its method
// table, with the type of the event that names it, and records its calls.
class TStandInForm : public TForm {
public:
    TStandInForm(TComponent* owner, const std::vector<TBlock>& blocks) : TForm(owner) {
        for (const TBlock& b : blocks)
            for (const auto& [property, handler] : b.Values)
                if (property.starts_with("On")) Offer(property, handler);
    }
    std::vector<std::string> Calls;

private:
    void Offer(const std::string& event, const std::string& name) {
        auto record = [this, name](auto&&...) { Calls.push_back(name); };
        if (event == "OnMouseDown")
            Methods().Add<TControl::TMouseEvent>(name, record);
        else if (event == "OnCloseQuery")
            Methods().Add<TCloseQueryEvent>(name, record);
        else if (event == "OnDSEvent")
            Methods().Add<TOnDSEvent>(name, record);
        else if (event == "OnGraphComplete")
            Methods().Add<TOnGraphComplete>(name, record);
        else if (event == "OnTimer")
            Methods().Add<TTimerEvent>(name, record);
        else if (event == "OnOverlayVisible")
            Methods().Add<TDSVideoWindowEx2::TOverlayVisibleEvent>(name, record);
        else
            Methods().Add<TNotifyEvent>(name, record);
    }
};

// Does what the user does to make a control or menu item fire its click or change event; false
// for one the user triggers otherwise (the video window, the list box). A menu item the layout
// disables until the player has a use for it is enabled first.
bool Trigger(TComponent& component) {
    if (auto* item = dynamic_cast<TMenuItem*>(&component)) {
        item->SetEnabled(true);
        item->Click();
    } else if (auto* speedButton = dynamic_cast<TSpeedButton*>(&component))
        speedButton->Click();
    else if (auto* button = dynamic_cast<TButton*>(&component))
        button->Click();
    else if (auto* skinned = dynamic_cast<TKsCustomButton*>(&component))
        skinned->Click();
    else if (auto* box = dynamic_cast<TCheckBox*>(&component))
        box->SetChecked(!box->Checked());
    else if (auto* bar = dynamic_cast<TTrackBar*>(&component))
        bar->SetPosition(bar->Position() == bar->Max() ? bar->Min() : bar->Max());
    else if (auto* skinned = dynamic_cast<TKsCustomTrackBar*>(&component))
        skinned->SetPosition(skinned->Position() == skinned->Max() ? skinned->Min()
                                                                   : skinned->Max());
    else
        return false;
    return true;
}

class LayoutReading : public PlayerWindowTest {
protected:
    void SetUp() override {
        PlayerWindowTest::SetUp();
        RegisterPlayerClasses();
    }

    TStandInForm& Read(std::string_view layout) {
        auto& form = App->CreateForm<TStandInForm>(Outline(layout));
        form.LoadLayout(layout);
        return form;
    }

    template <class T> static T& Part(TComponent& root, std::string_view name) {
        return BindComponent<T>(root, name);
    }
};

TEST_F(LayoutReading, MainWindowReadsIntoRealComponentsBoundToItsHandlers) {
    TStandInForm& form = Read(FrmMainLayout());
    EXPECT_EQ(form.Name(), "frmMain");
    EXPECT_EQ(form.ClientWidth(), 483);
    EXPECT_EQ(form.ClientHeight(), 442);
    EXPECT_EQ(form.Menu(), &Part<TMainMenu>(form, "MainMenu1"));
    auto& video = Part<TDSVideoWindowEx2>(form, "DSVideoWindowEx1");
    EXPECT_EQ(video.FilterGraph(), &Part<TFilterGraph>(form, "FilterGraph1"));
    EXPECT_EQ(video.AspectRatio(), TRatioModes::rmLetterBox);
    // The hidden log leaves its room to the video; the bottom panels follow it downward.
    EXPECT_EQ(video.BoundsRect(), (TRect{25, 0, 477, 350}));
    EXPECT_EQ(Part<TControl>(form, "SeSkinPanel2").Top(), 350);
    EXPECT_EQ(Part<TControl>(form, "SeSkinPanel1").Top(), 410);
    auto& mute = Part<TSpeedButton>(form, "SpeedButton11");
    EXPECT_EQ(mute.ImageIndex(), 19);
    EXPECT_EQ(mute.Images(), &Part<TImageList>(form, "ImageList1"));
    EXPECT_FALSE(Part<TControl>(form, "ComboBox1").Enabled());
    EXPECT_EQ(Part<TControl>(form, "ZeltLiquidLabel1").Caption(), "0.00.00");

    // Buttons and the menu items that share their handlers.
    Part<TSpeedButton>(form, "SpeedButton1").Click();
    // Skinned items deliver their clicks once the menus are gone.
    for (const char* item : {"Play1", "CustomItem8", "N12"}) {
        Part<TMenuItem>(form, item).Click();
        Pump();
    }
    EXPECT_EQ(form.Calls, (std::vector<std::string>{"SpeedButton1Click", "SpeedButton1Click",
                                                    "Crop1Click", "N12Click"}));
    EXPECT_FALSE(Part<TMenuItem>(form, "N12").Checked()) << "N12 ticks itself";

    ApplyPlayerArtwork(form);
    EXPECT_EQ(Part<TImageList>(form, "ImageList1").Count(), GlyphCount);
    EXPECT_EQ(Part<TImageList>(form, "ImageList2").Count(), 2);
    EXPECT_EQ(Part<TSpeedButton>(form, "SpeedButton5").Glyph().Width(), 20);
    EXPECT_EQ(Part<TZeltShellAbout>(form, "ZeltAbout1").Icon().Width(), 32);
}

TEST_F(LayoutReading, ArtworkNeedsTheComponentsItFills) {
    TForm& bare = App->CreateForm<TForm>();
    bare.SetName("bare");
    EXPECT_THROW(ApplyPlayerArtwork(bare), EComponentError);
}

TEST_F(LayoutReading, ColourDialogReadsWithItsRangesAndHandlers) {
    TStandInForm& form = Read(ColorControlFormLayout());
    EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::bsNone);
    auto& hue = Part<TTrackBar>(form, "TrackBar3");
    EXPECT_EQ(hue.Min(), -180);
    EXPECT_EQ(hue.Max(), 180);
    EXPECT_TRUE(Part<TCheckBox>(form, "CheckBox1").Checked());
    hue.SetPosition(36);
    Part<TSpeedButton>(form, "SpeedButton2").Click();
    EXPECT_EQ(form.Calls, (std::vector<std::string>{"TrackBar3Change", "SpeedButton2Click"}));
}

TEST_F(LayoutReading, OpenUrlDialogReadsWithItsEditAndResults) {
    TStandInForm& main = Read(FrmMainLayout());
    TStandInForm& form = Read(FormSelectURLLayout());
    EXPECT_EQ(form.Caption(), "Открыть URL");
    EXPECT_EQ(Part<TSeSkinEdit>(form, "URL").Text(), "mms://");
    EXPECT_EQ(Part<TSeSkinButton>(form, "SeSkinButton1").ModalResult(), mrOk);
    EXPECT_EQ(Part<TSeSkinButton>(form, "SeSkinButton2").ModalResult(), mrCancel);
    // Every skinned part draws with the main window's engine.
    auto* engine = &Part<TSeSkinEngine>(main, "SeSkinEngine1");
    EXPECT_EQ(Part<TSeSkinEdit>(form, "URL").SkinEngine(), engine);
    EXPECT_EQ(Part<TSeSkinButton>(form, "SeSkinButton2").SkinEngine(), engine);
}

// Every control and menu item that names a click or change handler fires that handler, and
// only it, when the user triggers it.
TEST_F(LayoutReading, ControlsFireTheHandlersTheirLayoutsName) {
    for (const TLayoutCase& layout : Layouts) {
        if (layout.Decorations) continue;
        SCOPED_TRACE(layout.Name);
        TStandInForm& form = Read(layout.Text());
        for (const TBlock& b : Outline(layout.Text()))
            for (const char* event : {"OnClick", "OnChange"}) {
                const auto handler = b.Values.find(event);
                if (handler == b.Values.end()) continue;
                form.Calls.clear();
                if (!Trigger(Part<TComponent>(form, b.Name))) continue;
                Pump();
                EXPECT_EQ(form.Calls, std::vector<std::string>{handler->second})
                    << b.Name << "." << event;
            }
    }
}

// A menu item's shortcut pressed in the main window fires the handler of an item with that
// shortcut (two popups may share one: Esc closes from either).
TEST_F(LayoutReading, ShortcutsFireTheirItemsHandlers) {
    TStandInForm& form = Read(FrmMainLayout());
    std::map<TShortCut, std::set<std::string>> handlers;
    for (const TBlock& b : Outline(FrmMainLayout()))
        if (b.Values.contains("ShortCut") && b.Values.contains("OnClick"))
            handlers[Part<TMenuItem>(form, b.Name).ShortCut()].insert(b.Values.at("OnClick"));
    for (const auto& [shortCut, names] : handlers) {
        form.Calls.clear();
        EXPECT_TRUE(DispatchShortCut(form, form.Menu(), shortCut)) << shortCut;
        Pump();
        ASSERT_EQ(form.Calls.size(), 1u) << shortCut;
        EXPECT_TRUE(names.contains(form.Calls[0])) << shortCut << " fired " << form.Calls[0];
    }
}

// Every glyph a speed button or menu item names is a picture of the image list it draws from.
TEST_F(LayoutReading, GlyphIndexesArePicturesOfTheArtwork) {
    TStandInForm& form = Read(FrmMainLayout());
    ApplyPlayerArtwork(form);
    for (const TBlock& b : Outline(FrmMainLayout())) {
        if (!b.Values.contains("ImageIndex")) continue;
        TComponent& part = Part<TComponent>(form, b.Name);
        const TImageList* images = nullptr;
        int32_t index = -1;
        if (auto* button = dynamic_cast<TSpeedButton*>(&part)) {
            images = button->Images();
            index = button->ImageIndex();
        } else if (auto* item = dynamic_cast<TMenuItem*>(&part)) {
            images = item->GetParentMenu() ? item->GetParentMenu()->Images() : nullptr;
            index = item->ImageIndex();
        }
        ASSERT_NE(images, nullptr) << b.Name;
        EXPECT_LT(index, images->Count()) << b.Name;
    }
}

// The player's own windows read their layouts: every handler named is in their method tables
// with the event's type and every component their code uses is there with its class, or creation
// fails. What the code relies on from the layouts reaches the components.
TEST_F(LayoutReading, PlayerWindowsReadTheirLayoutsWithWhatTheirCodeNeeds) {
    TfrmMain& main = App->CreateForm<TfrmMain>(Settings());
    const TMainFormParts& parts = main.Parts();
    EXPECT_EQ(parts.SoundLevel->Max(), 10000); // full volume, as the graph and mute take it
    EXPECT_EQ(parts.Panel2->Caption(), ElapsedTimeText(0)); // as Stop leaves it
    EXPECT_FALSE(parts.SpeedButton6->Enabled());            // no previous or next entry yet
    EXPECT_FALSE(parts.SpeedButton7->Enabled());
    EXPECT_TRUE(parts.OpenDialog2->Options().Contains(TOpenOption::ofAllowMultiSelect));

    // The dialog's bars hold the video's colour settings unclamped (their handlers write back).
    TColorControl& colours = parts.DSVideoWindowEx1->ColorControl();
    const int32_t settings[] = {colours.Brightness(), colours.Contrast(), colours.Hue(),
                                colours.Saturation()};
    auto& dialog = App->CreateForm<TColorControlForm>(*parts.DSVideoWindowEx1);
    dialog.GetValues();
    const TColorControlForm::TParts& bars = dialog.Parts();
    const TTrackBar* ordered[] = {bars.TrackBar1, bars.TrackBar2, bars.TrackBar3, bars.TrackBar4};
    for (size_t i = 0; i < std::size(ordered); ++i)
        EXPECT_EQ(ordered[i]->Position(), settings[i]) << i;

    EXPECT_NO_THROW(App->CreateForm<TFormSelectURL>());
}

} // namespace
} // namespace brisat
