// What skin trees do besides drawing: caption buttons hiding by window state and running window
// actions, roll panels, hue and character-set changes, deep copies, and repaint requests.
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/pixel.h"
#include "skin/bitmap_fixture.h"
#include "skin/objects/caption_flags.h"
#include "skin/objects/skin_object_text.h"
#include "skin/skin_object_fixture.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

struct BoundTree {
    TFormControl control{nullptr};
    TRecordingForm form;
    std::unique_ptr<TSeSkinObject> root = std::make_unique<TSeSkinObject>(nullptr);

    BoundTree() {
        control.Form = &form;
        root->SetBounds({0, 0, 100, 30});
    }
    template <class T> T& Button(TSeAction action, const std::string& name = "Button") {
        T& button = AddChild<T>(*root, name, TSeAlign::saNone, {80, 0, 96, 16});
        button.SetAction(action);
        root->SetControl(&control);
        return button;
    }
};

} // namespace

TEST(SkinObjectBehaviour, CaptionButtonsHideByWindowStateAndMissingBorderIcons) {
    using enum TSeAction;
    using enum TKsBorderIcon;
    struct Case {
        TSeAction Action;
        TSeState State;
        bool Bound;
        std::set<TKsBorderIcon> Icons;
        bool Visible;
    };
    const std::set<TKsBorderIcon> all = {kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize,
                                         kbiHelp,  kbiRollup,     kbiTray};
    const Case cases[] = {
        {sbaMaximize, ssNormal, true, all, true},
        {sbaMaximize, ssMaximized, true, all, false},
        {sbaMaximize, ssNormal, true, {kbiClose}, false},
        {sbaMaximize, ssNormal, false, {}, true},
        {sbaRestore, ssNormal, true, all, false},
        {sbaRestore, ssMaximized, true, all, true},
        {sbaRestore, ssMaximized, true, {kbiClose, kbiRollup}, false},
        {sbaRollUp, ssRolledUp, true, all, false},
        {sbaRollDown, ssRolledUp, true, all, true},
        {sbaMinimize, ssMinimized, true, all, false},
        {sbaHelp, ssNormal, true, {kbiClose}, false},
        {sbaCustom, ssMinimized, true, {}, true},
        // Hot and the other control states leave visibility as it was (here: hidden).
        {sbaClose, ssHot, false, {}, false},
    };
    for (const Case& c : cases)
        for (bool caption : {false, true}) {
            BoundTree tree;
            tree.form.Icons = c.Icons;
            TSeSkinObject& button =
                caption ? static_cast<TSeSkinObject&>(tree.Button<TSeSysButtonSkinObject>(c.Action))
                        : tree.Button<TSeSystemButton>(c.Action);
            if (!c.Bound) tree.root->SetControl(nullptr);
            button.SetVisible(false);
            tree.root->SetState(c.State);
            EXPECT_EQ(button.Visible(), c.Visible)
                << "action " << int(c.Action) << ", state " << c.State << ", class " << caption;
            EXPECT_EQ(button.State(), c.State);
        }
}

TEST(SkinObjectBehaviour, AClickRunsTheActionOnlyAfterAPressOnTheButton) {
    BoundTree tree;
    auto& button = tree.Button<TSeSysButtonSkinObject>(TSeAction::sbaMaximize);
    button.MouseUp(TMouseButton::mbLeft, 1, 1);
    EXPECT_TRUE(tree.form.Calls.empty());

    button.MouseEnter();
    EXPECT_EQ(button.ButtonState(), TSeButtonState::bsHot);
    button.MouseDown(TMouseButton::mbRight, 1, 1);
    EXPECT_EQ(button.ButtonState(), TSeButtonState::bsHot);
    button.MouseDown(TMouseButton::mbLeft, 1, 1);
    EXPECT_EQ(button.ButtonState(), TSeButtonState::bsPressed);
    button.MouseUp(TMouseButton::mbLeft, 1, 1);
    EXPECT_EQ(button.ButtonState(), TSeButtonState::bsHot);
    EXPECT_EQ(tree.form.Calls, std::vector<std::string>{"Maximize"});
    // Every change of look asked the control to repaint the button.
    EXPECT_EQ(tree.control.Repainted, std::vector<TSeSkinObject*>(3, &button));

    // Entering with the left button held shows it pressed at once.
    button.MouseLeave();
    button.MouseMove(TShiftState{TShiftStateKind::ssLeft}, 0, 0);
    button.MouseEnter();
    EXPECT_EQ(button.ButtonState(), TSeButtonState::bsPressed);
}

