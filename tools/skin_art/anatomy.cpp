#include "skin_art/anatomy.h"

#include "skin_art/anatomy_parts.h"

#include <algorithm>

namespace skin_art {
namespace {

using namespace brisat;

constexpr int ShowcaseWidth = 320;
constexpr int ShowcaseGap = 4;

// Lays a control's children out side by side, in rows, so that the bare tree drawn as it is
// stored shows every piece. Controls place the children they use themselves; only the sizes
// stored here matter to them, and those stay.
void LayOutShowcase(TSeSkinObject& top) {
    int x = ShowcaseGap, y = ShowcaseGap, row = 0;
    for (int i = 0; i < top.ChildCount(); ++i) {
        TSeSkinObject& child = top.Child(i);
        const int w = child.Width(), h = child.Height();
        if (w <= 0 || h <= 0) continue;
        if (x > ShowcaseGap && x + w > ShowcaseWidth) {
            x = ShowcaseGap;
            y += row + ShowcaseGap;
            row = 0;
        }
        child.SetBounds({x, y, x + w, y + h});
        x += w + ShowcaseGap;
        row = std::max(row, h);
    }
    top.SetBounds({0, 0, ShowcaseWidth, y + row + ShowcaseGap});
}

} // namespace

const std::vector<std::string>& TopLevelNames() {
    static const std::vector<std::string> names = {
        "Form",     "ToolWindow", "MenuBar", "PopupMenu", "Panel",       "Button",   "TrackBar",
        "ScrollBar", "ListBox",   "ComboBox", "Edit",     "CheckBox", "RadioButton", "GroupBox",
        "Tabs"};
    return names;
}

TSkinArt BuildSkin(const TLook& look) {
    TBuilder b(look);
    BuildForm(b, false);
    BuildForm(b, true);
    BuildMenuBar(b);
    BuildPopupMenu(b);
    BuildPanel(b);
    BuildButton(b);
    BuildTrackBar(b);
    BuildScrollBar(b);
    BuildListBox(b);
    BuildComboBox(b);
    BuildEdit(b);
    BuildCheckBox(b);
    BuildRadioButton(b);
    BuildGroupBox(b);
    BuildTabs(b);
    for (auto& object : b.Objects)
        if (object->Kind() != TSeKind::skForm) LayOutShowcase(*object);
    TSkinArt art{look.Name(), look.Folder(), {}, std::move(b.Objects)};
    for (const TAtlas* atlas : {&b.Frame, &b.Buttons, &b.Controls})
        art.Bitmaps.emplace_back(atlas->Name(), atlas->Image());
    return art;
}

} // namespace skin_art
