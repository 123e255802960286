// The fixture of the skinned window tests: the headless platform, a framework form of a known
// size with a TKsCustomForm (or a derived component) on it, pointer and click helpers in screen
// coordinates, and a way to load one of the shipped skins into an engine.
#pragma once

#include "framework/controls/form.h"
#include "framework/headless_fixture.h"
#include "framework/windowing/window_handle.h"
#include "skin/engine/skin_engine.h"
#include "skin_windows/ks_custom_form.h"

#include <string>

namespace brisat::test {

// The screen of the tests: one monitor whose work area leaves a 24-pixel panel at the bottom.
inline constexpr int32_t kScreenWidth = 1280, kScreenHeight = 1024, kWorkAreaBottom = 1000;

class SkinWindowTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        Host->SetMonitors({{{0, 0, kScreenWidth, kScreenHeight},
                            {0, 0, kScreenWidth, kWorkAreaBottom},
                            true}});
        Form = &App->CreateForm<TForm>();
        Form->SetBounds(100, 100, 400, 300);
        Form->SetColor(clWhite);
    }

    // A TKsCustomForm (or T) on the form, turned on.
    template <class T = TKsCustomForm> T& AddFormComponent() {
        T& component = CreateOwned<T>(*Form);
        component.SetActive(true);
        return component;
    }
    // Shows the form and handles everything queued.
    void ShowForm() {
        Form->Show();
        Pump();
    }

    // The pointer pressed at a window point, moved by (Dx, Dy) in steps, and released.
    void Drag(TPoint from, int32_t dx, int32_t dy, HWND window = 0) {
        const HWND w = window ? window : Window();
        // Never a double click with the press before.
        Host->Advance(GetDoubleClickTime() + 1);
        Host->MouseDown(w, from.X, from.Y);
        Pump();
        const TRect start = GetWindowRect(w);
        for (int step = 1; step <= 2; ++step) {
            // The window may have moved under the pointer: aim at the screen point.
            const TRect now = GetWindowRect(w);
            Host->MouseMove(w, start.Left + from.X + dx * step / 2 - now.Left,
                            start.Top + from.Y + dy * step / 2 - now.Top);
            Pump();
        }
        const TRect now = GetWindowRect(w);
        Host->MouseUp(w, start.Left + from.X + dx - now.Left, start.Top + from.Y + dy - now.Top);
        Pump();
    }
    // A left click at a window point.
    void ClickAt(TPoint at, HWND window = 0) {
        Host->Advance(GetDoubleClickTime() + 1);
        Host->Click(window ? window : Window(), at.X, at.Y);
        Pump();
    }

    HWND Window() { return Form->Handle(); }
    TRect Bounds() { return GetWindowRect(Form->Handle()); }
    // A point of the window (window coordinates) in the screen.
    TPoint OnScreen(int32_t x, int32_t y) {
        const TRect r = Bounds();
        return {r.Left + x, r.Top + y};
    }

    // One of the eight skins the build packs ("steel", "alien", ...) into Engine.
    static void LoadShippedSkin(TSeSkinEngine& engine, const std::string& name) {
        engine.SetSkinFile(std::string(BRISAT_SKINS_DIR) + "/" + name + ".xskn");
    }

    TForm* Form = nullptr;
};

// The fixture with a plain TKsCustomForm on the shown form.
class KsFormTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        Ks = &AddFormComponent();
        ShowForm();
    }
    TKsCustomForm* Ks = nullptr;
};

} // namespace brisat::test