TEST(SkinObjectBehaviour, ActionsReachTheFormAndMayFreeTheTree) {
    using enum TSeAction;
    const std::pair<TSeAction, std::string> cases[] = {
        {sbaClose, "Close"},           {sbaHelp, "Help"},         {sbaMinimize, "Minimize"},
        {sbaRestore, "Restore"},       {sbaRollDown, "Restore"},  {sbaRollUp, "RollUp"},
        {sbaTray, "HideToTray"},       {sbaSysMenu, "OpenSystemMenu"},
        {sbaCustom, "Custom Button"},
    };
    for (const auto& [action, call] : cases) {
        BoundTree tree;
        auto& button = tree.Button<TSeSystemButton>(action);
        button.MouseDown(TMouseButton::mbLeft, 0, 0);
        button.MouseUp(TMouseButton::mbLeft, 0, 0);
        EXPECT_EQ(tree.form.Calls, std::vector<std::string>{call});
    }

    // Closing may free the tree the button lives in: the button touches nothing afterwards.
    BoundTree tree;
    auto& close = tree.Button<TSeSysButtonSkinObject>(TSeAction::sbaClose);
    tree.form.OnClose = [&] { tree.root.reset(); };
    close.MouseDown(TMouseButton::mbLeft, 0, 0);
    close.MouseUp(TMouseButton::mbLeft, 0, 0);
    EXPECT_EQ(tree.root, nullptr);

    // A double click on the system-menu button closes the window.
    BoundTree menu;
    menu.Button<TSeSystemButton>(TSeAction::sbaSysMenu).DblClick(TMouseButton::mbLeft, 0, 0);
    EXPECT_EQ(menu.form.Calls, std::vector<std::string>{"Close"});
}

TEST(SkinObjectBehaviour, ARollPanelButtonTogglesThePanelKeepingItsFixedEdge) {
    BoundTree tree;
    auto& panel = AddChild<TSeRollPanelObject>(*tree.root, "Drawer", TSeAlign::saNone,
                                               {10, 5, 60, 25});
    panel.SetRollKind(TSeRollKind::rkLeft);
    panel.SetRollValue(12);
    auto& button = tree.Button<TSeSysButtonSkinObject>(TSeAction::sbaRollPanel);
    button.SetRollPanel("DRAWER");
    auto click = [&] {
        button.MouseDown(TMouseButton::mbLeft, 0, 0);
        button.MouseUp(TMouseButton::mbLeft, 0, 0);
    };
    click();
    EXPECT_EQ(panel.BoundsRect(), Rect(48, 5, 60, 25));
    click();
    EXPECT_EQ(panel.BoundsRect(), Rect(10, 5, 60, 25));
    EXPECT_EQ(tree.form.Calls,
              (std::vector<std::string>{"ProcessPendingMessages", "ProcessPendingMessages"}));

    panel.SetRollKind(TSeRollKind::rkBottom);
    panel.SetRollValue(-4); // a negative roll value collapses the panel instead of turning it
    panel.Toggle();
    EXPECT_EQ(panel.BoundsRect(), Rect(10, 5, 60, 5));
}

