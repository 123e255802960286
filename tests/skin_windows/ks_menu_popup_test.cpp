#include "framework/controls/screen.h"
#include "framework/widgets/button.h"
#include "ks_menu_fixture.h"
#include "pixel_mix.h"
#include "skin/engine/skin_engine.h"
#include "skin_windows/ks_popup_form.h"

using namespace brisat;
using brisat::test::ChannelDistance;
using brisat::test::Mix;

namespace {

class KsPopupMenuTest : public KsMenuTest {
protected:
    void SetUp() override {
        KsMenuTest::SetUp();
        popup = &CreateOwned<TSeSkinPopupMenu>(*form);
        AddKsItem(popup->Items(), "&Open");
        AddKsItem(popup->Items(), "-");
        AddKsItem(popup->Items(), "&Save");
        recent = &AddKsItem(popup->Items(), "&Recent");
        AddKsItem(*recent, "&First");
        AddKsItem(*recent, "S&econd");
    }

    TSeSkinPopupMenu* popup = nullptr;
    TSeSkinItem* recent = nullptr;
};

TEST_F(KsPopupMenuTest, ArrowsSkipTheSeparatorAndTheClickComesAfterThePopupIsGone) {
    ThenKeys({VK_DOWN, VK_DOWN}); // Open, then Save: the separator is passed over
    Then([this] {
        ASSERT_EQ(OpenPopups().size(), 1u);
        EXPECT_EQ(OpenPopups()[0]->Selected(), 2);
        Host->TypeKey(form->Handle(), VK_UP);
        Host->TypeKey(form->Handle(), VK_UP); // wraps round past Open to Recent
    });
    Then([this] {
        EXPECT_EQ(OpenPopups()[0]->Selected(), 3);
        Host->TypeKey(form->Handle(), VK_UP);
        Host->TypeKey(form->Handle(), VK_RETURN);
    });
    popup->Popup(200, 150);
    EXPECT_TRUE(clicks.empty()) << "the click is queued, not run inside the loop";
    EXPECT_TRUE(OpenPopups().empty());
    Pump();
    EXPECT_EQ(clicks, std::vector<std::string>{"Save"});
    EXPECT_EQ(menusOpenAtClick, 0);
    EXPECT_FALSE(MenuTracking());
}

TEST_F(KsPopupMenuTest, TheUnderlinedLetterChoosesTheFirstItemCarryingIt) {
    struct Case {
        const char* Text;
        uint32_t Key;
        std::vector<std::string> Clicks;
    };
    AddKsItem(popup->Items(), "&Stop"); // shares its letter with "&Save", which comes first
    const Case cases[] = {{"s", 'S', {"Save"}}, {"o", 'O', {"Open"}}, {"x", 'X', {}}};
    for (const Case& c : cases) {
        clicks.clear();
        Then([this, c] { Host->TypeKey(form->Handle(), c.Key, c.Text); });
        // A letter no item carries leaves the menu open.
        Then([this] {
            if (!OpenPopups().empty()) Host->TypeKey(form->Handle(), VK_ESCAPE);
        });
        popup->Popup(200, 150);
        Pump();
        EXPECT_EQ(clicks, c.Clicks) << c.Text;
        steps.clear();
    }
}

TEST_F(KsPopupMenuTest, EscapeClosesOnlyTheInnermostPopup) {
    Then([this] {
        for (int i = 0; i < 3; ++i) // Open, Save, Recent
            Host->TypeKey(form->Handle(), VK_DOWN);
        Host->TypeKey(form->Handle(), VK_RIGHT);
    });
    Then([this] {
        ASSERT_NE(PopupOf(*recent), nullptr);
        EXPECT_EQ(PopupOf(*recent)->Selected(), 0) << "opened by key, on its first item";
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    Then([this] {
        EXPECT_EQ(PopupOf(*recent), nullptr);
        ASSERT_EQ(OpenPopups().size(), 1u);
        EXPECT_EQ(OpenPopups()[0]->Selected(), 3);
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    popup->Popup(200, 150);
    Pump();
    EXPECT_TRUE(OpenPopups().empty());
    EXPECT_TRUE(clicks.empty());
}

TEST_F(KsPopupMenuTest, AClickOutsideClosesTheMenusAndReachesTheWindowBelow) {
    auto& button = CreateOwned<TButton>(*form);
    button.SetParent(form);
    button.SetBounds(10, 10, 80, 30);
    int pressed = 0;
    button.OnMouseDown = [&](TComponent&, TMouseButton, TShiftState, int32_t, int32_t) {
        ++pressed;
    };
    Pump();
    Then([this, &button] {
        EXPECT_EQ(OpenPopups().size(), 1u);
        ClickAt(form->Handle(), button.ClientToScreen({20, 10}));
    });
    popup->Popup(250, 150);
    EXPECT_TRUE(OpenPopups().empty());
    Pump();
    EXPECT_EQ(pressed, 1) << "the press went on to the button under the pointer";
    EXPECT_TRUE(clicks.empty());
}

TEST_F(KsPopupMenuTest, AtTheScreensBottomRightCornerThePopupOpensUpAndLeft) {
    const TRect work = Screen().MonitorFromPoint({0, 0}).WorkareaRect();
    const TPoint corner{work.Right - 1, work.Bottom - 1};
    Then([this, corner] {
        ASSERT_EQ(OpenPopups().size(), 1u);
        const TRect r = GetWindowRect(OpenPopups()[0]->Handle());
        EXPECT_EQ(r.Right, corner.X);
        EXPECT_EQ(r.Bottom, corner.Y);
        EXPECT_GT(r.Width(), 0);
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    popup->Popup(corner.X, corner.Y);
}

TEST_F(KsPopupMenuTest, ThePopupIsAlignedOnThePointAsTheMenuSays) {
    const TPoint at{300, 150};
    for (TPopupAlignment alignment :
         {TPopupAlignment::paLeft, TPopupAlignment::paCenter, TPopupAlignment::paRight}) {
        popup->SetAlignment(alignment);
        Then([this, at, alignment] {
            ASSERT_EQ(OpenPopups().size(), 1u);
            const TRect r = GetWindowRect(OpenPopups()[0]->Handle());
            const int32_t expected = alignment == TPopupAlignment::paLeft     ? at.X
                                     : alignment == TPopupAlignment::paCenter ? at.X - r.Width() / 2
                                                                              : at.X - r.Width();
            EXPECT_EQ(r.Left, expected) << int(alignment);
            EXPECT_EQ(r.Top, at.Y);
            Host->TypeKey(form->Handle(), VK_ESCAPE);
        });
        popup->Popup(at.X, at.Y);
        steps.clear();
    }
}

TEST_F(KsPopupMenuTest, OnlyTheFirstPopupOfAChainGetsTheShowAnimation) {
    popup->SetShowAnimation(TKsAnimation::kaFade);
    popup->SetShowAnimationTime(120);
    popup->SetDropShadow(true);
    ThenKeys({VK_UP, VK_RIGHT}); // Recent, its sub-menu
    Then([this] {
        TKsPopupWindow* first = PopupOf(popup->Items());
        TKsPopupWindow* sub = PopupOf(*recent);
        ASSERT_TRUE(first && sub);
        EXPECT_EQ(first->Form().ShowAnimation(), TKsAnimation::kaFade);
        EXPECT_EQ(first->Form().ShowAnimationTime(), 120);
        EXPECT_EQ(sub->Form().ShowAnimation(), TKsAnimation::kaNone);
        EXPECT_TRUE(sub->Form().DropShadow()) << "the other settings reach every level";
        // The shadow widens the popup, and the window's shape covers all of it.
        EXPECT_EQ(sub->MenuSize().cx, sub->ClientWidth() + 6 + 4);
        for (TKsPopupWindow* w : {first, sub}) {
            int32_t right = 0, bottom = 0;
            for (const TScreenRect& r : Native(w->Handle()).Shape()) {
                right = std::max(right, r.Right);
                bottom = std::max(bottom, r.Bottom);
            }
            EXPECT_EQ(right, w->MenuSize().cx);
            EXPECT_EQ(bottom, w->MenuSize().cy);
        }
        Host->TypeKey(form->Handle(), VK_ESCAPE);
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    popup->Popup(200, 150);
    // The next popup of the menu animates again.
    Then([this] {
        EXPECT_EQ(PopupOf(popup->Items())->Form().ShowAnimation(), TKsAnimation::kaFade);
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    popup->Popup(200, 150);
}

// The items' part of a translucent popup shows the window beneath through it, frame and items
// alike, by the blend value; the screen is read before the popup covers it.
TEST_F(KsPopupMenuTest, ATranslucentPopupShowsTheWindowBeneathThroughItsItems) {
    const TColor beneath = TColor(0x00204080);
    form->SetColor(beneath);
    Pump();
    for (int value : {128, 0, 255}) {
        SCOPED_TRACE(value);
        popup->SetPopupBlend(true);
        popup->SetPopupBlendValue(value);
        Then([this, value, beneath] {
            TKsPopupWindow& w = *OpenPopups().at(0);
            const TRect margins = w.Form().FrameMargins();
            const TRect item = w.View().ItemRect(2); // Save, not selected: right of its text
            const uint32_t shown = PixelAt(w.Handle(), margins.Left + item.Right - 3,
                                           margins.Top + (item.Top + item.Bottom) / 2);
            EXPECT_LE(ChannelDistance(shown, Mix(Rgb(clMenu), Rgb(beneath), value)), 2)
                << std::hex << shown << " over " << Rgb(beneath);
            const uint32_t frame = PixelAt(w.Handle(), 1, w.Height() / 2);
            EXPECT_EQ(frame == Rgb(beneath), value == 0) << std::hex << frame;
            Host->TypeKey(form->Handle(), VK_ESCAPE);
        });
        popup->Popup(200, 150);
    }
}

// Under a compositing manager a popup's pixels keep their own colours and carry the blend value
// as alpha (255 when opaque), the shadow its own translucent pixel: the compositor lays them over
// what is beneath, so the screen read before the popup opened is not mixed in.
TEST_F(KsPopupMenuTest, UnderACompositorThePopupsPixelsCarryItsTranslucencyAsAlpha) {
    form->SetColor(TColor(0x00204080));
    Host->SetCompositor(true);
    Pump();
    constexpr int32_t kShadow = 4;
    for (const bool blend : {true, false}) {
        SCOPED_TRACE(blend);
        popup->SetPopupBlend(blend);
        popup->SetPopupBlendValue(150);
        popup->SetDropShadow(true);
        popup->SetShadowWidth(kShadow);
        Then([this, blend] {
            TKsPopupWindow& w = *OpenPopups().at(0);
            THeadlessWindow& native = Native(w.Handle());
            EXPECT_TRUE(native.Composited());
            EXPECT_FALSE(Native(form->Handle()).Composited()) << "only popups are translucent";
            const uint32_t alpha = blend ? 150u << 24 : 0xFF000000u;
            const TRect margins = w.Form().FrameMargins();
            const TRect item = w.View().ItemRect(2); // Save, not selected: right of its text
            EXPECT_EQ(native.Pixel(margins.Left + item.Right - 3,
                                   margins.Top + (item.Top + item.Bottom) / 2),
                      alpha | Rgb(clMenu));
            EXPECT_EQ(native.Pixel(1, w.Height() / 2) & 0xFF000000u, alpha) << "the frame";
            // The shadow's corner at the bottom right, and the clear square beside it.
            EXPECT_EQ(native.Pixel(w.Width() - 1, w.Height() - 1), kShadowPixel);
            EXPECT_EQ(native.Pixel(w.Width() - 1, 0) >> 24, 0u);
            Host->TypeKey(form->Handle(), VK_ESCAPE);
        });
        popup->Popup(200, 150);
    }
}

TEST_F(KsPopupMenuTest, ASkinnedPopupShowsTheSkinsFrameUnderItsItems) {
    auto& engine = CreateOwned<TSeSkinEngine>(*form);
    engine.SetSkinFile(std::string(BRISAT_SKINS_DIR) + "/alien.xskn");
    popup->SetSkinEngine(&engine);
    Then([this] {
        TKsPopupWindow& w = *OpenPopups().at(0);
        const TRect margins = w.Form().FrameMargins();
        const TRect item = w.View().ItemRect(2); // Save, not selected
        const uint32_t under = PixelAt(w.Handle(), margins.Left + item.Right - 3,
                                       margins.Top + (item.Top + item.Bottom) / 2);
        EXPECT_NE(under, Rgb(clMenu)) << "the dark frame, not the plain menu colour";
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    popup->Popup(200, 150);
}

// A frame with rounded corners shapes the popup: the screen there shows the window beneath, not
// what another window left in the shared frame bitmap.
TEST_F(KsPopupMenuTest, ASkinnedPopupsSeeThroughCornersShowTheWindowBeneath) {
    const TColor beneath = TColor(0x00204080);
    form->SetColor(beneath);
    auto& engine = CreateOwned<TSeSkinEngine>(*form);
    engine.SetSkinFile(std::string(BRISAT_SKINS_DIR) + "/alien.xskn");
    popup->SetSkinEngine(&engine);
    Pump();
    Then([this, beneath] {
        const TRect r = GetWindowRect(OpenPopups().at(0)->Handle());
        const auto screen = [](int32_t x, int32_t y) {
            return Platform().CaptureScreen({x, y, x + 1, y + 1}).at(0);
        };
        EXPECT_EQ(screen(r.Left, r.Top), Rgb(beneath));
        EXPECT_EQ(screen(r.Right - 1, r.Bottom - 1), Rgb(beneath));
        EXPECT_NE(screen(r.Left + r.Width() / 2, r.Top + 1), Rgb(beneath)) << "the frame's edge";
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    popup->Popup(200, 150);
}

} // namespace
