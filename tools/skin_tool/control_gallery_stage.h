// TGalleryStage: where the gallery photographs its controls. A borderless form on the headless
// platform, covered by a skinned panel as the player's windows are, and a skin engine (with no
// skin the controls draw their plain look). One control stands on the panel at a time; the states
// are reached with real input (the platform's mouse events, the input focus) or the controls' own
// API, and the picture is what the screen then shows, popups included. GUI thread only.
#pragma once

#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "platform/headless_platform.h"
#include "skin/bitmap/bitmap.h"

#include <memory>
#include <string>

namespace brisat {

class TSeSkinEngine;
class TSeSkinPanel;

class TGalleryStage {
public:
    // Installs the headless platform; SkinFile "" leaves the engine without a skin.
    explicit TGalleryStage(const std::string& skinFile);
    ~TGalleryStage();
    TGalleryStage(const TGalleryStage&) = delete;
    TGalleryStage& operator=(const TGalleryStage&) = delete;

    TSeSkinEngine& Engine() { return *m_engine; }
    // "Plain" without a skin.
    std::string SkinName() const;

    // A new control of class T on the panel at the stage's spot, bound to the engine.
    template <class T> T& Add(int32_t width, int32_t height) {
        T& control = CreateOwned<T>(*m_form);
        control.SetBounds(kSpot, kSpot, width, height);
        control.SetParent(Backdrop());
        control.SetSkinEngine(m_engine);
        Settle();
        return control;
    }

    // Real mouse input at a point of Control's client area, everything handled afterwards.
    void Hover(TControl& control, TPoint p);
    void Press(TControl& control, TPoint p);
    void Release(TControl& control, TPoint p);
    // Press at From, move to To with the button held.
    void Drag(TControl& control, TPoint from, TPoint to);
    // A turn of the wheel by Delta (multiples of 120) with the pointer at P.
    void Wheel(TControl& control, TPoint p, int32_t delta);
    void Focus(TWinControl& control);
    // Handles everything queued, painting included.
    void Settle();

    // What the screen shows over Control and the margin of panel around it, widened to take in
    // every popup window open.
    std::unique_ptr<TKsBitmap> Photograph(TControl& control);
    // Lets go of the mouse away from everything, closes popups by freeing Control, and moves
    // the clock past the double-click time so the next press is a fresh one.
    void Clear(TControl& control);

private:
    static constexpr int32_t kSpot = 12;
    TWinControl* Backdrop();
    TPoint OnForm(TControl& control, TPoint p) const;

    THeadlessPlatform* m_host = nullptr;
    std::unique_ptr<TApplication> m_app;
    TForm* m_form = nullptr;
    TSeSkinEngine* m_engine = nullptr;
    TSeSkinPanel* m_backdrop = nullptr;
};

} // namespace brisat
