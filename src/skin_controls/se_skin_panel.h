// TSeSkinPanel: the panel drawn with the skin object "Panel" and its children "Frame",
// "Caption" and the caption buttons ("ButtonHide", "ButtonRolldown", "ButtonRollup", falling
// back to "Button"); any piece the skin lacks is drawn plain or left out. A skin's "Caption"
// sets the caption height; without a skin the panel returns to its own. GUI thread only.
#pragma once

#include "skin_controls/ks_custom_panel.h"
#include "skin_controls/se_skin_control.h"

#include <optional>

namespace brisat {

class TSeSkinPanel : public TSeSkinControl<TKsCustomPanel> {
public:
    explicit TSeSkinPanel(TComponent* owner);
    std::string ClassName() const override { return "TSeSkinPanel"; }

protected:
    void PaintFrame() override;
    void PaintCaption() override;
    void SkinBound() override;

private:
    TSeSkinObject* CaptionButtonObject() const;

    // The caption height the panel had before a skin set its own.
    std::optional<int32_t> m_plainCaptionHeight;
};

} // namespace brisat
