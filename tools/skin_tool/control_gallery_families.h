// The gallery's rows: each control family with the settings the player gives it and the states
// it is photographed in. A state is reached on a fresh control through real input or the
// control's own API (see TGalleryStage).
#pragma once

#include "control_gallery_stage.h"

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace brisat {

struct TGalleryState {
    std::string Label;
    std::function<void(TGalleryStage&, TControl&)> Apply;
};

struct TGalleryFamily {
    std::string Title;
    // Makes the control, set up, on the stage.
    std::function<TControl&(TGalleryStage&)> Make;
    std::vector<TGalleryState> States;
};

// A family of controls of class T, Width × Height, set up by Setup; states are added with
// State<T>.
template <class T>
TGalleryFamily Family(std::string title, int32_t width, int32_t height,
                      std::function<void(T&)> setup = {}) {
    return {std::move(title),
            [width, height, setup](TGalleryStage& stage) -> TControl& {
                T& control = stage.Add<T>(width, height);
                if (setup) setup(control);
                stage.Settle();
                return control;
            },
            {}};
}

template <class T>
TGalleryState State(std::string label, std::function<void(TGalleryStage&, T&)> apply) {
    return {std::move(label), [apply](TGalleryStage& stage, TControl& control) {
                apply(stage, static_cast<T&>(control));
            }};
}

// The centre of a rectangle.
inline TPoint Centre(const TRect& r) {
    return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}
inline TPoint Centre(const TControl& control) {
    return {control.Width() / 2, control.Height() / 2};
}

// The states every family starts with: normal, hot (the mouse over its centre), focused (the
// input focus, for windowed controls) and disabled.
template <class T> std::vector<TGalleryState> CommonStates() {
    std::vector<TGalleryState> states{
        State<T>("normal", [](TGalleryStage&, T&) {}),
        State<T>("hot", [](TGalleryStage& s, T& c) { s.Hover(c, Centre(c)); }),
    };
    if constexpr (std::is_base_of_v<TWinControl, T>)
        states.push_back(State<T>("focused", [](TGalleryStage& s, T& c) { s.Focus(c); }));
    states.push_back(State<T>("disabled", [](TGalleryStage&, T& c) { c.SetEnabled(false); }));
    return states;
}

TGalleryFamily PanelFamily();
TGalleryFamily ButtonFamily();
TGalleryFamily TrackBarFamily(bool vertical);
TGalleryFamily ScrollBarFamily(bool vertical);
TGalleryFamily ListBoxFamily();
TGalleryFamily EditFamily();
TGalleryFamily ComboBoxFamily();

} // namespace brisat