TEST(SkinObjectBehaviour, ChangeHueAndSetCharsetReachTheColoursAndFontsTheyCover) {
    auto hue = [](TColor c) { return PixelToColor(HueShift(ColorToPixel(c, 255), 85)); };
    TSeActiveObject root(nullptr);
    root.SetColor(clRed);
    root.Font().SetColor(clBlue);
    root.SetActiveColor(clYellow);
    auto& text = AddChild<TSeTextObject>(root, "Text", TSeAlign::saNone, {});
    text.FontDisabled().SetColor(clRed);
    auto& colors = AddChild<TSeColorButtonObject>(root, "Colors", TSeAlign::saNone, {});
    colors.SetHotColor(clRed);
    auto& bitmap = AddChild<TSeActiveBitmap>(root, "Bitmap", TSeAlign::saNone, {});

    root.ChangeHue(85);
    EXPECT_NE(hue(clRed), clRed);
    EXPECT_EQ(root.Color(), hue(clRed));
    EXPECT_EQ(root.Font().Color(), hue(clBlue));
    EXPECT_EQ(root.ActiveColor(), hue(clYellow));
    EXPECT_EQ(text.FontDisabled().Color(), hue(clRed));
    EXPECT_EQ(colors.HotColor(), clRed);
    EXPECT_EQ(colors.Color(), hue(clWhite));

    root.SetCharset(RUSSIAN_CHARSET);
    for (const TFont* font : {&root.Font(), &root.ActiveFont(), &text.FontHot(),
                              &bitmap.ActiveFont(), &colors.Font()})
        EXPECT_EQ(font->Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(colors.HotFont().Charset(), DEFAULT_CHARSET);
}

TEST(SkinObjectBehaviour, ACloneIsADeepCopySharingOnlyTheBitmaps) {
    auto bitmap = MakeCoordBitmap(4, 4);
    TSeFormBitmapSkinObject source(nullptr);
    source.SetName("Form");
    source.SetBounds({0, 0, 100, 50});
    source.Bitmap().SetBitmap(bitmap.get());
    source.Bitmap().SetRect({0, 0, 4, 4});
    auto& button = AddChild<TSeSystemButton>(source, "Max", TSeAlign::saTopRight, {80, 2, 96, 18});
    button.SetAction(TSeAction::sbaMaximize);
    source.SetBounds({0, 0, 120, 50}); // the anchored button moves to 100
    const std::string before = SkinObjectText(source, TSkinTextForm::tsfFile);

    std::unique_ptr<TSeSkinObject> clone = CloneObject(source);
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(SkinObjectText(*clone, TSkinTextForm::tsfFile), before);
    auto& cloneForm = dynamic_cast<TSeFormBitmapSkinObject&>(*clone);
    EXPECT_EQ(cloneForm.Bitmap().Bitmap(), bitmap.get());

    cloneForm.Bitmap().SetRect({1, 1, 2, 2});
    cloneForm.Font().SetColor(clRed);
    auto& cloneButton = dynamic_cast<TSeSystemButton&>(*clone->FindObject("Max"));
    EXPECT_NE(&cloneButton, &button);
    cloneButton.SetAction(TSeAction::sbaClose);
    clone->SetBounds({0, 0, 300, 300});
    EXPECT_EQ(SkinObjectText(source, TSkinTextForm::tsfFile), before);
    EXPECT_EQ(button.Left(), 100);

    // Cloned with an owner, the copy belongs to it.
    TSeSkinObject owner(nullptr);
    TSeSkinObject* owned = CloneObject(button, owner);
    ASSERT_NE(owned, nullptr);
    EXPECT_EQ(owned->Owner(), &owner);
    EXPECT_EQ(owner.FindObject("max"), owned);
}

TEST(SkinObjectBehaviour, CaptionAlignmentFlagsMirrorForShortcutsAndRightToLeft) {
    using enum TSeTextAlign;
    using enum TSeBiDiMode;
    constexpr auto ltr = TReadingOrder::roLeftToRight, rtl = TReadingOrder::roRightToLeft;
    constexpr auto text = TCaptionPart::cpText, shortcut = TCaptionPart::cpShortCut;
    struct Case {
        TSeTextAlign Align;
        TCaptionPart Part;
        TReadingOrder Locale;
        TSeBiDiMode Mode;
        uint32_t Flags;
    };
    const Case cases[] = {
        {taTopLeft, text, ltr, bdRightToLeft, DT_LEFT | DT_TOP},
        {taCenter, text, ltr, bdLeftToRight, DT_CENTER | DT_VCENTER},
        {taBottomRight, text, ltr, bdLeftToRight, DT_RIGHT | DT_BOTTOM},
        {taLeft, shortcut, ltr, bdLeftToRight, DT_RIGHT | DT_VCENTER},
        {taTopCenter, shortcut, ltr, bdLeftToRight, DT_CENTER | DT_TOP},
        {taLeft, text, rtl, bdLeftToRight, DT_LEFT | DT_VCENTER},
        {taLeft, text, rtl, bdRightToLeft, DT_RIGHT | DT_VCENTER | DT_RTLREADING},
        {taRight, text, rtl, bdRightToLeftNoAlign, DT_LEFT | DT_VCENTER},
        {taLeft, shortcut, rtl, bdRightToLeftReadingOnly, DT_LEFT | DT_VCENTER},
        {taBottomCenter, text, rtl, bdRightToLeft, DT_CENTER | DT_BOTTOM | DT_RTLREADING},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CaptionTextFlags(c.Align, c.Part, c.Locale, c.Mode), c.Flags | DT_SINGLELINE)
            << int(c.Align) << " " << int(c.Part) << " " << int(c.Locale) << " " << int(c.Mode);
}

TEST(SkinObjectBehaviour, TheSystemMenuButtonDrawsTheFormsIconOnlyWhenBound) {
    auto icon = MakeBitmap(32, 32, 0xFF00FF00);
    auto target = MakeBitmap(40, 40, 0xFF000000);
    BoundTree tree;
    tree.form.Icon = icon.get();
    auto& button = tree.Button<TSeSysButtonSkinObject>(TSeAction::sbaSysMenu);
    button.SetBounds({4, 4, 24, 24});
    button.Draw(*target);
    EXPECT_EQ(target->Pixels(4, 4), 0xFF00FF00u);
    EXPECT_EQ(target->Pixels(19, 19), 0xFF00FF00u);
    EXPECT_EQ(target->Pixels(20, 20), 0xFF000000u) << "scaled to the small-icon size";

    target->Fill(0xFF000000);
    tree.root->SetControl(nullptr);
    button.Draw(*target);
    EXPECT_EQ(target->Pixels(4, 4), 0xFF000000u);
}
