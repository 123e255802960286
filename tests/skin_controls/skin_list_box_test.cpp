#include "framework/core/exceptions.h"
#include "framework/core/ident_maps.h"
#include "framework/core/object_text_reader.h"
#include "framework/core/object_text_writer.h"
#include "framework/widgets/scroll_math.h"
#include "skin/bitmap/draw_helpers.h"
#include "skin/objects/skin_object.h"
#include "skin_controls/se_skin_list_box.h"
#include "skin_controls/se_skin_scroll_bar.h"
#include "skin_controls/skin_control_fixture.h"
#include "skin_controls/skin_control_registry.h"

#include <string>
#include <vector>

using namespace brisat;
using namespace brisat::test;

namespace {

class SkinListBoxTest : public SkinControlTest {
protected:
    // 25 items of 16 pixels; the border leaves 160 pixels: a page of 10.
    template <class T = TKsCustomListBox> T& List(int32_t count = 25, int32_t height = 164) {
        T& list = Add<T>(Bounds(10, 10, 150, height));
        for (int32_t i = 0; i < count; ++i)
            list.Items().Add("Item " + std::to_string(i));
        return list;
    }
    // The middle of item Index's row while the list shows Top first.
    TPoint Row(TKsCustomListBox& list, int32_t index) {
        return OnForm(list, 40, 2 + (index - list.TopIndex()) * 16 + 8);
    }
    void Click(TKsCustomListBox& list, int32_t index, uint32_t modifiers = 0) {
        const TPoint p = Row(list, index);
        Host->MouseDown(Window(), p.X, p.Y, TPlatformButton::Left, modifiers);
        Host->MouseUp(Window(), p.X, p.Y, TPlatformButton::Left, modifiers);
        Pump();
    }
    void Key(uint32_t key, uint32_t modifiers = 0) {
        Host->KeyDown(Window(), key, modifiers);
        Host->KeyUp(Window(), key, modifiers);
        Pump();
    }
    static std::vector<int32_t> SelectedItems(const TKsCustomListBox& list) {
        std::vector<int32_t> v;
        for (int32_t i = 0; i < list.Items().Count(); ++i)
            if (list.Selected(i)) v.push_back(i);
        return v;
    }
};

TEST_F(SkinListBoxTest, TheFirstItemBecomesCurrentUnselectedAndKeysStayInTheList) {
    auto& list = List(0);
    EXPECT_EQ(list.ItemIndex(), -1);
    list.Items().Add("one");
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_EQ(list.SelCount(), 0);
    list.Items().Add("two");
    list.Items().Add("three");
    list.SetFocus();
    Key(VK_NEXT);
    EXPECT_EQ(list.ItemIndex(), 2) << "Page Down with a page of 10 stops at the last item";
    EXPECT_EQ(SelectedItems(list), std::vector<int32_t>{2});
    // Deleting the current last item leaves a current item inside the list.
    list.Items().Delete(2);
    EXPECT_EQ(list.ItemIndex(), 1);
    list.Items().Clear();
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(SkinListBoxTest, AnItemHeightOfZeroShowsNoPageInsteadOfDividingByIt) {
    auto& list = List();
    list.SetItemHeight(0);
    EXPECT_EQ(list.ScrollBar().PageSize(), 0);
    EXPECT_THROW(list.SetItemHeight(-1), EInvalidOperation);
    EXPECT_EQ(list.ItemHeight(), 0);
    At(list, 5, 5); // paints
}

TEST_F(SkinListBoxTest, ScrollingNeverLeavesTheLastPagePartEmpty) {
    auto& list = List();
    TKsCustomScrollBar& bar = list.ScrollBar();
    EXPECT_TRUE(bar.Visible());
    EXPECT_EQ(bar.Max(), 24);
    EXPECT_EQ(bar.PageSize(), 10);
    const int32_t limit = LastFullPageTop(24, 10);
    ASSERT_EQ(limit, 15);
    list.SetFocus();
    const TPoint p = Row(list, 0);
    for (int i = 0; i < 6; ++i)
        Host->Wheel(Window(), p.X, p.Y, -120);
    Pump();
    EXPECT_EQ(list.TopIndex(), limit) << "the wheel";
    EXPECT_EQ(list.ItemIndex(), 0) << "the wheel moves the view only";
    list.SetTopIndex(0);
    // Paging with the bar's track, held down.
    const TPoint track = OnForm(bar, 5, bar.Height() - 20);
    Host->MouseDown(Window(), track.X, track.Y);
    for (int i = 0; i < 10; ++i) {
        Host->Advance(KeyboardRepeatDelay());
        Pump();
    }
    Host->MouseUp(Window(), track.X, track.Y);
    Pump();
    EXPECT_EQ(list.TopIndex(), limit) << "the bar's page steps";
    Key(VK_END);
    EXPECT_EQ(list.TopIndex(), limit);
    EXPECT_EQ(list.LastVisible(), 24);
}

TEST_F(SkinListBoxTest, ANewItemIndexScrollsOnlyUntilItIsFullyVisible) {
    auto& list = List(25, 164 + 10); // a partial eleventh row
    std::vector<int32_t> drawn;
    list.SetListStyle(TKsListBoxStyle::lbOwnerDrawFixed);
    list.OnDrawItem = [&drawn](TKsCustomListBox&, TCanvas&, int32_t index, const TRect&,
                               TOwnerDrawState) { drawn.push_back(index); };
    const struct {
        int32_t index, top;
    } steps[] = {{12, 3}, {5, 3}, {1, 1}, {24, 15}, {14, 14}};
    for (const auto& s : steps) {
        list.SetItemIndex(s.index);
        EXPECT_EQ(list.TopIndex(), s.top) << s.index;
    }
    drawn.clear();
    list.Invalidate();
    Pump();
    EXPECT_EQ(drawn.front(), 14);
    EXPECT_EQ(drawn.back(), 23) << "the partly visible row is not painted";
}

// Two visible columns 73 wide; the horizontal bar needed for the overflow takes the fourth row.
TEST_F(SkinListBoxTest, ColumnsFlowDownThenAcrossWithAHorizontalBar) {
    auto& list = List(10, 4 * 16 + 4);
    list.SetColumns(2);
    TKsCustomScrollBar& bar = list.ScrollBar();
    EXPECT_EQ(bar.Kind(), TScrollBarKind::sbHorizontal);
    EXPECT_TRUE(bar.Visible());
    EXPECT_EQ(bar.Max(), 3) << "three rows a column: four columns";
    EXPECT_EQ(bar.PageSize(), 2);
    EXPECT_EQ(list.GetItemRect(4), (TRect{2 + 73, 2 + 16, 2 + 146, 2 + 32}));
    list.SetItemIndex(9);
    EXPECT_EQ(list.TopIndex(), 2);
    EXPECT_EQ(list.FirstVisible(), 6);
    EXPECT_EQ(list.LastVisible(), 9);
    list.SetItemIndex(1);
    EXPECT_EQ(list.TopIndex(), 0);
}

TEST_F(SkinListBoxTest, ShiftSelectsARangeCtrlTogglesOneAndFlagsFollowTheirItems) {
    auto& list = List(10);
    list.SetMultiSelect(true);
    Click(list, 2);
    Click(list, 5, PlatformShift);
    EXPECT_EQ(SelectedItems(list), (std::vector<int32_t>{2, 3, 4, 5}));
    Click(list, 8, PlatformCtrl);
    Click(list, 3, PlatformCtrl);
    EXPECT_EQ(SelectedItems(list), (std::vector<int32_t>{2, 4, 5, 8}));
    EXPECT_EQ(list.ItemIndex(), 3);

    list.SetState(4, TKsCheckBoxState::cbChecked);
    list.Items().Delete(0);
    EXPECT_EQ(SelectedItems(list), (std::vector<int32_t>{1, 3, 4, 7}));
    EXPECT_EQ(list.State(3), TKsCheckBoxState::cbChecked);
    list.Items().Insert(0, "zz");
    list.Items().Exchange(0, 2);
    EXPECT_EQ(SelectedItems(list), (std::vector<int32_t>{0, 4, 5, 8}));
    list.SetSorted(true); // "Item 1".."Item 9", then "zz"
    EXPECT_EQ(list.Items()[9], "zz");
    EXPECT_FALSE(list.Selected(9));
    EXPECT_EQ(list.State(3), TKsCheckBoxState::cbChecked) << "Item 4";
    EXPECT_EQ(SelectedItems(list), (std::vector<int32_t>{1, 3, 4, 7}));
    list.SetSorted(false);
    list.Items().Add("a");
    EXPECT_EQ(list.Items()[10], "a") << "no longer sorted";
}

TEST_F(SkinListBoxTest, DraggingBelowTheListScrollsARowATickAndFollowsWithTheCurrentItem) {
    auto& list = List();
    // Crossing the border without the button held scrolls nothing.
    const TPoint border = OnForm(list, 40, list.Height() - 1);
    Host->MouseMove(Window(), border.X, border.Y);
    Pump();
    EXPECT_FALSE(list.ScrollBar().AutoScrollForward());
    const TPoint start = Row(list, 1);
    Host->MouseDown(Window(), start.X, start.Y);
    Pump();
    EXPECT_EQ(list.ItemIndex(), 1);
    const TPoint below = OnForm(list, 40, list.Height() + 20);
    Host->MouseMove(Window(), below.X, below.Y);
    Pump();
    EXPECT_TRUE(list.ScrollBar().AutoScrollForward());
    for (int tick = 1; tick <= 3; ++tick) {
        Host->Advance(KeyboardRepeatInterval());
        Pump();
        EXPECT_EQ(list.TopIndex(), tick);
        EXPECT_EQ(list.ItemIndex(), list.LastVisible());
    }
    Host->MouseUp(Window(), below.X, below.Y);
    Pump();
    EXPECT_FALSE(list.ScrollBar().AutoScrollForward()) << "letting go outside stops it";
    Host->Advance(KeyboardRepeatInterval() * 3);
    Pump();
    EXPECT_EQ(list.TopIndex(), 3);
}

TEST_F(SkinListBoxTest, CheckBoxesCycleByClickAndSpaceUnlessDisabled) {
    auto& list = List(3);
    list.SetShowCheckBoxes(true);
    list.SetAllowGrayed(true);
    const auto clickCheck = [&](int32_t index) {
        const TPoint p = OnForm(list, 2 + 7, 2 + index * 16 + 8);
        Host->Click(Window(), p.X, p.Y);
        Pump();
        Host->Advance(GetDoubleClickTime() + 1); // never a double click
        Pump();
    };
    clickCheck(1);
    EXPECT_EQ(list.State(1), TKsCheckBoxState::cbChecked);
    EXPECT_EQ(list.ItemIndex(), 1);
    Key(VK_SPACE);
    EXPECT_EQ(list.State(1), TKsCheckBoxState::cbGrayed);
    clickCheck(1);
    EXPECT_EQ(list.State(1), TKsCheckBoxState::cbUnchecked);
    list.SetState(2, TKsCheckBoxState::cbGrayed);
    list.SetAllowGrayed(false);
    EXPECT_EQ(list.State(2), TKsCheckBoxState::cbChecked) << "grayed turns checked";
    list.SetItemEnabled(0, false);
    clickCheck(0);
    EXPECT_EQ(list.State(0), TKsCheckBoxState::cbUnchecked);
}

TEST_F(SkinListBoxTest, ColourStylesListTheFrameworksColoursInItsOrder) {
    auto& list = List(3);
    std::vector<std::string> names;
    GetColorValues([&names](std::string_view n) { names.emplace_back(n); });
    list.SetListStyle(TKsListBoxStyle::lbColorNames);
    ASSERT_EQ(list.Items().Count(), int32_t(names.size()));
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(list.Items()[int32_t(i)], names[i]);
    EXPECT_EQ(list.GetItemHeight(0), 18);
}

// "ListBox" { Frame (margins 3), Item }; or without the Item.
TSeSkinBody ListSkin(bool withItem) {
    TSeSkinBody body;
    auto list = TopObject("ListBox");
    auto& frame = CreateOwned<TSeSkinObject>(*list);
    frame.SetName("Frame");
    frame.SetColor(kSkinFrame);
    frame.SetMarginLeft(3);
    frame.SetMarginTop(3);
    frame.SetMarginRight(3);
    frame.SetMarginBottom(3);
    if (withItem) AddColorObject(*list, "Item");
    body.Objects.push_back(std::move(list));
    return body;
}

TEST_F(SkinListBoxTest, SkinnedItemsUseTheItemObjectOrFallBackToPlainDrawing) {
    auto& list = List<TSeSkinListBox>(5, 100);
    list.SetItemIndex(1);
    list.SetSelected(1, true);
    LoadSkin(ListSkin(true));
    list.SetSkinEngine(Engine);
    ASSERT_TRUE(list.IsSkinned());
    EXPECT_EQ(list.ListRect(), (TRect{3, 3, 147, 97}));
    EXPECT_EQ(At(list, 1, 1), Rgb(kSkinFrame));
    EXPECT_EQ(At(list, 140, 3 + 8), Rgb(kSkinFace)) << "item 0: normal";
    EXPECT_EQ(At(list, 140, 3 + 16 + 8), Rgb(kSkinPressed)) << "item 1: selected";
    list.SetFocus();
    EXPECT_EQ(At(list, 140, 3 + 16 + 8), Rgb(kSkinFocused)) << "selected and focused";

    LoadSkin(ListSkin(false));
    EXPECT_EQ(At(list, 140, 3 + 8), Rgb(kSkinFrame)) << "plain items: the background shows";
    EXPECT_EQ(At(list, 140, 3 + 16 + 8), Rgb(clHighlight)) << "plain selection";
}

// The text of an item takes the Item object's font for the item's state, so a skin that darkens
// the selection can light its text.
TEST_F(SkinListBoxTest, ItemTextTakesTheItemFontOfItsState) {
    auto& list = List<TSeSkinListBox>(5, 100);
    list.SetItemIndex(1);
    list.SetSelected(1, true);
    TSeSkinBody body = ListSkin(true);
    auto& item = static_cast<TSeColorButtonObject&>(*body.Objects.back()->FindObject("Item"));
    item.Font().SetColor(clBlack);
    item.PressedFont().SetColor(clYellow);
    LoadSkin(std::move(body));
    list.SetSkinEngine(Engine);
    ASSERT_TRUE(list.IsSkinned());
    const auto yellowIn = [&](int32_t row) {
        int32_t n = 0;
        for (int32_t y = 3 + row * 16; y < 3 + (row + 1) * 16; ++y)
            for (int32_t x = 3; x < 100; ++x)
                n += At(list, x, y) == Rgb(clYellow);
        return n;
    };
    EXPECT_GT(yellowIn(1), 0) << "the selected item's text is in the pressed font";
    EXPECT_EQ(yellowIn(0), 0) << "other items keep the normal font";
}

TEST_F(SkinListBoxTest, ShippedSkinDrawsTheListAndItsBar) {
    auto& list = List<TSeSkinListBox>(25, 200);
    list.SetItemIndex(3);
    const uint32_t plain = At(list, 60, list.ListRect().Top + 3 * 16 + 8);
    LoadShippedSkin("steel");
    list.SetSkinEngine(Engine);
    ASSERT_TRUE(list.IsSkinned());
    auto& bar = static_cast<TSeSkinScrollBar&>(list.ScrollBar());
    EXPECT_TRUE(bar.IsSkinned());
    EXPECT_TRUE(bar.Visible());
    EXPECT_EQ(bar.Left() + bar.Width(), list.ListRect().Right);
    list.SetFocus();
    EXPECT_NE(At(list, 60, list.ListRect().Top + 3 * 16 + 8), plain);
}

// Preluna's frame leaves its outermost ring see-through in the normal state: an opaque list
// shows its Color there, never what the buffer held before.
TEST_F(SkinListBoxTest, AnOpaqueListShowsItsColorWhereTheFrameIsSeeThrough) {
    auto& list = List<TSeSkinListBox>(3);
    list.SetBorderStyle(TBorderStyle::bsSingle);
    list.SetColor(clYellow);
    LoadShippedSkin("preluna");
    list.SetSkinEngine(Engine);
    ASSERT_TRUE(list.IsSkinned());
    EXPECT_EQ(At(list, 60, 0), Rgb(clYellow));
}

} // namespace

namespace {

// The playlist as a window layout holds it.
constexpr const char* kPlaylist = R"(object ListBox1: TSeSkinListBox
  Width = 250
  Height = 200
  Items.Text = 'one'#10'two'#10
  MultiSelect = True
  ItemHeight = 20
  SkinObject = 'ListBox'
end
)";

TEST(SkinListBoxLayoutTest, LayoutsReadAndWriteTheListWithoutItsOwnBar) {
    RegisterSkinControlClasses();
    std::unique_ptr<TComponent> root = TextToComponent(kPlaylist);
    auto& list = dynamic_cast<TSeSkinListBox&>(*root);
    EXPECT_EQ(list.Items().Count(), 2);
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_TRUE(list.MultiSelect());
    EXPECT_EQ(list.ItemHeight(), 20);
    EXPECT_EQ(list.ScrollBar().PageSize(), 2) << "laid out after loading";
    const std::string text = ComponentToText(list);
    EXPECT_EQ(ComponentToText(*TextToComponent(text)), text);
    EXPECT_EQ(text.find("ScrollBar"), std::string::npos) << text;
    EXPECT_THROW(TextToComponent("object L: TSeSkinListBox\n  ItemHeight = -4\nend\n"),
                 Exception);
}

} // namespace
