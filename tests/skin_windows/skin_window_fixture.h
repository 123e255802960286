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

class SkinWindowTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
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

} // namespace brisat::test
