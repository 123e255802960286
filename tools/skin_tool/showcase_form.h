// TShowcaseForm: the showcase's window. A skinned panel fills it; on it stand a button that
// loads the next skin, an edit, a combo box, a horizontal volume bar (0..10000 in steps of
// 1000), a vertical zoom bar (0..99, the part above the thumb highlighted), a scroll bar and a
// list box, all bound to the form's skin engine. Changes go to stdout as they happen.
#pragma once

#include "framework/controls/form.h"

#include <string>
#include <vector>

namespace brisat {

class TSeSkinEngine;

class TShowcaseForm : public TForm {
public:
    // Loads SkinFile into the form's engine.
    TShowcaseForm(TComponent* owner, const std::string& skinFile);
    std::string ClassName() const override { return "TShowcaseForm"; }

    TSeSkinEngine& Engine() { return *m_engine; }
    // Loads the next skin of the folder and reports it.
    void NextSkin();
    // Reports where each control stands: "at NAME X Y WIDTH HEIGHT", from the window's
    // top-left corner, for scripts that click on them, then the thumbs.
    void ReportPlaces();
    // Reports where to press to grab each track bar's thumb: "thumb NAME X Y", from the
    // window's top-left corner. Skins move the thumbs, so each skin change reports them again.
    void ReportThumbs();

private:
    void BuildControls(TWinControl& parent);
    void LoadSkin(const std::string& file);
    // Control's client point from the window's top-left corner.
    TPoint InWindow(const TControl& control, TPoint point) const;

    TSeSkinEngine* m_engine = nullptr;
    std::vector<std::string> m_skins;
};

} // namespace brisat
