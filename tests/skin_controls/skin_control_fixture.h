// The fixture of the self-drawn control tests: the headless platform, a shown borderless white
// form to parent controls to, a skin engine the form owns, a small test skin of colour objects
// (or one of the shipped skins), and pixel reads of the presented window.
#pragma once

#include "framework/controls/form.h"
#include "framework/core/component.h"
#include "framework/headless_fixture.h"
#include "skin/engine/skin_engine.h"
#include "skin/files/skin_source.h"
#include "skin/objects/skin_object_classes.h"

#include <string>
#include <utility>

namespace brisat::test {

// Colours of the test skin's objects, each unlike the form's white and the plain look's greys.
inline constexpr TColor kSkinFace = 0x0000C000;      // normal
inline constexpr TColor kSkinHot = 0x00C0C000;       // hot
inline constexpr TColor kSkinPressed = 0x000000C0;   // pressed
inline constexpr TColor kSkinFocused = 0x00C000C0;   // focused
inline constexpr TColor kSkinDisabled = 0x00606060;  // disabled
inline constexpr TColor kSkinFrame = 0x00804000;     // a panel's frame
inline constexpr TColor kSkinCaption = 0x00008080;   // a panel's caption bar

// A colour object with a colour per state.
inline TSeColorButtonObject& AddColorObject(TComponent& owner, const std::string& name) {
    auto& object = CreateOwned<TSeColorButtonObject>(owner);
    object.SetName(name);
    object.SetColor(kSkinFace);
    object.SetHotColor(kSkinHot);
    object.SetPressedColor(kSkinPressed);
    object.SetFocusedColor(kSkinFocused);
    object.SetDisabledColor(kSkinDisabled);
    return object;
}

inline std::unique_ptr<TSeSkinObject> TopObject(const std::string& name) {
    auto top = std::make_unique<TSeSkinObject>(nullptr);
    top->SetName(name);
    top->SetColor(kSkinFace);
    return top;
}

// "Panel" { Frame, Caption (18 high), ButtonRollup, Button }, "Button" { Face, Text }.
inline TSeSkinBody ControlSkin() {
    TSeSkinBody body;
    body.SkinName = "Controls";
    auto panel = TopObject("Panel");
    auto& frame = CreateOwned<TSeSkinObject>(*panel);
    frame.SetName("Frame");
    frame.SetColor(kSkinFrame);
    auto& caption = CreateOwned<TSeSkinObject>(*panel);
    caption.SetName("Caption");
    caption.SetColor(kSkinCaption);
    caption.SetBounds(Bounds(0, 0, 10, 18));
    AddColorObject(*panel, "ButtonRollup");
    AddColorObject(*panel, "Button");
    body.Objects.push_back(std::move(panel));
    auto button = TopObject("Button");
    AddColorObject(*button, "Face");
    AddColorObject(*button, "Text");
    body.Objects.push_back(std::move(button));
    return body;
}

class SkinControlTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        Form = &App->CreateForm<TForm>();
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(0, 0, 320, 240);
        Form->SetColor(clWhite);
        Engine = &CreateOwned<TSeSkinEngine>(*Form);
        Engine->SetName("SeSkinEngine1");
        Form->Show();
    }

    template <class T> T& Add(const TRect& bounds, TWinControl* parent = nullptr) {
        T& c = CreateOwned<T>(*Form);
        c.SetBoundsRect(bounds);
        c.SetParent(parent ? parent : Form);
        return c;
    }

    // Swaps the engine's skin for Body, telling the clients as a file load does.
    void LoadSkin(TSeSkinBody body, TSeSkinEngine* engine = nullptr) {
        TSeSkinEngine& e = engine ? *engine : *Engine;
        e.Skin().SetLoading(true);
        e.BeforeChange();
        e.Skin().Clear();
        e.Skin().LoadBody(std::move(body));
        e.Skin().SetLoading(false);
        e.AfterChange();
    }
    // One of the eight skins the build packs ("steel", "alien", ...).
    void LoadShippedSkin(const std::string& name) {
        Engine->SetSkinFile(std::string(BRISAT_SKINS_DIR) + "/" + name + ".xskn");
    }

    // A point of Control's client area in the form's coordinates (where the platform's mouse
    // events for Window() go).
    TPoint OnForm(TControl& control, int32_t x, int32_t y) {
        return Form->ScreenToClient(control.ClientToScreen({x, y}));
    }
    HWND Window() { return Form->Handle(); }
    // A key pressed and released in Window (the form when 0), then everything handled.
    void PressKey(uint32_t key, uint32_t modifiers = 0, HWND window = 0) {
        Host->KeyDown(window ? window : Form->Handle(), key, modifiers);
        Host->KeyUp(window ? window : Form->Handle(), key, modifiers);
        Pump();
    }

    // The presented pixel (0x00RRGGBB) at a point of Control's client area.
    uint32_t At(TControl& control, int32_t x, int32_t y) {
        Pump();
        const TPoint p = OnForm(control, x, y);
        return PixelAt(Form->Handle(), p.X, p.Y);
    }
    // The presented pixel at Probe of Control with the mouse over Control's middle, then with
    // the mouse moved off it to the form's far corner.
    std::pair<uint32_t, uint32_t> AtHoveredThenLeft(TControl& control, TPoint probe) {
        const TPoint inside = OnForm(control, control.Width() / 2, control.Height() / 2);
        Host->MouseMove(Form->Handle(), inside.X, inside.Y);
        const uint32_t hovered = At(control, probe.X, probe.Y);
        Host->MouseMove(Form->Handle(), Form->Width() - 1, Form->Height() - 1);
        return {hovered, At(control, probe.X, probe.Y)};
    }
    // The presented pixel at a point of the form.
    uint32_t At(int32_t x, int32_t y) {
        Pump();
        return PixelAt(Form->Handle(), x, y);
    }

    TForm* Form = nullptr;
    TSeSkinEngine* Engine = nullptr;
};

} // namespace brisat::test
