#include "app/color_control_form.h"

#include "app/layouts.h"
#include "framework/widgets/check_box.h"
#include "framework/widgets/shape_control.h"
#include "framework/widgets/track_bar.h"
#include "media/color_control.h"
#include "media/video_window.h"

namespace brisat {

TColorControlForm::TColorControlForm(TComponent* owner, TDSVideoWindowEx2& video)
    : TForm(owner), m_video(video) {
    TMethodTable& m = Methods();
    TColorControl& colors = video.ColorControl();
    auto track = [this, &colors](const char* bar, void (TColorControl::*set)(int32_t)) {
        return [this, &colors, bar, set](TComponent&) {
            (colors.*set)(Get<TTrackBar>(bar).Position());
        };
    };
    m.Add<TNotifyEvent>("TrackBar1Change", track("TrackBar1", &TColorControl::SetBrightness));
    m.Add<TNotifyEvent>("TrackBar2Change", track("TrackBar2", &TColorControl::SetContrast));
    m.Add<TNotifyEvent>("TrackBar3Change", track("TrackBar3", &TColorControl::SetHue));
    m.Add<TNotifyEvent>("TrackBar4Change", track("TrackBar4", &TColorControl::SetSaturation));
    m.Add<TNotifyEvent>("CheckBox1Click", [this, &colors](TComponent&) {
        colors.SetColorEnable(Get<TCheckBox>("CheckBox1").Checked());
    });
    m.Add<TNotifyEvent>("SpeedButton1Click", [this, &colors](TComponent&) {
        colors.ResetToDefaults();
        GetValues();
    });
    m.Add<TNotifyEvent>("SpeedButton2Click", [this](TComponent&) { Close(); });
    // Any loss of activation, a click on the main window say, closes the dialog.
    m.Add<TNotifyEvent>("FormDeactivate", [this](TComponent&) { Close(); });
    m.Add<TNotifyEvent>("FormShow", [this](TComponent&) { FormShow(); });
    LoadLayout(ColorControlFormLayout());
}

void TColorControlForm::GetValues() {
    const TColorControl& colors = m_video.ColorControl();
    Get<TCheckBox>("CheckBox1").SetChecked(colors.ColorEnable());
    Get<TTrackBar>("TrackBar4").SetPosition(colors.Saturation());
    Get<TTrackBar>("TrackBar3").SetPosition(colors.Hue());
    Get<TTrackBar>("TrackBar2").SetPosition(colors.Contrast());
    Get<TTrackBar>("TrackBar1").SetPosition(colors.Brightness());
}

void TColorControlForm::FormShow() {
    SetColor(m_video.ColorKey());
    Get<TShape>("Shape1").Brush().SetColor(m_video.ColorKey());
    const TPoint origin = m_video.ClientOrigin();
    SetBounds(origin.X + m_video.Width() / 2 - Width() / 2,
              origin.Y + m_video.Height() / 2 - Height() / 2, Width(), Height());
    ApplyCapabilities();
    GetValues();
}

void TColorControlForm::ApplyCapabilities() {
    const TDSVideoWindowEx2Caps& caps = m_video.Capabilities();
    const std::pair<const char*, bool> bars[] = {
        {"TrackBar1", caps.CanControlBrigtness()},
        {"TrackBar2", caps.CanControlContrast()},
        {"TrackBar3", caps.CanControlHue()},
        {"TrackBar4", caps.CanControlSaturation()},
    };
    for (const auto& [name, allowed] : bars) {
        TTrackBar& bar = Get<TTrackBar>(name);
        bar.SetEnabled(allowed);
        bar.SetSliderVisible(allowed);
    }
    Get<TCheckBox>("CheckBox1").SetEnabled(caps.CanControlColorEnabled());
}

} // namespace brisat
