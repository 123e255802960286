#include "framework/core/exceptions.h"
#include "framework/core/object_text_reader.h"
#include "framework/text_lines.h"
#include "skin_controls/ks_combo_window.h"
#include "skin_controls/se_skin_combo_box.h"
#include "skin_controls/skin_control_fixture.h"
#include "skin_controls/skin_control_registry.h"

#include <string>
#include <vector>

using namespace brisat;
using namespace brisat::test;

namespace {

// The monitor chooser: 121 × 21 at (120, 6), 15-pixel rows, three items, changes logged.
class SkinComboBoxTest : public SkinControlTest {
protected:
    void SetUp() override {
        SkinControlTest::SetUp();
        combo = &Add<TSeSkinComboBox>(Bounds(120, 6, 121, 21));
        other = &Add<TSeSkinComboBox>(Bounds(10, 60, 100, 21));
        for (const char* s : {"Текущий Монитор", "Монитор0", "Монитор1", "Монитор2", "Монитор3"})
            combo->Items().Add(s);
        combo->OnChange = [this](TComponent&) { log.push_back(combo->Text()); };
        Pump();
        h = Form->Handle();
        combo->SetFocus();
        Pump();
    }
    void Key(uint32_t key, uint32_t modifiers = 0, HWND window = 0) {
        PressKey(key, modifiers, window);
    }
    HWND DropHandle() { return combo->DropWindow()->Handle(); }

    TSeSkinComboBox* combo = nullptr;
    TSeSkinComboBox* other = nullptr;
    HWND h = 0;
    std::vector<std::string> log;
};

TEST_F(SkinComboBoxTest, PickOnlyStyleShowsTheItemAndStepsByKeys) {
    combo->SetComboStyle(TKsComboStyle::kcsDropDownList);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_TRUE(combo->ReadOnly());
    EXPECT_EQ(combo->Text(), "Текущий Монитор") << "the item's string, though the text is empty";
    log.clear();
    Key(VK_NEXT);
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(combo->Text(), "Монитор2");
    EXPECT_EQ(log, (std::vector<std::string>{"Монитор2", "Монитор2"}))
        << "once from the assignment, once from the key";
    Key(VK_NEXT);
    EXPECT_EQ(combo->ItemIndex(), 4) << "kept at the last item";
    Key(VK_HOME);
    Key(VK_UP);
    EXPECT_EQ(combo->ItemIndex(), 0) << "kept at the first item";
    Host->Wheel(h, 150, 15, -120);
    Pump();
    EXPECT_EQ(combo->ItemIndex(), 3) << "a notch is three lines";
    Host->TypeKey(h, 0, "x");
    Pump();
    EXPECT_EQ(combo->Text(), "Монитор2") << "typing is refused";

    combo->SetComboStyle(TKsComboStyle::kcsDropDown);
    EXPECT_FALSE(combo->ReadOnly()) << "restored";
}

TEST_F(SkinComboBoxTest, TheDropWindowOpensBelowOrAboveNearTheWorkAreasBottom) {
    combo->DropDown();
    Pump();
    ASSERT_TRUE(combo->DroppedDown());
    TRect drop = GetWindowRect(DropHandle());
    const TPoint box = combo->ClientToScreen({0, 0});
    EXPECT_EQ(drop, Bounds(box.X, box.Y + 21, 121, 8 * 15));
    EXPECT_TRUE(combo->List().Focused());
    EXPECT_EQ(combo->List().ItemIndex(), 0);
    Key(VK_ESCAPE, 0, DropHandle());
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_TRUE(combo->Focused()) << "the focus comes back";

    Host->SetMonitors({{{0, 0, 800, 600}, {0, 0, 800, box.Y + 21 + 100}, true}});
    combo->DropDown();
    Pump();
    drop = GetWindowRect(DropHandle());
    EXPECT_EQ(drop.Bottom, box.Y) << "above the box";
    EXPECT_EQ(drop.Height(), 8 * 15);
}

TEST_F(SkinComboBoxTest, ChoosingInTheListSetsTheItemAndCloses) {
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "Монитор0") << "the editable style copies the item";
    combo->DropDown();
    Pump();
    Key(VK_DOWN, 0, DropHandle());
    Key(VK_RETURN, 0, DropHandle());
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "Монитор1");

    // A click on an item (the list's own coordinates) chooses it.
    combo->DropDown();
    Pump();
    const TPoint item = combo->List().ClientToScreen({20, 15 * 3 + 7});
    const TRect window = GetWindowRect(DropHandle());
    Host->Click(DropHandle(), item.X - window.Left, item.Y - window.Top);
    Pump();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 3);
}

