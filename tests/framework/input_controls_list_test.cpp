#include "framework/core/exceptions.h"
#include "framework/controls/form.h"
#include "framework/widgets/input_control_classes.h"
#include "framework/widgets/list_box.h"
#include "framework/widgets/memo.h"
#include "framework/core/object_text_reader.h"
#include "framework/core/string_list.h"
#include "headless_fixture.h"
#include "text_lines.h"

#include <string>
#include <vector>

using namespace brisat;

namespace {

std::vector<std::string> All(const TStringList& l) {
    std::vector<std::string> v;
    for (int i = 0; i < l.Count(); ++i)
        v.push_back(l[i]);
    return v;
}

TEST(StringListTest, TextSplitsAtEveryKindOfLineBreak) {
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\nc\rd\n", {"a", "b", "c", "d"}},
        {"\n\n", {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
    };
    TStringList list;
    for (const Case& c : cases) {
        list.SetText(c.text);
        EXPECT_EQ(All(list), c.lines) << c.text;
    }
    EXPECT_EQ(list.Text(), "a\n\nb\n");
}

TEST(StringListTest, EditsNotifyOnceAndCheckTheirIndexes) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&changes](TStringList&) { ++changes; };
    list.Add("one");
    list.Insert(0, "zero");
    list.Insert(2, "two");
    list.Delete(1);
    EXPECT_EQ(All(list), (std::vector<std::string>{"zero", "two"}));
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(list.IndexOf("TWO"), 1);
    EXPECT_EQ(list.IndexOf("three"), -1);
    EXPECT_THROW(list.Delete(2), EListError);
    EXPECT_THROW(list.Insert(3, "x"), EListError);
    EXPECT_THROW((void)list[-1], EListError);
    list.BeginUpdate();
    list.Add("a");
    list.Add("b");
    list.EndUpdate();
    EXPECT_EQ(changes, 5);

    list.SetSorted(true);
    EXPECT_EQ(All(list), (std::vector<std::string>{"a", "b", "two", "zero"}));
    EXPECT_EQ(list.Add("B2"), 2);
    EXPECT_THROW(list.Insert(0, "x"), EListError);
}

// A 120 × 100 list at (10, 10) with 16-pixel items inside a 2-pixel border: six whole rows.
class ListBoxTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(50, 50, 200, 150);
        list = &CreateOwned<TListBox>(*form);
        list->SetBounds(10, 10, 120, 100);
        list->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
        list->SetParent(form);
        list->OnClick = [this](TComponent&) { log.push_back("click " + std::to_string(list->ItemIndex())); };
        list->OnDblClick = [this](TComponent&) { log.push_back("dblclick"); };
        for (int i = 0; i < 20; ++i)
            list->Items().Add("item " + std::to_string(i));
        form->Show();
        Pump();
        h = form->Handle();
    }
    // Form coordinates of the middle of a row of the list.
    int RowY(int row) { return 10 + 2 + row * 16 + 8; }
    void Key(uint32_t key) {
        Host->KeyDown(h, key);
        Host->KeyUp(h, key);
        Pump();
    }

    TForm* form = nullptr;
    TListBox* list = nullptr;
    HWND h = 0;
    std::vector<std::string> log;
};

TEST_F(ListBoxTest, PressesSelectAndClickOnlyOnChangeDoubleClicksReport) {
    Host->Click(h, 40, RowY(2));
    Pump();
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_TRUE(list->Focused());
    EXPECT_EQ(PixelAt(h, 60, RowY(2)), Rgb(clHighlight));
    EXPECT_EQ(PixelAt(h, 60, RowY(3)), Rgb(clWindow));
    Host->Click(h, 41, RowY(2));
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"click 2", "dblclick"}));

    // Dragging with the button held follows the pointer, past the bottom it scrolls.
    log.clear();
    Host->Advance(1000);
    Host->MouseDown(h, 40, RowY(0));
    Host->MouseMove(h, 40, RowY(4));
    Host->MouseMove(h, 40, 140);
    Host->MouseUp(h, 40, 140);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"click 0", "click 4", "click 6"}));
    EXPECT_EQ(list->TopIndex(), 1);

    // The program's own selection does not click.
    list->SetItemIndex(10);
    EXPECT_EQ(list->TopIndex(), 5);
    EXPECT_EQ(log.size(), 3u);
    EXPECT_THROW(list->SetItemIndex(20), EListError);
}

TEST_F(ListBoxTest, KeysMoveTheSelectionAndKeepItInView) {
    list->SetFocus();
    struct Step {
        uint32_t key;
        int index, top;
    };
    const Step steps[] = {{VK_DOWN, 0, 0}, {VK_DOWN, 1, 0},  {VK_NEXT, 6, 1},  {VK_END, 19, 14},
                          {VK_DOWN, 19, 14}, {VK_PRIOR, 14, 14}, {VK_UP, 13, 13}, {VK_HOME, 0, 0}};
    for (const Step& s : steps) {
        Key(s.key);
        EXPECT_EQ(list->ItemIndex(), s.index) << s.key;
        EXPECT_EQ(list->TopIndex(), s.top) << s.key;
    }
    EXPECT_TRUE(list->Focused());
}

