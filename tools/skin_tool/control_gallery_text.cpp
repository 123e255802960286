// The edit and combo-box rows of the gallery.
#include "control_gallery_families.h"

#include "skin_controls/se_skin_combo_box.h"
#include "skin_controls/se_skin_edit.h"

namespace brisat {
namespace {

using E = TSeSkinEdit;
using C = TSeSkinComboBox;

// The player's address edit and monitor box: single border.
void SetUpEdit(E& edit) {
    edit.SetBorderStyle(TBorderStyle::bsSingle);
    edit.SetText("http://example.org");
}

void SetUpCombo(C& combo) {
    combo.SetBorderStyle(TBorderStyle::bsSingle);
    for (const char* item : {"Monitor 1", "Monitor 2", "Window", "Desktop"})
        combo.Items().Add(item);
    combo.SetItemIndex(0);
    combo.SetDropDownCount(combo.Items().Count());
}

} // namespace

TGalleryFamily EditFamily() {
    auto family = Family<E>("Edit: TSeSkinEdit", 140, 22, SetUpEdit);
    family.States = CommonStates<E>();
    family.States.push_back(State<E>("selection", [](TGalleryStage& s, E& e) {
        s.Focus(e);
        e.SelectRange(7, 7);
    }));
    family.States.push_back(State<E>("password", [](TGalleryStage&, E& e) {
        e.SetText("secret");
        e.SetPasswordChar(U'*');
    }));
    family.States.push_back(State<E>("password circles", [](TGalleryStage&, E& e) {
        e.SetText("secret");
        e.SetPasswordKind(TPasswordKind::pkCircle);
    }));
    return family;
}

TGalleryFamily ComboBoxFamily() {
    auto family = Family<C>("Combo box: TSeSkinComboBox", 120, 22, SetUpCombo);
    const auto button = [](C& c) { return Centre(c.ButtonRect()); };
    family.States = CommonStates<C>();
    family.States.push_back(State<C>("pick-only", [](TGalleryStage&, C& c) {
        c.SetComboStyle(TKsComboStyle::kcsDropDownList);
    }));
    family.States.push_back(State<C>("pick-only focused", [](TGalleryStage& s, C& c) {
        c.SetComboStyle(TKsComboStyle::kcsDropDownList);
        s.Focus(c);
    }));
    family.States.push_back(
        State<C>("button hot", [button](TGalleryStage& s, C& c) { s.Hover(c, button(c)); }));
    family.States.push_back(
        State<C>("button pressed", [button](TGalleryStage& s, C& c) { s.Press(c, button(c)); }));
    return family;
}

} // namespace brisat
