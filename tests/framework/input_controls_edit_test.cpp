#include "framework/windowing/caret.h"
#include "framework/windowing/clipboard.h"
#include "framework/widgets/edit.h"
#include "framework/controls/form.h"
#include "framework/widgets/input_control_classes.h"
#include "framework/core/object_text_reader.h"
#include "headless_fixture.h"
#include "text_lines.h"

#include <string>

using namespace brisat;

namespace {

class EditTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(50, 50, 300, 100);
        edit = &CreateOwned<TEdit>(*form);
        edit->SetBounds(10, 10, 121, 21);
        edit->SetParent(form);
        other = &CreateOwned<TEdit>(*form);
        other->SetBounds(10, 40, 121, 21);
        other->SetParent(form);
        edit->OnChange = [this](TComponent&) { ++changes; };
        form->Show();
        Pump();
        h = form->Handle();
        edit->SetFocus();
        Pump();
    }
    void Key(uint32_t key, uint32_t modifiers = 0) {
        Host->KeyDown(h, key, modifiers);
        Host->KeyUp(h, key, modifiers);
        Pump();
    }
    void Type(const std::string& text) {
        Host->TypeKey(h, 0, text);
        Pump();
    }

    TForm* form = nullptr;
    TEdit* edit = nullptr;
    TEdit* other = nullptr;
    HWND h = 0;
    int changes = 0;
};

TEST_F(EditTest, TypingAndKeysEditAtTheCaretCharacterByCharacter) {
    Type("Привет");
    Type("!");
    EXPECT_EQ(edit->Text(), "Привет!");
    EXPECT_EQ(changes, 7) << "one change a character";
    Key(VK_LEFT);
    Key(VK_LEFT);
    Key(VK_BACK); // the Cyrillic "е", two bytes
    EXPECT_EQ(edit->Text(), "Привт!");
    Key(VK_HOME);
    Key(VK_DELETE);
    EXPECT_EQ(edit->Text(), "ривт!");
    Key(VK_RIGHT, PlatformShift);
    Key(VK_RIGHT, PlatformShift);
    EXPECT_EQ(edit->SelText(), "ри");
    Type("x");
    EXPECT_EQ(edit->Text(), "xвт!");
    Key(VK_END, PlatformShift);
    EXPECT_EQ(edit->SelText(), "вт!");
    Key(VK_LEFT); // collapses to the selection's start
    EXPECT_EQ(edit->SelLength(), 0u);
    EXPECT_EQ(edit->SelStart(), 1u);

    edit->SetMaxLength(5);
    Type("abcdef");
    EXPECT_EQ(edit->Text(), "xaвт!") << "typing stops at the limit";
    edit->SetReadOnly(true);
    Key(VK_BACK);
    Type("z");
    EXPECT_EQ(edit->Text(), "xaвт!");
    edit->SetText("longer than five");
    EXPECT_EQ(edit->Text(), "longer than five") << "the program's text is not cut";
    EXPECT_EQ(edit->SelStart(), 0u);
}

TEST_F(EditTest, ClipboardKeysCopyCutAndPasteTheFirstLine) {
    Type("hello world");
    Key('A', PlatformCtrl);
    EXPECT_EQ(edit->SelText(), "hello world");
    Key('C', PlatformCtrl);
    EXPECT_EQ(Host->ClipboardText(), "hello world");
    Key(VK_HOME);
    Key(VK_RIGHT, PlatformShift);
    Key('X', PlatformCtrl);
    EXPECT_EQ(edit->Text(), "ello world");
    EXPECT_EQ(Host->ClipboardText(), "h");
    Host->SetClipboardText("one\r\ntwo");
    Key(VK_END);
    Key('V', PlatformCtrl);
    EXPECT_EQ(edit->Text(), "ello worldone");
    // Masked text never leaves through the clipboard.
    edit->SetPasswordChar(U'*');
    Key('A', PlatformCtrl);
    Key('X', PlatformCtrl);
    EXPECT_EQ(edit->Text(), "ello worldone");
    EXPECT_EQ(Host->ClipboardText(), "one\r\ntwo");
}

TEST_F(EditTest, CtrlZUndoesStepsAndCtrlArrowsMoveByWords) {
    Type("open the file");
    Key(VK_LEFT, PlatformCtrl);
    Key(VK_LEFT, PlatformCtrl | PlatformShift);
    EXPECT_EQ(edit->SelText(), "the ");
    Type("a ");
    EXPECT_EQ(edit->Text(), "open a file");
    Key(VK_RIGHT, PlatformCtrl);
    EXPECT_EQ(edit->SelStart(), edit->Text().size());
    Key(VK_BACK);
    Key(VK_BACK);
    const int before = changes;
    Key('Z', PlatformCtrl);
    EXPECT_EQ(edit->Text(), "open a file") << "backspacing is one step";
    Key('Z', PlatformCtrl);
    EXPECT_EQ(edit->Text(), "open the file") << "typing over a selection is one step";
    EXPECT_EQ(changes, before + 2);
    Key('Z', PlatformCtrl);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_FALSE(edit->Undo());
}

TEST_F(EditTest, MousePlacesAndDragsTheSelectionAutoSelectOnlyFromTheKeyboard) {
    edit->SetText("abcdefgh");
    other->SetFocus();
    Pump();
    Host->Click(h, 12, 20);
    Pump();
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelLength(), 0u) << "a click places the caret";
    EXPECT_EQ(edit->SelStart(), 0u);
    Host->Advance(1000);
    Host->MouseDown(h, 12, 20);
    Host->MouseMove(h, 125, 20);
    Host->MouseUp(h, 125, 20);
    Pump();
    EXPECT_EQ(edit->SelText(), "abcdefgh");
    other->SetFocus();
    edit->SetFocus();
    EXPECT_EQ(edit->SelLength(), 8u) << "keyboard focus selects all";
}

TEST_F(EditTest, LongTextScrollsToKeepTheCaretInside) {
    edit->SetText(std::string(200, 'W'));
    Key(VK_END);
    const TPoint caret = GetCaretPos();
    EXPECT_GT(caret.X, 60);
    EXPECT_LT(caret.X, 121 - 2);
    // The end of the text is painted at the right: the last text pixel is near the caret.
    Key(VK_HOME);
    EXPECT_EQ(GetCaretPos().X, 3);
}

TEST_F(EditTest, LayoutsSetTextLimitAndMask) {
    RegisterInputControlClasses();
    auto read = TextToComponent(Lines({
        "object Edit1: TEdit",
        "  MaxLength = 8",
        "  PasswordChar = '*'",
        "  Text = 'mms://'",
        "end",
    }));
    auto& e = dynamic_cast<TEdit&>(*read);
    EXPECT_EQ(e.Text(), "mms://");
    EXPECT_EQ(e.MaxLength(), 8);
    EXPECT_EQ(e.PasswordChar(), U'*');
}

} // namespace
