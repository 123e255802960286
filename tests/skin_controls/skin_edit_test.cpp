#include "framework/controls/menu.h"
#include "framework/controls/menu_item.h"
#include "framework/windowing/caret.h"
#include "skin_controls/se_skin_combo_box.h"
#include "skin_controls/se_skin_edit.h"
#include "framework/core/object_text_reader.h"
#include "framework/text_lines.h"
#include "skin_controls/skin_control_fixture.h"
#include "skin_controls/skin_control_registry.h"

#include <string>

using namespace brisat;
using namespace brisat::test;

namespace {

// Opens the context menu's preparation to the tests (popping it up would track the menu).
class TProbeEdit : public TSeSkinEdit {
public:
    using TSeSkinEdit::TSeSkinEdit;
    using TSeSkinEdit::PrepareContextMenu;
    TRect TextRect() const { return GetTextRect(); }
};

// A 300 × 21 edit at (10, 10) of the form, focused, with OnChange counted.
class SkinEditTest : public SkinControlTest {
protected:
    void SetUp() override {
        SkinControlTest::SetUp();
        edit = &Add<TProbeEdit>(Bounds(10, 10, 300, 21));
        other = &Add<TProbeEdit>(Bounds(10, 50, 100, 21));
        edit->OnChange = [this](TComponent&) { ++changes; };
        Pump();
        h = Form->Handle();
        edit->SetFocus();
        Pump();
    }
    void Key(uint32_t key, uint32_t modifiers = 0) { PressKey(key, modifiers); }
    void Type(const std::string& text) {
        for (char c : text)
            Host->TypeKey(h, 0, std::string(1, c));
        Pump();
    }
    // Enabled flags of Undo, Cut, Copy, Paste, Delete, Select All as "UCXPDA" letters or '-'.
    std::string MenuState() {
        edit->PrepareContextMenu();
        std::string state;
        TMenuItem& items = edit->ContextMenu()->Items();
        const char letters[] = "U-CXPD-A";
        for (int i = 0; i < items.Count(); ++i)
            if (!items.Items(i).IsLine()) state += items.Items(i).Enabled() ? letters[i] : '-';
        return state;
    }

    TProbeEdit* edit = nullptr;
    TProbeEdit* other = nullptr;
    HWND h = 0;
    int changes = 0;
};

TEST_F(SkinEditTest, UndoTakesBackTypingBackspacingAndReplacedSelectionsAsWholeSteps) {
    Type("abc");
    EXPECT_EQ(changes, 3);
    Key('Z', PlatformCtrl);
    EXPECT_EQ(edit->Text(), "") << "typing is one step";

    Type("hello world");
    Key(VK_BACK);
    Key(VK_BACK);
    Key(VK_BACK);
    Key('Z', PlatformCtrl);
    EXPECT_EQ(edit->Text(), "hello world") << "backspacing is one step";
    EXPECT_EQ(edit->SelText(), "rld");

    Key(VK_HOME);
    Key(VK_DELETE);
    Key(VK_DELETE);
    Key('Z', PlatformCtrl);
    EXPECT_EQ(edit->Text(), "hello world") << "forward deleting is one step";

    Key(VK_END);
    Key(VK_LEFT, PlatformCtrl | PlatformShift);
    Type("there");
    EXPECT_EQ(edit->Text(), "hello there");
    Key('Z', PlatformCtrl);
    EXPECT_EQ(edit->Text(), "hello world") << "typing over a selection is one step";
    EXPECT_EQ(edit->SelText(), "world");

    // WM_UNDO reports whether anything was undone; read-only edits refuse.
    edit->SetReadOnly(true);
    EXPECT_EQ(SendMessage(edit->Handle(), WM_UNDO, 0, 0), 0);
    edit->SetReadOnly(false);
    EXPECT_EQ(SendMessage(edit->Handle(), WM_UNDO, 0, 0), 1);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(SendMessage(edit->Handle(), WM_UNDO, 0, 0), 0);
}

TEST_F(SkinEditTest, MaxLengthRefusesKeystrokesAndCutsPastes) {
    edit->SetMaxLength(5);
    Type("abcdefg");
    EXPECT_EQ(edit->Text(), "abcde");
    Key(VK_LEFT, PlatformShift);
    Key(VK_LEFT, PlatformShift);
    Host->SetClipboardText("xyz");
    Key('V', PlatformCtrl);
    EXPECT_EQ(edit->Text(), "abcxy");
    EXPECT_EQ(edit->Caret(), 5);
    Host->SetClipboardText(std::string(3 << 20, 'q') + "\ttail");
    edit->SetMaxLength(0);
    edit->SelectAll();
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->Text().size(), size_t(3 << 20) + 5) << "a tab pastes as a space";
    Key(VK_END);
    Pump();
    EXPECT_GT(edit->FirstVisible(), (3 << 20) - 100) << "the end is scrolled into view";
    Key(VK_HOME);
    EXPECT_EQ(edit->FirstVisible(), 1);
}

