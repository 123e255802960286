// The open-URL dialog draws with the main window's skin engine, which its layout names across
// windows: it needs the main window to exist, follows every change of the engine's skin or hue,
// and lets go of the engine whichever of the two goes first. OK, Cancel, the keys and the close
// request end it as they always did.
#include "app/component_binding.h"
#include "app/form_select_url.h"
#include "app/main_form.h"
#include "framework/core/exceptions.h"
#include "framework/widgets/panel.h"
#include "player_window_fixture.h"
#include "skin/engine/skin_engine.h"
#include "skin_controls/se_skin_button.h"
#include "skin_controls/se_skin_edit.h"
#include "skin_windows/se_skin_form.h"

#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace brisat {
namespace {

std::string SkinPath(const char* name) {
    return std::string(BRISAT_SKINS_DIR) + "/" + name + ".xskn";
}

class OpenUrlDialogTest : public PlayerWindowTest {
protected:
    void SetUp() override {
        PlayerWindowTest::SetUp();
        Main = &App->CreateForm<TfrmMain>(Settings());
        Engine = &BindComponent<TSeSkinEngine>(*Main, "SeSkinEngine1");
        Engine->SetSkinFile(SkinPath("steel"));
        // Shown, so a modal dialog disables it and its menu keys stay out of the dialog.
        Main->Show();
    }

    // A dialog made as the open-URL command makes it: no owner, shown.
    std::unique_ptr<TFormSelectURL> ShownDialog() {
        auto dialog = std::make_unique<TFormSelectURL>(nullptr);
        dialog->Show();
        Pump();
        return dialog;
    }

    // The presented pixels of the dialog's frame band above the client area, and of the edit and
    // the buttons inside it.
    std::vector<uint32_t> Pixels(TFormSelectURL& dialog) {
        TRect client;
        BindComponent<TSeSkinForm>(dialog, "SeSkinForm1").GetClientRect(client);
        std::vector<uint32_t> pixels;
        for (int32_t y = 0; y < client.Top + 73; y += 2)
            for (int32_t x = 0; x < client.Left + 282; x += 2)
                pixels.push_back(PixelAt(dialog.Handle(), x, y));
        return pixels;
    }

    TfrmMain* Main = nullptr;
    TSeSkinEngine* Engine = nullptr;
};

TEST_F(OpenUrlDialogTest, EverySkinnedPartDrawsWithTheMainWindowsEngine) {
    auto dialog = ShownDialog();
    auto& frame = BindComponent<TSeSkinForm>(*dialog, "SeSkinForm1");
    EXPECT_EQ(frame.SkinEngine(), Engine);
    EXPECT_TRUE(frame.IsSkinned());
    EXPECT_TRUE(frame.Active());
    EXPECT_TRUE(frame.StayOnTop());
    EXPECT_EQ(frame.BorderIcons(), TKsBorderIcons{TKsBorderIcon::kbiClose});
    EXPECT_FALSE(frame.CanResize());
    for (const char* name : {"URL", "SeSkinButton1", "SeSkinButton2"}) {
        auto& control = BindComponent<TControl>(*dialog, name);
        auto* edit = dynamic_cast<TSeSkinEdit*>(&control);
        auto* button = dynamic_cast<TSeSkinButton*>(&control);
        ASSERT_TRUE(edit || button) << name;
        EXPECT_EQ(edit ? edit->SkinEngine() : button->SkinEngine(), Engine) << name;
        EXPECT_TRUE(edit ? edit->IsSkinned() : button->IsSkinned()) << name;
    }
    EXPECT_EQ(dialog->Address(), "mms://");
}

// The engine tells every open window: the dialog's frame, edit and buttons redraw with the new
// skin, then with the hue turned, and return to the first look with the first skin.
TEST_F(OpenUrlDialogTest, AChangeOfSkinOrHueRedrawsTheOpenDialog) {
    auto dialog = ShownDialog();
    const std::vector<uint32_t> steel = Pixels(*dialog);
    Engine->SetSkinFile(SkinPath("xp_blue"));
    Pump();
    const std::vector<uint32_t> blue = Pixels(*dialog);
    EXPECT_NE(blue, steel);
    Engine->SetDeltaHue(120);
    Pump();
    EXPECT_NE(Pixels(*dialog), blue);
    Engine->SetDeltaHue(0);
    Engine->SetSkinFile(SkinPath("steel"));
    Pump();
    EXPECT_EQ(Pixels(*dialog), steel);
}

// Freed first, the dialog leaves nothing behind in the engine; the engine freed first leaves the
// dialog drawing its plain look and closing cleanly (the sanitizer watches both orders).
TEST_F(OpenUrlDialogTest, DialogAndEngineLetGoOfEachOtherInEitherOrder) {
    ShownDialog().reset();
    Engine->SetSkinFile(SkinPath("xp_blue"));
    Engine->SetDeltaHue(60);
    Pump();

    auto dialog = ShownDialog();
    const std::vector<uint32_t> skinned = Pixels(*dialog);
    Main->Free();
    Pump();
    for (const char* name : {"SeSkinForm1", "URL", "SeSkinButton1", "SeSkinButton2"}) {
        TComponent& part = BindComponent<TComponent>(*dialog, name);
        const TSeSkinEngine* engine = nullptr;
        if (auto* frame = dynamic_cast<TSeSkinForm*>(&part)) engine = frame->SkinEngine();
        if (auto* edit = dynamic_cast<TSeSkinEdit*>(&part)) engine = edit->SkinEngine();
        if (auto* button = dynamic_cast<TSeSkinButton*>(&part)) engine = button->SkinEngine();
        EXPECT_EQ(engine, nullptr) << name;
    }
    dialog->Invalidate();
    Pump();
    EXPECT_NE(Pixels(*dialog), skinned) << "the plain look";
    dialog.reset();
    Pump();
}

// The dialog is made after the main window; a missing window or engine fails its creation with
// a message naming what is missing.
using OpenUrlDialogWithoutEngine = PlayerWindowTest;

TEST_F(OpenUrlDialogWithoutEngine, TheDialogNeedsTheMainWindowsEngine) {
    struct TCase {
        const char* Main;   // what stands in for the main window
        const char* Engine; // the class named SeSkinEngine1 in it, if any
        const char* Message;
    };
    const TCase cases[] = {
        {nullptr, nullptr, "window 'frmMain' of 'frmMain.SeSkinEngine1' not found"},
        {"frmMain", nullptr, "component 'SeSkinEngine1' not found in window 'frmMain'"},
        {"frmMain", "TPanel", "component 'frmMain.SeSkinEngine1' is a TPanel"},
        {"frmOther", "TSeSkinEngine", "window 'frmMain' of 'frmMain.SeSkinEngine1' not found"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Message);
        std::unique_ptr<TForm> main;
        if (c.Main) {
            main = std::make_unique<TForm>(nullptr);
            main->SetName(c.Main);
            if (c.Engine && std::string(c.Engine) == "TPanel")
                CreateOwned<TPanel>(*main).SetName("SeSkinEngine1");
            else if (c.Engine)
                CreateOwned<TSeSkinEngine>(*main).SetName("SeSkinEngine1");
        }
        try {
            TFormSelectURL dialog(nullptr);
            ADD_FAILURE() << "created";
        } catch (const EReadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Message), std::string::npos) << e.what();
        }
    }
}

