#include "framework/widgets/combo_box.h"
#include "framework/controls/form.h"
#include "framework/widgets/input_control_classes.h"
#include "framework/core/object_text_reader.h"
#include "headless_fixture.h"
#include "text_lines.h"

#include <string>
#include <vector>

using namespace brisat;

namespace {

// A 121 × 21 box at (120, 6) of a form at (50, 50); its list drops below it, 15-pixel rows.
class ComboBoxTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(50, 50, 300, 100);
        combo = &CreateOwned<TComboBox>(*form);
        combo->SetStyle(TComboBoxStyle::csDropDownList);
        combo->SetBounds(120, 6, 121, 21);
        combo->SetItemHeight(15);
        combo->SetParent(form);
        for (const char* s : {"Текущий Монитор", "Монитор0", "Монитор1"})
            combo->Items().Add(s);
        combo->OnChange = [this](TComponent&) { log.push_back("change " + combo->Text()); };
        combo->OnDropDown = [this](TComponent&) { log.push_back("dropdown"); };
        form->Show();
        Pump();
        h = form->Handle();
    }
    HWND ListWindow() {
        for (HWND top : GetTopLevelWindows())
            if (top != h) return top;
        return 0;
    }
    void Key(uint32_t key, uint32_t modifiers = 0) {
        Host->KeyDown(h, key, modifiers);
        Host->KeyUp(h, key, modifiers);
        Pump();
    }

    TForm* form = nullptr;
    TComboBox* combo = nullptr;
    HWND h = 0;
    std::vector<std::string> log;
};

TEST_F(ComboBoxTest, NearTheWorkAreasEdgesTheListOpensAboveAndMovesLeft) {
    // The form's box spans x 170..291 and y 56..77 on the screen; the work area ends at x 250
    // and y 110, so three rows fit neither under the box nor right of its left edge.
    Host->SetMonitors({{{0, 0, 400, 300}, {0, 0, 250, 110}, true}});
    combo->SetDroppedDown(true);
    Pump();
    const TRect list = GetWindowRect(ListWindow());
    EXPECT_EQ(list.Bottom, 56);
    EXPECT_EQ(list.Right, 250);
    EXPECT_EQ(list.Width(), 121);
}

TEST_F(ComboBoxTest, TheListDropsAsAPopupAndAReleaseOnAnItemChoosesIt) {
    Host->MouseDown(h, 150, 15);
    Host->MouseUp(h, 150, 15);
    Pump();
    ASSERT_TRUE(combo->DroppedDown());
    const HWND list = ListWindow();
    ASSERT_NE(list, 0u);
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(GetWindowRect(list), Bounds(50 + 120, 50 + 6 + 21, 121, 3 * 15 + 2));
    EXPECT_TRUE(Native(list).Visible());
    EXPECT_FALSE(Native(list).Activated());
    EXPECT_EQ(Native(list).Kind(), TPlatformWindowKind::DropDown);
    EXPECT_TRUE(combo->Focused()) << "the list never takes the focus";

    // Hovering marks, a release on the item chooses it and closes the list.
    Host->MouseMove(list, 30, 1 + 15 + 7);
    Pump();
    EXPECT_EQ(PixelAt(list, 60, 1 + 15 + 7), Rgb(clHighlight));
    Host->MouseDown(list, 30, 1 + 15 + 7);
    Host->MouseUp(list, 30, 1 + 15 + 7);
    Pump();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"dropdown", "change Монитор0"}));
}

TEST_F(ComboBoxTest, EscapeAndPressesOutsideCloseWithoutChoosingEnterChooses) {
    combo->SetItemIndex(0);
    combo->SetFocus();
    EXPECT_TRUE(log.empty()) << "the program's choice is not reported";
    struct Step {
        std::vector<uint32_t> keys;
        int index;
    };
    Key(VK_F4);
    Key(VK_DOWN);
    Key(VK_ESCAPE);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 0);
    Key(VK_DOWN, PlatformAlt);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_TRUE(combo->Focused()) << "Enter and Escape stay with the box";

    Key(VK_F4);
    Host->MouseDown(h, 10, 10); // anywhere but the list
    Host->MouseUp(h, 10, 10);
    Pump();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(log, (std::vector<std::string>{"dropdown", "dropdown", "change Монитор1", "dropdown"}));
}