TEST_F(SkinEditTest, ShiftKeepsTheFarEndCtrlStepsByWordsDoubleClickSelectsAWord) {
    edit->SetText("one two three");
    edit->SelectRange(5, 0);
    Key(VK_LEFT, PlatformShift);
    Key(VK_LEFT, PlatformShift);
    EXPECT_EQ(edit->SelStart(), 3);
    EXPECT_EQ(edit->SelLength(), 2);
    Key(VK_RIGHT, PlatformShift);
    EXPECT_EQ(edit->SelText(), "t");
    Key(VK_RIGHT, PlatformCtrl);
    EXPECT_EQ(edit->Caret(), 8);
    EXPECT_EQ(edit->SelLength(), 0);
    Key(VK_LEFT, PlatformCtrl);
    EXPECT_EQ(edit->Caret(), 4);
    Key(VK_LEFT, PlatformCtrl);
    EXPECT_EQ(edit->Caret(), 0);

    // A double click on "two" (its left edge included) selects it with its trailing space.
    edit->SelectRange(4, 0);
    edit->SelectWord();
    EXPECT_EQ(edit->SelText(), "two ");
    EXPECT_EQ(edit->Caret(), 8);
    Host->Click(h, 10 + edit->Width() - 20, 20);
    Host->Click(h, 10 + edit->Width() - 20, 20);
    Pump();
    EXPECT_EQ(edit->SelText(), "three") << "a double click past the text takes the last word";
}

TEST_F(SkinEditTest, FocusSelectsAllWithTheCaretAtTheStart) {
    edit->SetText("mms://");
    other->SetFocus();
    edit->SetFocus();
    Pump();
    EXPECT_EQ(edit->SelText(), "mms://");
    EXPECT_EQ(edit->Caret(), 0);
    EXPECT_EQ(GetCaretPos().X, 4) << "the system caret stands at the text's left";
    edit->SetAutoSelect(false);
    other->SetFocus();
    edit->SetFocus();
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(SkinEditTest, CharCaseConvertsTypedAndStoredText) {
    Type("Mms");
    edit->SetCharCase(TEditCharCase::ecUpperCase);
    EXPECT_EQ(edit->Text(), "MMS");
    Type("x");
    edit->SetText("Привет");
    EXPECT_EQ(edit->Text(), "ПРИВЕТ");
    edit->SetCharCase(TEditCharCase::ecLowerCase);
    EXPECT_EQ(edit->Text(), "привет");
}

TEST_F(SkinEditTest, PasswordCellsAreDiscsAndNeverLeaveThroughTheClipboard) {
    edit->SetPasswordKind(TPasswordKind::pkCircle);
    edit->Font().SetColor(clBlack);
    Type("secret");
    edit->SelectAll();
    Host->SetClipboardText("before");
    Key('C', PlatformCtrl);
    Key('X', PlatformCtrl);
    EXPECT_EQ(Host->ClipboardText(), "before");
    EXPECT_EQ(edit->Text(), "") << "cut still removes the text";
    Key('Z', PlatformCtrl);
    other->SetFocus();

    // One disc per character: the cell centres are dark, the gaps between cells are not.
    const TRect text = InflateRect(Bounds(0, 0, 300, 21), -4, -4);
    int discs = 0;
    bool inDisc = false;
    for (int32_t x = text.Left; x < text.Left + 100; ++x) {
        const bool dark = At(*edit, x, 10) == 0;
        if (dark && !inDisc) ++discs;
        inDisc = dark;
    }
    EXPECT_EQ(discs, 6);
}

TEST_F(SkinEditTest, ContextMenuItemsFollowTheEditsState) {
    Host->SetClipboardText("");
    EXPECT_EQ(MenuState(), "------");
    Host->SetClipboardText("x");
    Type("ab");
    EXPECT_EQ(MenuState(), "U--P-A");
    edit->SelectAll();
    EXPECT_EQ(MenuState(), "UCXPD-") << "all selected: nothing more to select";
    edit->SetPasswordChar(U'*');
    EXPECT_EQ(MenuState(), "U--PD-") << "masked text is neither cut nor copied";
    edit->SetReadOnly(true);
    EXPECT_EQ(MenuState(), "------");
    edit->SetPasswordKind(TPasswordKind::pkNone);
    EXPECT_EQ(MenuState(), "--X---");
    // The items run their commands.
    edit->SetReadOnly(false);
    EXPECT_EQ(MenuState(), "UCXPD-");
    edit->ContextMenu()->Items().Items(5).Click();
    EXPECT_EQ(edit->Text(), "") << "Delete";
    edit->ContextMenu()->Items().Items(0).Click();
    EXPECT_EQ(edit->Text(), "ab") << "Undo";
}

} // namespace

