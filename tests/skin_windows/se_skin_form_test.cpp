// The skinned form on the headless platform: the frame of a shipped skin answers hit tests by
// its parts, the skin's caption buttons run the window operations and hide with the border
// icons, skins lacking parts fall back to the plain pieces, a skin change re-binds the frame, a
// skin without a client object sizes the window, and linked controls are placed by the skin.
#include "skin_window_fixture.h"

#include "framework/controls/screen.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/checked_math.h"
#include "skin/files/skin_source.h"
#include "skin/objects/skin_object_classes.h"
#include "skin_controls/se_skin_button.h"
#include "skin_windows/se_skin_form.h"
#include "skin_windows/se_skin_popup_window.h"

#include <gtest/gtest.h>

namespace brisat::test {
namespace {

class SeSkinFormTest : public SkinWindowTest {
protected:
    // A skinned form on the form, bound to an engine holding the shipped skin Name ("" none).
    TSeSkinForm& Skinned(const std::string& name) {
        Engine = &CreateOwned<TSeSkinEngine>(*Form);
        if (!name.empty()) LoadShippedSkin(*Engine, name);
        TSeSkinForm& skinned = AddFormComponent<TSeSkinForm>();
        skinned.SetSkinEngine(Engine);
        ShowForm();
        return skinned;
    }
    // Replaces the engine's skin by one holding Objects, as a skin change does.
    void LoadObjects(std::vector<std::unique_ptr<TSeSkinObject>> objects) {
        TSeSkinBody body;
        body.Objects = std::move(objects);
        Engine->BeforeChange();
        Engine->Skin().LoadBody(std::move(body));
        Engine->AfterChange();
        Pump();
    }
    // What the window answers a hit test at its point X, Y with.
    LRESULT NcHitTest(int32_t x, int32_t y) {
        return SendMessage(Window(), WM_NCHITTEST, 0, PointToLParam(OnScreen(x, y)));
    }
    // A left click at the window point, as the mouse makes it, later than a double click.
    void ClickAt(TPoint p) {
        Host->Advance(1000);
        Host->MouseMove(Window(), p.X, p.Y);
        Host->MouseDown(Window(), p.X, p.Y);
        Host->MouseUp(Window(), p.X, p.Y);
        Pump();
    }

