#include "app/color_control_form.h"

#include "app/component_binding.h"
#include "framework/widgets/check_box.h"
#include "framework/widgets/shape_control.h"
#include "framework/widgets/track_bar.h"
#include "media/color_control.h"
#include "media/video_window.h"

namespace brisat {

TColorControlForm::TColorControlForm(TComponent* owner, TDSVideoWindowEx2& video,
                                     std::string_view layout)
    : TForm(owner), m_video(video) {
    TMethodTable& m = Methods();
    TColorControl& colors = video.ColorControl();
    auto track = [this, &colors](TTrackBar* TParts::*bar, void (TColorControl::*set)(int32_t)) {
        return
            [this, &colors, bar, set](TComponent&) { (colors.*set)((m_parts.*bar)->Position()); };
    };
    m.Add<TNotifyEvent>("TrackBar1Change",
                        track(&TParts::TrackBar1, &TColorControl::SetBrightness));
    m.Add<TNotifyEvent>("TrackBar2Change", track(&TParts::TrackBar2, &TColorControl::SetContrast));
    m.Add<TNotifyEvent>("TrackBar3Change", track(&TParts::TrackBar3, &TColorControl::SetHue));
    m.Add<TNotifyEvent>("TrackBar4Change",
                        track(&TParts::TrackBar4, &TColorControl::SetSaturation));
    m.Add<TNotifyEvent>("CheckBox1Click", [this, &colors](TComponent&) {
        colors.SetColorEnable(m_parts.CheckBox1->Checked());
    });
    m.Add<TNotifyEvent>("SpeedButton1Click", [this, &colors](TComponent&) {
        colors.ResetToDefaults();
        GetValues();
    });
    m.Add<TNotifyEvent>("SpeedButton2Click", [this](TComponent&) { Close(); });
    // Any loss of activation, a click on the main window say, closes the dialog.
    m.Add<TNotifyEvent>("FormDeactivate", [this](TComponent&) { Close(); });
    m.Add<TNotifyEvent>("FormShow", [this](TComponent&) { FormShow(); });
    LoadLayout(layout);
    BindParts();
}

void TColorControlForm::BindParts() {
    BindComponent(*this, "TrackBar1", m_parts.TrackBar1);
    BindComponent(*this, "TrackBar2", m_parts.TrackBar2);
    BindComponent(*this, "TrackBar3", m_parts.TrackBar3);
    BindComponent(*this, "TrackBar4", m_parts.TrackBar4);
    BindComponent(*this, "CheckBox1", m_parts.CheckBox1);
    BindComponent(*this, "Shape1", m_parts.Shape1);
}

void TColorControlForm::GetValues() {
    const TColorControl& colors = m_video.ColorControl();
    m_parts.CheckBox1->SetChecked(colors.ColorEnable());
    m_parts.TrackBar4->SetPosition(colors.Saturation());
    m_parts.TrackBar3->SetPosition(colors.Hue());
    m_parts.TrackBar2->SetPosition(colors.Contrast());
    m_parts.TrackBar1->SetPosition(colors.Brightness());
}

void TColorControlForm::FormShow() {
    SetColor(m_video.ColorKey());
    m_parts.Shape1->Brush().SetColor(m_video.ColorKey());
    const TPoint origin = m_video.ClientOrigin();
    SetBounds(origin.X + m_video.Width() / 2 - Width() / 2,
              origin.Y + m_video.Height() / 2 - Height() / 2, Width(), Height());
    ApplyCapabilities();
    GetValues();
}

void TColorControlForm::ApplyCapabilities() {
    const TDSVideoWindowEx2Caps& caps = m_video.Capabilities();
    const std::pair<TTrackBar*, bool> bars[] = {
        {m_parts.TrackBar1, caps.CanControlBrigtness()},
        {m_parts.TrackBar2, caps.CanControlContrast()},
        {m_parts.TrackBar3, caps.CanControlHue()},
        {m_parts.TrackBar4, caps.CanControlSaturation()},
    };
    for (const auto& [bar, allowed] : bars) {
        bar->SetEnabled(allowed);
        bar->SetSliderVisible(allowed);
    }
    m_parts.CheckBox1->SetEnabled(caps.CanControlColorEnabled());
}

} // namespace brisat