// A press on the bare client surface moves the dialog as one on its caption does; the edit and
// the buttons keep their presses.
TEST_F(OpenUrlDialogTest, TheBareClientSurfaceDragsTheDialog) {
    auto dialog = ShownDialog();
    const auto hit = [&](TPoint client) {
        return SendMessage(dialog->Handle(), WM_NCHITTEST, 0,
                           PointToLParam(dialog->ClientToScreen(client)));
    };
    EXPECT_EQ(hit({140, 50}), HTCAPTION);
    EXPECT_EQ(hit({4, 4}), HTCAPTION);
    for (const char* name : {"URL", "SeSkinButton1", "SeSkinButton2"}) {
        const TControl& control = BindComponent<TControl>(*dialog, name);
        EXPECT_EQ(hit({control.Left() + 5, control.Top() + 5}), HTCLIENT) << name;
    }
}

// Keys typed into the modal dialog, one each time it waits for input, and the result it ends
// with: OK hands over the typed address.
TEST_F(OpenUrlDialogTest, ButtonsKeysAndTheCloseRequestEndTheDialog) {
    struct TCase {
        const char* Name;
        std::vector<uint32_t> Keys; // 0: the window manager's close request
        TModalResult Result;
    };
    const TCase cases[] = {
        {"Tab to OK, Return", {VK_END, 'x', VK_TAB, VK_RETURN}, mrOk},
        {"Tab to OK, Space", {VK_END, 'x', VK_TAB, VK_SPACE}, mrOk},
        {"Tab to Cancel, Return", {VK_END, 'x', VK_TAB, VK_TAB, VK_RETURN}, mrCancel},
        {"Escape", {VK_END, 'x', VK_ESCAPE}, mrCancel},
        {"close request", {VK_END, 'x', 0}, mrCancel},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TFormSelectURL dialog(nullptr);
        std::deque<uint32_t> keys(c.Keys.begin(), c.Keys.end());
        Host->OnIdleWait = [&](int32_t) {
            if (!dialog.HandleAllocated()) return;
            // Every key typed and still open: it failed to end.
            if (keys.empty()) {
                ADD_FAILURE() << "still open, focus on "
                              << (dialog.ActiveControl() ? dialog.ActiveControl()->Name() : "-");
                dialog.SetModalResult(mrAbort);
                PostMessage(dialog.Handle(), WM_NULL);
                return;
            }
            const uint32_t key = keys.front();
            keys.pop_front();
            if (key == 0)
                Host->CloseRequest(dialog.Handle());
            else if (key == 'x')
                Host->TypeKey(dialog.Handle(), 'X', "x");
            else
                Host->TypeKey(dialog.Handle(), key);
        };
        EXPECT_EQ(dialog.ShowModal(), c.Result);
        Host->OnIdleWait = nullptr;
        EXPECT_TRUE(keys.empty());
        EXPECT_EQ(dialog.Address(), "mms://x");
    }
}

} // namespace
} // namespace brisat
