#include "skin_art/anatomy.h"

#include "skin_art/anatomy_parts.h"

namespace skin_art {

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
    TSkinArt art{look.Name(), look.Folder(), {}, std::move(b.Objects)};
    for (const TAtlas* atlas : {&b.Frame, &b.Buttons, &b.Controls})
        art.Bitmaps.emplace_back(atlas->Name(), atlas->Image());
    return art;
}

} // namespace skin_art
