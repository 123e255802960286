// The colour adjustment dialog: four standard track bars and a check box that edit the video
// window's colour settings live; the video window's capabilities decide which can be used.
#pragma once

#include "app/layouts.h"
#include "framework/controls/form.h"

namespace brisat {

class TCheckBox;
class TDSVideoWindowEx2;
class TShape;
class TTrackBar;

class TColorControlForm : public TForm {
public:
    // Reads the layout (the embedded one unless given) and binds its components, raising
    // EComponentError for one missing or of another class.
    TColorControlForm(TComponent* owner, TDSVideoWindowEx2& video,
                      std::string_view layout = ColorControlFormLayout());
    std::string ClassName() const override { return "TColorControlForm"; }

    // Copies the colour settings into the controls (each control's handler writes its value
    // back, so the settings stay as they are).
    void GetValues();

    // The components the dialog works with, bound once its layout is read.
    struct TParts {
        TTrackBar* TrackBar1 = nullptr; // brightness
        TTrackBar* TrackBar2 = nullptr; // contrast
        TTrackBar* TrackBar3 = nullptr; // hue
        TTrackBar* TrackBar4 = nullptr; // saturation
        TCheckBox* CheckBox1 = nullptr; // colour enable
        TShape* Shape1 = nullptr;       // the frame, drawn in the colour key
    };
    const TParts& Parts() const { return m_parts; }

private:
    void BindParts();
    void FormShow();
    void ApplyCapabilities();

    TDSVideoWindowEx2& m_video;
    TParts m_parts;
};

} // namespace brisat