namespace {

// The test skin plus "Edit" { Frame (a colour per state), Text (a 12-point font) }.
TSeSkinBody EditSkin() {
    TSeSkinBody body = ControlSkin();
    auto edit = TopObject("Edit");
    AddColorObject(*edit, "Frame");
    auto& text = AddColorObject(*edit, "Text");
    text.Font().SetSize(12);
    body.Objects.push_back(std::move(edit));
    return body;
}

TEST_F(SkinEditTest, DrawsTheSkinsFrameInItsStatesAndPlainWithoutIt) {
    LoadSkin(ControlSkin());
    edit->SetSkinEngine(Engine);
    EXPECT_FALSE(edit->IsSkinned()) << "the skin has no \"Edit\"";
    EXPECT_EQ(At(*edit, 0, 0), Rgb(clBtnShadow)) << "plain sunken border";
    EXPECT_EQ(At(*edit, 150, 18), Rgb(clWindow));

    LoadSkin(EditSkin());
    EXPECT_TRUE(edit->IsSkinned());
    EXPECT_EQ(edit->Font().Size(), 12) << "the font of the child \"Text\"";
    EXPECT_EQ(edit->Height(), 2 * 4 + edit->TextRect().Height());
    EXPECT_EQ(At(*edit, 0, 0), Rgb(kSkinFocused));
    EXPECT_EQ(At(*edit, 250, 2), Rgb(kSkinFocused));
    other->SetFocus();
    EXPECT_EQ(At(*edit, 250, 2), Rgb(kSkinFace));
    edit->SetEnabled(false);
    EXPECT_EQ(At(*edit, 250, 2), Rgb(kSkinDisabled));
}

// The hot frame shows as soon as the mouse comes in and goes when it leaves, with no other
// reason to repaint.
TEST_F(SkinEditTest, TheHotFrameFollowsTheMouseAtOnce) {
    LoadSkin(EditSkin());
    other->SetSkinEngine(Engine);
    ASSERT_EQ(At(*other, 90, 2), Rgb(kSkinFace));
    EXPECT_EQ(AtHoveredThenLeft(*other, {90, 2}), std::pair(Rgb(kSkinHot), Rgb(kSkinFace)));
}

TEST_F(SkinEditTest, AShippedSkinDrawsTheEditAndTheTextOverIt) {
    edit->SetText("mms://");
    other->SetFocus();
    Pump();
    const uint32_t plainCorner = At(*edit, 1, 1);
    LoadShippedSkin("steel");
    edit->SetSkinEngine(Engine);
    ASSERT_TRUE(edit->IsSkinned());
    EXPECT_NE(At(*edit, 1, 1), plainCorner);
    // The text is drawn in the skin's text colour over the frame: some pixel of the first
    // characters differs from the frame's colour beside them.
    const uint32_t background = At(*edit, 150, 10);
    bool ink = false;
    for (int32_t x = 4; x < 40 && !ink; ++x)
        for (int32_t y = 4; y < 17 && !ink; ++y)
            ink = At(*edit, x, y) != background;
    EXPECT_TRUE(ink);
}

// Preluna's field leaves its outermost ring see-through in the normal state: an opaque edit or
// combo box shows its Color there, never what the buffer held before (the plain border at
// first, the hot glow after a hover).
TEST_F(SkinEditTest, OpaqueEditsShowTheirColorWhereTheFrameIsSeeThrough) {
    auto& combo = Add<TSeSkinComboBox>(Bounds(10, 100, 100, 21));
    other->SetColor(clYellow);
    combo.SetColor(clYellow);
    LoadShippedSkin("preluna");
    other->SetSkinEngine(Engine);
    combo.SetSkinEngine(Engine);
    ASSERT_TRUE(other->IsSkinned() && combo.IsSkinned());
    EXPECT_EQ(At(*other, 50, 0), Rgb(clYellow));
    EXPECT_EQ(At(combo, 30, 0), Rgb(clYellow));
    EXPECT_EQ(AtHoveredThenLeft(*other, {50, 0}).second, Rgb(clYellow)) << "after the hot look";
}

} // namespace

namespace {

using SkinEditClassTest = SkinControlTest;

TEST_F(SkinEditClassTest, LayoutsHoldTheEditsSettings) {
    RegisterSkinControlClasses();
    auto read = TextToComponent(Lines({
        "object URL: TSeSkinEdit",
        "  CharCase = ecLowerCase",
        "  MaxLength = 300",
        "  PasswordChar = '*'",
        "  PopupMenuBlendValue = 200",
        "  Text = 'MMS://'",
        "end",
    }));
    auto& e = dynamic_cast<TSeSkinEdit&>(*read);
    EXPECT_EQ(e.Text(), "mms://");
    EXPECT_EQ(e.MaxLength(), 300);
    EXPECT_EQ(e.PasswordKind(), TPasswordKind::pkChar);
    EXPECT_EQ(e.PopupMenuSettings().BlendValue, 200);
    EXPECT_EQ(e.SkinObject(), "Edit");
    ASSERT_NE(e.ContextMenu(), nullptr) << "made when loading finished";
    EXPECT_EQ(e.ContextMenu()->Items().Count(), 8);
}

} // namespace