    TSeSkinEngine* Engine = nullptr;
};

TPoint Middle(const TSeSkinObject& object) {
    return {object.Left() + object.Width() / 2, object.Top() + object.Height() / 2};
}

// A skin object of Class with the given name, kind, alignment and size, owned by Parent.
template <class T = TSeSkinObject>
T& Part(TSeSkinObject& parent, const char* name, TSeKind kind, TSeAlign align, int32_t width,
        int32_t height, TColor color = clGray) {
    T& part = CreateOwned<T>(parent);
    part.SetName(name);
    part.SetKind(kind);
    part.SetAlign(align);
    part.SetBounds(brisat::Bounds(0, 0, width, height));
    part.SetColor(color);
    return part;
}

// A plain "Form" object: a 20-pixel caption, 4-pixel edges and, with Client, a client object.
std::unique_ptr<TSeSkinObject> PlainFormObject(bool client, int32_t width = 300,
                                               int32_t height = 200) {
    auto form = std::make_unique<TSeSkinObject>(nullptr);
    form->SetName("Form");
    form->SetKind(TSeKind::skForm);
    form->SetBounds(brisat::Bounds(0, 0, width, height));
    Part(*form, "Caption", TSeKind::skCaption, TSeAlign::saTop, 0, 20, clNavy);
    Part(*form, "Left", TSeKind::skLeft, TSeAlign::saLeft, 4, 0, clMaroon);
    Part(*form, "Right", TSeKind::skRight, TSeAlign::saRight, 4, 0, clMaroon);
    Part(*form, "Bottom", TSeKind::skBottom, TSeAlign::saBottom, 0, 4, clMaroon);
    if (client) Part(*form, "Client", TSeKind::skClient, TSeAlign::saClient, 0, 0, clWhite);
    return form;
}

std::vector<std::unique_ptr<TSeSkinObject>> Objects(std::unique_ptr<TSeSkinObject> object) {
    std::vector<std::unique_ptr<TSeSkinObject>> objects;
    objects.push_back(std::move(object));
    return objects;
}

// Every caption button of the tree with one of Actions.
std::vector<TSeSystemButton*> ButtonsOf(TSeSkinObject& tree, std::initializer_list<TSeAction> actions) {
    std::vector<TSeSystemButton*> found;
    for (TSeSkinObject* child : tree.Children()) {
        if (auto* button = dynamic_cast<TSeSystemButton*>(child))
            for (TSeAction action : actions)
                if (button->Action() == action) found.push_back(button);
        for (TSeSystemButton* deeper : ButtonsOf(*child, actions))
            found.push_back(deeper);
    }
    return found;
}

TEST_F(SeSkinFormTest, FramePartsOfShippedSkinsAnswerHitTestsByKind) {
    struct TCase {
        TSeKind Kind;
        LRESULT Answer;
    };
    const TCase cases[] = {{TSeKind::skTitle, HTCAPTION},      {TSeKind::skLeft, HTLEFT},
                           {TSeKind::skRight, HTRIGHT},        {TSeKind::skBottom, HTBOTTOM},
                           {TSeKind::skTop, HTTOP},            {TSeKind::skTopLeft, HTTOPLEFT},
                           {TSeKind::skBottomRight, HTBOTTOMRIGHT}, {TSeKind::skClient, HTCLIENT}};
    TSeSkinForm& skinned = Skinned("");
    for (const char* skin : {"steel", "alien", "xp_blue"}) {
        SCOPED_TRACE(skin);
        LoadShippedSkin(*Engine, skin);
        Pump();
        ASSERT_TRUE(skinned.IsSkinned());
        TSeSkinObject& tree = *skinned.PreparedObject();
        EXPECT_EQ(tree.BoundsRect(), brisat::Bounds(0, 0, RectWidth(Bounds()), RectHeight(Bounds())));
        for (const TCase& c : cases) {
            const TSeSkinObject* part = tree.FindObjectByKind(c.Kind);
            ASSERT_NE(part, nullptr) << int(c.Kind);
            const TPoint p = Middle(*part);
            EXPECT_EQ(NcHitTest(p.X, p.Y), c.Answer) << part->Name();
        }
        // A skin caption button is reported as a button, never as the caption.
        for (TSeSystemButton* close : ButtonsOf(tree, {TSeAction::sbaClose})) {
            const TPoint p = Middle(*close);
            EXPECT_EQ(skinned.HitTest(p.X, p.Y), khtSkinButton);
            EXPECT_NE(NcHitTest(p.X, p.Y), HTCAPTION);
        }
        // The client area is the skin's client object.
        TRect client;
        skinned.GetClientRect(client);
        EXPECT_EQ(client, tree.FindObjectByKind(TSeKind::skClient)->BoundsRect());
    }
}

TEST_F(SeSkinFormTest, CaptionButtonsOfTheSkinRunTheWindowOperations) {
    TSeSkinForm& skinned = Skinned("steel");
    const TRect normal = Bounds();
    auto press = [&](TSeAction action) {
        const std::vector<TSeSystemButton*> buttons = ButtonsOf(*skinned.PreparedObject(), {action});
        ASSERT_EQ(buttons.size(), 1u);
        ASSERT_TRUE(buttons[0]->Visible());
        ClickAt(Middle(*buttons[0]));
    };
    press(TSeAction::sbaMaximize);
    EXPECT_EQ(skinned.WindowState(), TKsWindowState::kwsMaximized);
    EXPECT_EQ(Bounds(), Screen().WorkAreaRect());
    press(TSeAction::sbaRestore);
    EXPECT_EQ(skinned.WindowState(), TKsWindowState::kwsNormal);
    EXPECT_EQ(Bounds(), normal);
    press(TSeAction::sbaRollUp);
    EXPECT_EQ(skinned.WindowState(), TKsWindowState::kwsRollup);
    EXPECT_LT(RectHeight(Bounds()), RectHeight(normal) / 2);
    press(TSeAction::sbaRollDown);
    EXPECT_EQ(skinned.WindowState(), TKsWindowState::kwsNormal);
    EXPECT_EQ(Bounds(), normal);
}

TEST_F(SeSkinFormTest, MissingBorderIconsHideTheirSkinButtons) {
    TSeSkinForm& skinned = Skinned("steel");
    const int32_t minimizeLeft =
        ButtonsOf(*skinned.PreparedObject(), {TSeAction::sbaMinimize}).at(0)->Left();
    TKsBorderIcons icons = skinned.BorderIcons();
    icons.Exclude(TKsBorderIcon::kbiMaximize);
    skinned.SetBorderIcons(icons);
    for (TKsWindowState state : {TKsWindowState::kwsNormal, TKsWindowState::kwsRollup}) {
        skinned.SetWindowState(state);
        Pump();
        TSeSkinObject& tree = *skinned.PreparedObject();
        for (TSeSystemButton* button : ButtonsOf(tree, {TSeAction::sbaMaximize, TSeAction::sbaRestore}))
            EXPECT_FALSE(button->Visible()) << button->Name() << " in state " << int(state);
        for (TSeSystemButton* button : ButtonsOf(tree, {TSeAction::sbaClose}))
            EXPECT_TRUE(button->Visible());
    }
    // The remaining buttons close up: the minimize button takes the maximize button's room.
    skinned.SetWindowState(TKsWindowState::kwsNormal);
    Pump();
    EXPECT_GT(ButtonsOf(*skinned.PreparedObject(), {TSeAction::sbaMinimize}).at(0)->Left(),
              minimizeLeft);
}

TEST_F(SeSkinFormTest, SkinsLackingTheFormDrawThePlainFrame) {
    TSeSkinForm& skinned = Skinned("steel");
    ASSERT_TRUE(skinned.IsSkinned());
    const uint32_t steelCaption = PixelAt(Window(), 200, 8);

    // Without a form object: no object of kind skForm, none named "Form".
    auto panel = std::make_unique<TSeSkinObject>(nullptr);
    panel->SetName("Panel");
    panel->SetBounds(brisat::Bounds(0, 0, 50, 50));
    LoadObjects(Objects(std::move(panel)));
    EXPECT_FALSE(skinned.IsSkinned());
    TRect close;
    skinned.GetButtonRect(TKsBorderIcon::kbiClose, close);
    EXPECT_FALSE(IsRectEmpty(close));
    EXPECT_EQ(NcHitTest(close.Left + 2, close.Top + 2), HTCLOSE);
    EXPECT_NE(PixelAt(Window(), 200, 8), steelCaption);
    EXPECT_EQ(Form->Color(), clBtnFace);

    // Without a skin at all.
    Engine->SetSkinFile("");
    Pump();
    EXPECT_FALSE(skinned.IsSkinned());
    skinned.GetButtonRect(TKsBorderIcon::kbiClose, close);
    EXPECT_FALSE(IsRectEmpty(close));
}

// A skin whose frame has no caption buttons, or only buttons of no size, gets the plain ones in
// its caption, and they work; one sized button of the skin keeps them away.
TEST_F(SeSkinFormTest, ASkinWithoutSizedCaptionButtonsGetsThePlainOnes) {
    struct TCase {
        const char* Name;
        int32_t ButtonWidth; // -1: no button object at all
        bool Plain;
    };
    const TCase cases[] = {{"no buttons", -1, true}, {"zero-sized buttons", 0, true},
                           {"a sized button", 16, false}};
    TSeSkinForm& skinned = Skinned("");
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto form = PlainFormObject(true);
        // The caption's own rectangle is part of the window's shape, buttons or not.
        form->FindObject("Caption")->SetDrawIfOwner(true);
        if (c.ButtonWidth >= 0)
            for (auto [name, action] : {std::pair{"Close", TSeAction::sbaClose},
                                        std::pair{"Maximize", TSeAction::sbaMaximize}})
                Part<TSeSystemButton>(*form->FindObject("Caption"), name, TSeKind::skSysButton,
                                      TSeAlign::saRight, c.ButtonWidth, 0)
                    .SetAction(action);
        LoadObjects(Objects(std::move(form)));
        ASSERT_TRUE(skinned.IsSkinned());
        const TRect caption = skinned.PreparedObject()->FindObject("Caption")->BoundsRect();
        TRect close, maximize, menu;
        skinned.GetButtonRect(TKsBorderIcon::kbiClose, close);
        skinned.GetButtonRect(TKsBorderIcon::kbiMaximize, maximize);
        skinned.GetButtonRect(TKsBorderIcon::kbiSystemMenu, menu);
        EXPECT_TRUE(IsRectEmpty(menu)) << "the skin's caption keeps its left end";
        if (!c.Plain) {
            // Where the plain minimize button would be, left of the skin's two buttons.
            EXPECT_TRUE(IsRectEmpty(close));
            EXPECT_EQ(PixelAt(Window(), caption.Right - 45, caption.Top + 10), Rgb(clNavy));
            EXPECT_EQ(NcHitTest(caption.Right - 45, caption.Top + 10), HTCAPTION);
            continue;
        }
        ASSERT_FALSE(IsRectEmpty(close));
        EXPECT_EQ(IntersectRect(close, caption), close) << "inside the skin's caption";
        EXPECT_GT(close.Left, RectWidth(caption) / 2);
        EXPECT_LT(maximize.Right, close.Left);
        const TPoint middle{(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2};
        EXPECT_EQ(NcHitTest(middle.X, middle.Y), HTCLOSE);
        EXPECT_NE(PixelAt(Window(), close.Left + 1, middle.Y), Rgb(clNavy)) << "drawn";
        ClickAt({(maximize.Left + maximize.Right) / 2, middle.Y});
        EXPECT_EQ(skinned.WindowState(), TKsWindowState::kwsMaximized);
        skinned.Restore();
        Pump();
    }
}

// The skin's shape follows the window's size.
TEST_F(SeSkinFormTest, AResizedWindowTakesTheSkinsShapeAtItsNewSize) {
    Skinned("steel");
    for (const TSize size : {TSize{520, 380}, TSize{300, 220}}) {
        Form->SetBounds(100, 100, size.cx, size.cy);
        Pump();
        ASSERT_EQ(RectWidth(Bounds()), size.cx);
        int32_t right = 0, bottom = 0;
        for (const TScreenRect& r : Native(Window()).Shape()) {
            right = std::max(right, r.Right);
            bottom = std::max(bottom, r.Bottom);
        }
        EXPECT_EQ(right, size.cx);
        EXPECT_EQ(bottom, size.cy);
    }
}

TEST_F(SeSkinFormTest, ASkinChangeRebindsAndRepaintsTheFrame) {
    TSeSkinForm& skinned = Skinned("steel");
    const TSeSkinObject* steel = skinned.FormObject();
    const TPoint caption = Middle(*skinned.PreparedObject()->FindObjectByKind(TSeKind::skCaption));
    const uint32_t before = PixelAt(Window(), caption.X, caption.Y);
    LoadShippedSkin(*Engine, "alien");
    Pump();
    ASSERT_TRUE(skinned.IsSkinned());
    EXPECT_NE(skinned.FormObject(), steel);
    EXPECT_EQ(skinned.FormObject()->Control(), Form);
    // The window shows the new skin's caption where the old one's was.
    TKsBitmap expected;
    expected.SetSize(400, 300);
    TSeSkinObject& alien = *skinned.PreparedObject();
    alien.Draw(expected);
    const TPoint at = Middle(*alien.FindObjectByKind(TSeKind::skCaption));
    EXPECT_EQ(PixelAt(Window(), at.X, at.Y), expected.Pixels(at.X, at.Y) & 0xFFFFFF);
    EXPECT_NE(PixelAt(Window(), caption.X, caption.Y), before);
}

TEST_F(SeSkinFormTest, ASkinWithoutClientObjectSizesTheWindow) {
    TSeSkinForm& skinned = Skinned("");
    LoadObjects(Objects(PlainFormObject(false, 260, 180)));
    ASSERT_TRUE(skinned.IsSkinned());
    EXPECT_EQ(RectWidth(Bounds()), 260);
    EXPECT_EQ(RectHeight(Bounds()), 180);
    // The whole window is client: the form's own pieces draw over it.
    TRect client;
    skinned.GetClientRect(client);
    EXPECT_EQ(client, brisat::Bounds(0, 0, 260, 180));

    // With a client object the window keeps its client size and the client is that object.
    LoadObjects(Objects(PlainFormObject(true, 260, 180)));
    EXPECT_EQ(RectWidth(Bounds()), 260 + 8);
    EXPECT_EQ(RectHeight(Bounds()), 180 + 24);
    skinned.GetClientRect(client);
    EXPECT_EQ(client, TRect(4, 20, 264, 200));
    EXPECT_EQ(NcHitTest(2, 100), HTLEFT);
    EXPECT_EQ(NcHitTest(130, 10), HTCAPTION);
    EXPECT_EQ(PixelAt(Window(), 130, 10), Rgb(clNavy));
    EXPECT_EQ(PixelAt(Window(), 2, 100), Rgb(clMaroon));
}

TEST_F(SeSkinFormTest, ZeroSizedPartsLeaveAUsableWindow) {
    TSeSkinForm& skinned = Skinned("");
    // A form object of no size whose parts have no size either.
    auto empty = PlainFormObject(true, 0, 0);
    for (TSeSkinObject* part : empty->Children())
        part->SetBounds({});
    LoadObjects(Objects(std::move(empty)));
    EXPECT_GE(RectWidth(Bounds()), 150);
    EXPECT_GE(RectHeight(Bounds()), 40);
    TRect client;
    skinned.GetClientRect(client);
    EXPECT_FALSE(IsRectEmpty(client));
    EXPECT_TRUE(IsWindowVisible(Window()));
}

TEST_F(SeSkinFormTest, LinkedControlsArePlacedByTheSkin) {
    TSeSkinForm& skinned = Skinned("");
    auto& inside = CreateOwned<TSeSkinButton>(*Form);
    inside.SetName("Seek");
    inside.SetParent(Form);
    auto& outside = CreateOwned<TSeSkinButton>(*Form);
    outside.SetName("Gone");
    outside.SetParent(Form);
    outside.SetBoundsRect(brisat::Bounds(5, 5, 20, 20));
    auto form = PlainFormObject(true);
    TSeSkinObject& bottom = *form->FindObject("Bottom");
    bottom.SetHeight(30);
    auto& seek = Part<TSeLinkSkinObject>(bottom, "SeekLink", TSeKind::skNone, TSeAlign::saLeft, 100, 0);
    seek.SetLinkControl("seek");
    auto& gone = Part<TSeLinkSkinObject>(bottom, "GoneLink", TSeKind::skNone, TSeAlign::saNone, 10, 10);
    gone.SetLinkControl("Gone");
    gone.SetBounds(brisat::Bounds(-50, -50, 10, 10));
    LoadObjects(Objects(std::move(form)));
    ASSERT_TRUE(skinned.IsSkinned());
    TRect client;
    skinned.GetClientRect(client);
    const TRect link = skinned.FormObject()->FindObject("SeekLink")->BoundsRect();
    EXPECT_EQ(inside.BoundsRect(), OffsetRect(link, -client.Left, -client.Top));
    EXPECT_GT(RectWidth(inside.BoundsRect()), 0);
    EXPECT_TRUE(IsRectEmpty(outside.BoundsRect()));
}

TEST_F(SeSkinFormTest, SkinnedControlsFindTheirForm) {
    TSeSkinForm& skinned = Skinned("steel");
    auto& button = CreateOwned<TSeSkinButton>(*Form);
    button.SetParent(Form);
    button.SetSkinEngine(Engine);
    Pump();
    ASSERT_NE(button.SkinCopy(), nullptr);
    EXPECT_EQ(button.SkinCopy()->GetForm(), static_cast<ISkinnedForm*>(&skinned));
    EXPECT_EQ(skinned.FormObject()->GetForm(), static_cast<ISkinnedForm*>(&skinned));
}

// The system menu's window is the skin's popup, frame and all, not a plain popup holding skinned
// items (which drew the skin's text colour on the plain grey).
TEST_F(SeSkinFormTest, TheSystemMenuOpensInTheSkinsPopup) {
    TSeSkinForm& skinned = Skinned("alien");
    std::string shown;
    Host->OnIdleWait = [&](int32_t) {
        for (HWND top : GetTopLevelWindows()) {
            TWinControl* popup = FindControl(top);
            if (!dynamic_cast<TKsPopupWindow*>(popup) || !IsWindowVisible(top)) continue;
            shown = popup->ClassName();
            Host->TypeKey(top, VK_ESCAPE);
        }
    };
    skinned.ShowSystemMenu();
    Host->OnIdleWait = nullptr;
    Pump();
    EXPECT_EQ(shown, "TSeSkinPopupWindow");
}

} // namespace
} // namespace brisat::test
