#include "framework/core/class_registry.h"
#include "framework/core/exceptions.h"
#include "framework/controls/menu_classes.h"
#include "framework/core/object_text_reader.h"
#include "framework/core/object_text_writer.h"
#include "menu_fixture.h"
#include "platform/platform.h"
#include "text_lines.h"

using namespace brisat;

namespace {

TEST(ShortCutText, NamesKeysWithTheirModifiersBothWays) {
    struct Case {
        TShortCut shortCut;
        const char* text;
    };
    const Case cases[] = {
        {scCtrl | 'O', "Ctrl+O"},
        {VK_F1 + 10, "F11"},
        {scAlt | VK_RETURN, "Alt+Enter"},
        {VK_SPACE, "Space"},
        {VK_DELETE, "Del"},
        {VK_ESCAPE, "Esc"},
        {scShift | '1', "Shift+1"},
        {0x2072, "Shift+F3"},
        {scShift | scCtrl | scAlt | 'Z', "Shift+Ctrl+Alt+Z"},
        {'X', "X"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
        EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
    }
    EXPECT_EQ(TextToShortCut("ctrl + escape"), scCtrl | VK_ESCAPE);
    EXPECT_EQ(TextToShortCut("Delete"), VK_DELETE);
    for (const char* bad : {"", "Ctrl+", "Hyper+A", "F25", "F0", "Ctrl+AB", "+"})
        EXPECT_EQ(TextToShortCut(bad), scNone) << bad;
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(scCtrl | 0xFF), "") << "a key without a name";
}

TEST(MenuItemTree, RadioGroupsKeepOneCheckedAndAutoCheckToggles) {
    TMenu menu(nullptr);
    std::vector<std::unique_ptr<TMenuItem>> items;
    const auto add = [&](uint8_t group, bool radio) -> TMenuItem& {
        items.push_back(std::make_unique<TMenuItem>(nullptr));
        TMenuItem& item = *items.back();
        item.SetRadioItem(radio);
        item.SetGroupIndex(group);
        item.SetAutoCheck(true);
        menu.Items().Add(item);
        return item;
    };
    TMenuItem& a = add(1, true);
    TMenuItem& b = add(1, true);
    TMenuItem& c = add(2, true);
    TMenuItem& plain = add(1, false);
    a.SetChecked(true);
    c.SetChecked(true);
    plain.SetChecked(true);
    b.Click();
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(b.Checked());
    EXPECT_TRUE(c.Checked()) << "another group";
    EXPECT_TRUE(plain.Checked()) << "not a radio item";
    b.Click();
    EXPECT_TRUE(b.Checked()) << "clicking the checked radio item keeps it";
    plain.Click();
    EXPECT_FALSE(plain.Checked());
    plain.SetEnabled(false);
    plain.Click();
    EXPECT_FALSE(plain.Checked()) << "a disabled item ignores clicks";
}

TEST(MenuItemTree, ListOperationsAndTheirErrors) {
    TMenu menu(nullptr);
    TMenuItem file(nullptr), open(nullptr), exit(nullptr);
    file.SetCaption("&File");
    open.SetCaption("&Open && Play");
    exit.SetCaption("E&xit");
    menu.Items().Add(file);
    file.Add(exit);
    file.Insert(0, open);
    EXPECT_EQ(file.IndexOf(&open), 0);
    EXPECT_EQ(file.IndexOf(&exit), 1);
    EXPECT_EQ(open.GetParentMenu(), &menu);
    EXPECT_EQ(file.Find("open && play"), &open);
    EXPECT_EQ(file.Find("Nothing"), nullptr);
    EXPECT_EQ(file.FindByAccelerator(U'X'), &exit);
    EXPECT_THROW(menu.Items().Add(open), EInvalidOperation);
    EXPECT_THROW(open.Add(file), EInvalidOperation);
    EXPECT_THROW(file.Items(2), EListError);
    file.Delete(0);
    EXPECT_EQ(open.Parent(), nullptr);
    EXPECT_EQ(file.Count(), 1);
    {
        TMenuItem gone(nullptr);
        file.Add(gone);
    }
    EXPECT_EQ(file.Count(), 1) << "a destroyed item leaves its list";
}

using MenuShortCutTest = MenuTest;

TEST_F(MenuShortCutTest, AShortCutReachesItsItemBeforeTheFocusedControl) {
    auto& main = CreateOwned<TMainMenu>(*form);
    TMenuItem& file = AddItem(main.Items(), "&File");
    AddItem(file, "&Open", scCtrl | 'O');
    TMenuItem& locked = AddItem(file, "&Lock", 'L');
    locked.SetEnabled(false);
    auto& popup = CreateOwned<TPopupMenu>(*form);
    AddItem(popup.Items(), "Play", 'X');
    form->SetMenu(&main);
    std::vector<uint16_t> keysSeen;
    form->OnKeyDown = [&](TComponent&, uint16_t& key, TShiftState) { keysSeen.push_back(key); };

    Host->KeyDown(form->Handle(), 'O', PlatformCtrl);
    Host->KeyDown(form->Handle(), 'X');
    Host->KeyDown(form->Handle(), 'L');
    Host->KeyDown(form->Handle(), 'O');
    Pump();
    EXPECT_EQ(clicks, (std::vector<std::string>{"Open", "Play"}));
    EXPECT_EQ(keysSeen, (std::vector<uint16_t>{'L', 'O'})) << "keys no enabled item takes";

    file.SetEnabled(false);
    Host->KeyDown(form->Handle(), 'O', PlatformCtrl);
    Pump();
    EXPECT_EQ(clicks.size(), 2u) << "a disabled parent disables its items' shortcuts";
}

TEST_F(MenuShortCutTest, ALayoutWithMenusReadsBackAndBindsHandlers) {
    RegisterMenuClasses();
    std::vector<std::string> handled;
    form->Methods().Add<TNotifyEvent>("Open1Click",
                                      [&](TComponent&) { handled.push_back("Open"); });
    form->Methods().Add<TNotifyEvent>("PopupMenu1Popup",
                                      [&](TComponent&) { handled.push_back("Popup"); });
    const std::string text = Lines({
        "object frmMain: TForm",
        "  Left = 100",
        "  Top = 100",
        "  ClientHeight = 150",
        "  ClientWidth = 250",
        "  Menu = MainMenu1",
        "  PopupMenu = PopupMenu1",
        "  object MainMenu1: TMainMenu",
        "    object File1: TMenuItem",
        "      Caption = '&File'",
        "      object Open1: TMenuItem",
        "        Caption = '&Open'",
        "        ShortCut = 16463",
        "        OnClick = Open1Click",
        "      end",
        "      object N1: TMenuItem",
        "        Caption = '-'",
        "      end",
        "      object View1: TMenuItem",
        "        Caption = 'View'",
        "        object Stretched1: TMenuItem",
        "          AutoCheck = True",
        "          Caption = 'Stretched'",
        "          GroupIndex = 1",
        "          RadioItem = True",
        "        end",
        "        object LetterBox1: TMenuItem",
        "          AutoCheck = True",
        "          Caption = 'Letter Box'",
        "          Checked = True",
        "          GroupIndex = 1",
        "          RadioItem = True",
        "        end",
        "      end",
        "    end",
        "  end",
        "  object PopupMenu1: TPopupMenu",
        "    Alignment = paCenter",
        "    OnPopup = PopupMenu1Popup",
        "    object Box1: TMenuItem",
        "      Caption = 'Box'",
        "      ImageIndex = 9",
        "      ShortCut = 'Shift+F3'",
        "    end",
        "  end",
        "end",
    });
    form->LoadLayout(text);
    auto* main = dynamic_cast<TMainMenu*>(form->FindComponentInTree("MainMenu1"));
    auto* popup = dynamic_cast<TPopupMenu*>(form->FindComponentInTree("PopupMenu1"));
    ASSERT_TRUE(main && popup);
    EXPECT_EQ(form->Menu(), main);
    EXPECT_EQ(form->PopupMenu(), popup);
    EXPECT_EQ(form->ClientHeight(), 150) << "the menu bar lies outside the client area";
    ASSERT_EQ(main->Items().Count(), 1);
    TMenuItem& file = main->Items().Items(0);
    ASSERT_EQ(file.Count(), 3);
    EXPECT_EQ(file.Items(0).Name(), "Open1");
    EXPECT_EQ(file.Items(0).ShortCut(), scCtrl | 'O');
    EXPECT_TRUE(file.Items(1).IsLine());
    EXPECT_EQ(file.Items(2).Count(), 2);
    EXPECT_TRUE(file.Items(2).Items(1).Checked());
    EXPECT_EQ(form->FindComponentInTree("LetterBox1"), &file.Items(2).Items(1));
    EXPECT_EQ(popup->Alignment(), TPopupAlignment::paCenter);
    EXPECT_EQ(popup->Items().Items(0).ShortCut(), 0x2072);
    EXPECT_EQ(popup->Items().Items(0).ImageIndex(), 9);

    file.Items(0).Click();
    popup->OnPopup(*popup);
    EXPECT_EQ(handled, (std::vector<std::string>{"Open", "Popup"}));
    // Written back, the menus nest as they were read.
    const std::string written = ComponentToText(*main);
    auto copy = TextToComponent(written);
    EXPECT_EQ(ComponentToText(*copy), written);
    EXPECT_NE(written.find("      object LetterBox1: TMenuItem"), std::string::npos) << written;
    // An item moved to another list in code is still written, by the item that owns it.
    TMenuItem& letterBox = file.Items(2).Items(1);
    file.Items(2).Remove(letterBox);
    file.Add(letterBox);
    EXPECT_NE(ComponentToText(*main).find("LetterBox1"), std::string::npos);
}

TEST_F(MenuShortCutTest, DamagedMenuLayoutsFailWithAClearError) {
    RegisterMenuClasses();
    const std::string bad[] = {
        Lines({"object M: TMainMenu", "  object A: TMenuItem", "    ShortCut = 70000", "  end",
               "end"}),
        Lines({"object M: TMainMenu", "  object A: TMenuItem", "    ShortCut = 'Ctrl+Nothing'",
               "  end", "end"}),
        Lines({"object M: TMainMenu", "  object A: TMenuItem", "    GroupIndex = 256", "  end",
               "end"}),
        Lines({"object M: TMainMenu", "  object A: TMenuItem", "    OnClick = Missing", "  end",
               "end"}),
    };
    for (const std::string& text : bad)
        EXPECT_THROW(TextToComponent(text), EReadError) << text;
}

} // namespace