TEST_F(ComboBoxTest, KeysChooseDirectlyWhileClosed) {
    combo->SetFocus();
    struct Step {
        uint32_t key;
        int index;
    };
    const Step steps[] = {{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_END, 2}, {VK_DOWN, 2}, {VK_UP, 1}, {VK_HOME, 0}};
    for (const Step& s : steps) {
        Key(s.key);
        EXPECT_EQ(combo->ItemIndex(), s.index) << s.key;
    }
    EXPECT_EQ(log.size(), 5u);
    combo->Items().Add("Другой");
    Host->TypeKey(h, 0, "М");
    Pump();
    EXPECT_EQ(combo->ItemIndex(), 1) << "the next item starting with the letter";
    // A change of the items keeps the choice while it names an item.
    combo->Items().Delete(3);
    EXPECT_EQ(combo->Text(), "Монитор0");
    combo->Items().Clear();
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
}

TEST_F(ComboBoxTest, TheDropDownHandlerMayFillTheListAndItStopsAtDropDownCount) {
    combo->Items().Clear();
    combo->OnDropDown = [this](TComponent&) {
        for (int i = 0; i < 20; ++i)
            combo->Items().Add("item " + std::to_string(i));
    };
    combo->SetDropDownCount(5);
    combo->SetDroppedDown(true);
    Pump();
    EXPECT_EQ(GetWindowRect(ListWindow()).Height(), 5 * 15 + 2);
    combo->SetDroppedDown(false);
    EXPECT_FALSE(IsWindowVisible(ListWindow()));
}

TEST_F(ComboBoxTest, TheEditStyleTakesTypedTextAndFollowsChoices) {
    combo->SetStyle(TComboBoxStyle::csDropDown);
    combo->SetFocus();
    Pump();
    Host->TypeKey(h, 0, "Монитор1");
    Pump();
    EXPECT_EQ(combo->Text(), "Монитор1");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(log.size(), 8u) << "every typed character changes the text";
    log.clear();
    Key(VK_UP);
    EXPECT_EQ(combo->Text(), "Монитор0");
    Key(VK_F4);
    EXPECT_TRUE(combo->DroppedDown());
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(combo->Text(), "Монитор1");
    EXPECT_EQ(log, (std::vector<std::string>{"change Монитор0", "dropdown", "change Монитор1"}));
    // Disabled, as the monitor chooser starts, the edit takes no typing either.
    combo->SetEnabled(false);
    Host->TypeKey(h, 0, "x");
    Pump();
    EXPECT_EQ(combo->Text(), "Монитор1");
}

// A chosen item longer than the edit selects all of it; without the focus the edit still shows
// the item's start, not its end.
TEST_F(ComboBoxTest, AnUnfocusedEditShowsTheStartOfALongItem) {
    combo->Items().Add("MMMM" + std::string(60, ' '));
    combo->SetStyle(TComboBoxStyle::csDropDown);
    combo->SetEnabled(false);
    combo->SetItemIndex(3);
    Pump();
    const uint32_t ground = PixelAt(h, 200, 16); // blanks in the middle of the box
    int ink = 0;
    for (int32_t y = 10; y < 24; ++y)
        for (int32_t x = 124; x < 144; ++x)
            ink += PixelAt(h, x, y) != ground;
    EXPECT_GT(ink, 20) << "the first letters are drawn at the left";
}

TEST_F(ComboBoxTest, LayoutsChooseTheStyleItemsAndItem) {
    RegisterInputControlClasses();
    auto read = TextToComponent(Lines({
        "object ComboBox1: TComboBox",
        "  Style = csDropDownList",
        "  DropDownCount = 4",
        "  Items.Text = 'one'#10'two'#10",
        "  ItemIndex = 1",
        "end",
    }));
    auto& c = dynamic_cast<TComboBox&>(*read);
    EXPECT_EQ(c.Style(), TComboBoxStyle::csDropDownList);
    EXPECT_EQ(c.DropDownCount(), 4);
    EXPECT_EQ(c.Text(), "two");
}

} // namespace