TEST_F(SkinComboBoxTest, AutoCompleteFillsInTheItemAndLeavesBackspacesAlone) {
    combo->SetAutoComplete(true);
    combo->SetText("");
    for (const char* c : {"м", "о", "н"})
        Host->TypeKey(h, 0, c);
    Pump();
    Host->Advance(100);
    Pump();
    EXPECT_EQ(combo->Text(), "Монитор0") << "the first item, in its own letter case";
    EXPECT_EQ(combo->SelStart(), 3);
    EXPECT_EQ(combo->SelText(), "итор0");
    Key(VK_BACK);
    Host->Advance(100);
    Pump();
    EXPECT_EQ(combo->Text(), "Мон") << "deleting does not complete again";
    Host->TypeKey(h, 0, "и");
    Pump();
    Host->Advance(100);
    Pump();
    EXPECT_EQ(combo->Text(), "Монитор0");
}

namespace {

// The test skin plus "ComboBox" { Frame, Button (20 wide) }.
TSeSkinBody ComboSkin() {
    TSeSkinBody body = ControlSkin();
    auto combo = TopObject("ComboBox");
    AddColorObject(*combo, "Frame");
    AddColorObject(*combo, "Button").SetWidth(20);
    body.Objects.push_back(std::move(combo));
    return body;
}

} // namespace

TEST_F(SkinComboBoxTest, TheSkinDrawsFrameAndButtonAPlainOneWithoutIt) {
    LoadSkin(ControlSkin());
    combo->SetSkinEngine(Engine);
    EXPECT_FALSE(combo->IsSkinned());
    EXPECT_EQ(combo->ButtonRect().Width(), 15);
    EXPECT_EQ(At(*combo, 0, 0), Rgb(clBtnShadow));

    LoadSkin(ComboSkin());
    ASSERT_TRUE(combo->IsSkinned());
    const TRect button = combo->ButtonRect();
    EXPECT_EQ(button.Width(), 20) << "the skin's button width";
    EXPECT_EQ(At(*combo, button.Left + 10, 10), Rgb(kSkinFocused));
    other->SetFocus();
    EXPECT_EQ(At(*combo, button.Left + 10, 10), Rgb(kSkinFace));
    EXPECT_EQ(At(*combo, 2, 2), Rgb(kSkinFace));
    combo->SetEnabled(false);
    EXPECT_EQ(At(*combo, button.Left + 10, 10), Rgb(kSkinDisabled));
}

// The hot frame follows the mouse at once (the edit's test tells why).
TEST_F(SkinComboBoxTest, TheHotFrameFollowsTheMouseAtOnce) {
    LoadSkin(ComboSkin());
    other->SetSkinEngine(Engine);
    ASSERT_EQ(At(*other, 2, 2), Rgb(kSkinFace));
    EXPECT_EQ(AtHoveredThenLeft(*other, {2, 2}), std::pair(Rgb(kSkinHot), Rgb(kSkinFace)));
}

using SkinComboBoxClassTest = SkinControlTest;

TEST_F(SkinComboBoxClassTest, LayoutsHoldTheMonitorChooser) {
    RegisterSkinControlClasses();
    auto read = TextToComponent(Lines({
        "object ComboBox1: TSeSkinComboBox",
        "  Enabled = False",
        "  DropDownCount = 8",
        "  ItemHeight = 15",
        "  Flat = True",
        "  ComboStyle = kcsDropDown",
        "  ButtonAlign = cbaLeft",
        "  ListStyle = lbStandard",
        "  FontDevice = fdScreen",
        "  FontType = ftTrueType",
        "  Items.Text = 'one'#10'two'#10",
        "  ItemIndex = 1",
        "  Text = 'ComboBox1'",
        "end",
    }));
    auto& c = dynamic_cast<TSeSkinComboBox&>(*read);
    // The enumerations read by their names (their tables outlive the registration).
    EXPECT_EQ(c.ComboStyle(), TKsComboStyle::kcsDropDown);
    EXPECT_EQ(c.ButtonAlign(), TKsComboButtonAlign::cbaLeft);
    EXPECT_EQ(c.List().FontType(), TKsFontType::ftTrueType);
    EXPECT_EQ(c.Items().Count(), 2);
    EXPECT_EQ(c.ItemIndex(), 1);
    EXPECT_EQ(c.Text(), "ComboBox1") << "an index read while loading leaves the text";
    EXPECT_FALSE(c.Enabled());
    EXPECT_EQ(c.SkinObject(), "ComboBox");
    EXPECT_THROW(c.SetItemHeight(-1), EInvalidOperation);
    EXPECT_EQ(c.ItemHeight(), 15);
}

} // namespace
