#include "effects/about_box.h"

#include "framework/widgets/button.h"
#include "framework/headless_fixture.h"
#include "framework/widgets/label.h"
#include "framework/controls/win_control.h"

using namespace brisat;

namespace {

class AboutBoxTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBounds(200, 150, 400, 300);
        form->Show();
        about = &CreateOwned<TZeltShellAbout>(*form);
        about->SetCaption("Brisat 1.0beta");
        about->SetText("Written by us\r\nAll rights reserved");
        TBitmap icon;
        icon.SetSize(32, 32);
        // Left half opaque red, right half transparent.
        for (int32_t y = 0; y < 32; ++y)
            for (int32_t x = 0; x < 32; ++x)
                icon.DC().Surface()->Row(y)[x] = x < 16 ? 0xFFFF0000u : 0x00FFFFFFu;
        about->SetIcon(icon);
        Pump();
    }

    // Runs Execute; while the box is up, Inspect sees it and says which key to press.
    void Execute(const std::function<uint32_t(TAboutBoxForm&)>& inspect) {
        bool seen = false;
        Host->OnIdleWait = [&](int32_t) {
            for (HWND top : GetTopLevelWindows())
                if (auto* box = dynamic_cast<TAboutBoxForm*>(FindControl(top));
                    box && IsWindowVisible(top) && !seen) {
                    seen = true;
                    Host->TypeKey(top, inspect(*box));
                }
        };
        about->Execute();
        Host->OnIdleWait = nullptr;
        EXPECT_TRUE(seen);
    }

    TForm* form = nullptr;
    TZeltShellAbout* about = nullptr;
};

TEST_F(AboutBoxTest, ShowsNameVersionTextAndIconOverItsOwner) {
    Execute([&](TAboutBoxForm& box) {
        EXPECT_EQ(GetWindowText(box.Handle()), "About Brisat 1.0beta");
        EXPECT_EQ(box.NameLabel().Caption(), "Brisat 1.0beta");
        EXPECT_TRUE(box.NameLabel().Font().Style().Contains(TFontStyle::fsBold));
        EXPECT_EQ(box.TextLabel().Caption(), "Written by us\nAll rights reserved");
        EXPECT_GT(box.TextLabel().Height(), box.NameLabel().Height()) << "two lines";
        // The icon: opaque pixels as they are, transparent ones showing the face.
        const TPoint icon = box.ClientToScreen({TAboutBoxForm::IconLeft, TAboutBoxForm::IconTop});
        // The back buffer holds the whole window, frame included.
        const int32_t dx = icon.X - box.Left(), dy = icon.Y - box.Top();
        EXPECT_EQ(PixelAt(box.Handle(), dx + 2, dy + 2), 0xFF0000u);
        EXPECT_EQ(PixelAt(box.Handle(), dx + 30, dy + 2), Rgb(box.Color()));
        // Centred over the owner form.
        EXPECT_NEAR(box.Left() + box.Width() / 2, form->Left() + form->Width() / 2, 1);
        EXPECT_NEAR(box.Top() + box.Height() / 2, form->Top() + form->Height() / 2, 1);
        return VK_ESCAPE;
    });
}

TEST_F(AboutBoxTest, EnterAndEscapeBothClose) {
    for (uint32_t key : {VK_RETURN, VK_ESCAPE}) {
        Execute([key](TAboutBoxForm&) { return key; });
        for (HWND top : GetTopLevelWindows())
            EXPECT_EQ(dynamic_cast<TAboutBoxForm*>(FindControl(top)), nullptr) << key;
    }
}

} // namespace