TEST_F(ListBoxTest, TheScrollBarShowsOnlyWhenItemsOverflowAndScrolls) {
    const int barX = 10 + 118 - 8;
    EXPECT_NE(PixelAt(h, barX, RowY(2)), Rgb(clWindow));
    // The down arrow steps and repeats while held; the track pages; the wheel turns three rows.
    Host->MouseDown(h, barX, 10 + 98 - 4);
    Pump();
    EXPECT_EQ(list->TopIndex(), 1);
    Host->Advance(400);
    Pump();
    Host->Advance(50);
    Pump();
    Host->MouseUp(h, barX, 10 + 98 - 4);
    Pump();
    EXPECT_EQ(list->TopIndex(), 3);
    Host->Click(h, barX, 10 + 98 - 20);
    Pump();
    EXPECT_EQ(list->TopIndex(), 9);
    EXPECT_EQ(list->ItemIndex(), -1) << "the bar does not select";
    list->SetFocus();
    Host->Wheel(h, 40, 40, 120);
    Pump();
    EXPECT_EQ(list->TopIndex(), 6);

    // Few items: no bar, no scrolling; a deleted selection is dropped.
    list->SetItemIndex(3);
    while (list->Items().Count() > 3)
        list->Items().Delete(3);
    Pump();
    EXPECT_EQ(list->TopIndex(), 0);
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(PixelAt(h, barX, RowY(2)), Rgb(clWindow));
}

TEST_F(ListBoxTest, OwnerDrawnItemsGetTheirRectangleAndState) {
    std::vector<std::string> drawn;
    list->OnDrawItem = [&drawn](TWinControl&, int32_t index, const TRect& r, TOwnerDrawState s) {
        drawn.push_back(std::to_string(index) + "@" + std::to_string(r.Top) +
                        (s.Contains(TOwnerDrawStateKind::odSelected) ? " selected" : ""));
    };
    list->SetItemIndex(1);
    list->Invalidate();
    Pump();
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_EQ(drawn[0], "0@2");
    EXPECT_EQ(drawn[1], "1@18 selected");
}

TEST_F(ListBoxTest, LayoutsFillTheItemsAndSortThem) {
    RegisterInputControlClasses();
    auto read = TextToComponent(Lines({
        "object ListBox1: TListBox",
        "  ItemHeight = 15",
        "  MultiSelect = False",
        "  Items.Text = 'pear'#10'Apple'#10'fig'#10",
        "  Sorted = True",
        "end",
    }));
    auto& box = dynamic_cast<TListBox&>(*read);
    EXPECT_EQ(All(box.Items()), (std::vector<std::string>{"Apple", "fig", "pear"}));
    EXPECT_EQ(box.ItemHeight(), 15);
    EXPECT_THROW(TextToComponent(Lines({"object L: TListBox", "  MultiSelect = True", "end"})),
                 EReadError);
}

class MemoTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(50, 50, 300, 200);
        memo = &CreateOwned<TMemo>(*form);
        memo->SetBounds(0, 0, 200, 100);
        memo->SetScrollBars(TScrollStyle::ssVertical);
        memo->SetParent(form);
        form->Show();
        Pump();
    }
    TForm* form = nullptr;
    TMemo* memo = nullptr;
};

TEST_F(MemoTest, AddedLinesScrollIntoView) {
    for (int i = 0; i < 40; ++i)
        memo->Lines().Add("EC_COMPLETE - line " + std::to_string(i));
    EXPECT_EQ(memo->RowCount(), 40);
    const int top = memo->TopRow();
    EXPECT_GT(top, 0);
    memo->SetFocus();
    Host->KeyDown(form->Handle(), VK_HOME, PlatformCtrl);
    Pump();
    EXPECT_EQ(memo->TopRow(), 0);
    // Changing a line leaves the view alone; adding one at the end shows it.
    memo->Lines().SetStrings(5, "changed");
    EXPECT_EQ(memo->TopRow(), 0);
    memo->Lines().Add("last");
    EXPECT_EQ(memo->TopRow(), top + 1);
}

TEST_F(MemoTest, WordWrapBreaksAtSpacesAndInsideLongWords) {
    memo->Lines().Add("alpha beta gamma");
    memo->Lines().Add("");
    EXPECT_EQ(memo->RowCount(), 2);
    memo->SetWidth(2 + 16 + 2 + 2 + 1); // one pixel of text: one character a row
    memo->Lines().SetText("ab cd");
    EXPECT_EQ(memo->RowCount(), 4); // "a", "b ", "c", "d"
    // Lines added one by one wrap as a whole text does.
    memo->Lines().Add("ef");
    EXPECT_EQ(memo->RowCount(), 6);
    memo->Lines().SetText("ab cd\nef");
    EXPECT_EQ(memo->RowCount(), 6);
    memo->SetWordWrap(false);
    EXPECT_EQ(memo->RowCount(), 2);
    memo->SetWordWrap(true);
    memo->SetWidth(2 + 16 + 2 + 2 + 2000);
    EXPECT_EQ(memo->RowCount(), 2);
}

} // namespace
