// TSeSkinMenuBar: the menu bar drawn with a copy of the skin's "MenuBar" object: its "Frame"
// fills the bar, whose height becomes the frame's, and the items lie inside the frame's
// margins, drawn by TSeSkinItems bound to the same engine. Plain without a skin. GUI thread only.
#pragma once

#include "skin_controls/se_skin_control.h"
#include "skin_windows/ks_custom_menu_bar.h"

namespace brisat {

class TSeSkinMenuBar : public TSeSkinControl<TKsCustomMenuBar> {
public:
    explicit TSeSkinMenuBar(TComponent* owner) : TSeSkinControl(owner, "MenuBar") {}
    std::string ClassName() const override { return "TSeSkinMenuBar"; }

protected:
    TRect ItemsArea() override;
    void PaintFrame() override;
    // Binds the items to the bar's engine.
    void PrepareItems() override;
    void SkinBound() override;

private:
    // The copy's "Frame" placed over the whole bar, or nullptr.
    TSeSkinObject* PlacedFrame();
};

} // namespace brisat
