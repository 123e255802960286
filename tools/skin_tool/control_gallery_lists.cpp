// The list-box row of the gallery.
#include "control_gallery_families.h"

#include "skin_controls/se_skin_list_box.h"

namespace brisat {
namespace {

using L = TSeSkinListBox;

// The player's playlist: single border, 16-pixel items, a scroll bar when needed; the second
// item selected.
void SetUpList(L& list) {
    list.SetBorderStyle(TBorderStyle::bsSingle);
    for (const char* item : {"Intro.mkv", "Night drive.mp4", "Harbour.webm", "Rain.ogv",
                             "Lights.mkv", "Long road.mp4", "Morning.webm", "Credits.mkv"})
        list.Items().Add(item);
    list.SetItemIndex(1);
}

} // namespace

TGalleryFamily ListBoxFamily() {
    auto family = Family<L>("List box: TSeSkinListBox", 130, 100, SetUpList);
    family.States = CommonStates<L>();
    // The skinned list shows the mouse by its frame (items have no hot look).
    family.States[1] = State<L>("hot", [](TGalleryStage& s, L& l) {
        s.Hover(l, Centre(l.GetItemRect(3)));
    });
    family.States.push_back(State<L>("clicked", [](TGalleryStage& s, L& l) {
        const TPoint item = Centre(l.GetItemRect(2));
        s.Press(l, item);
        s.Release(l, item);
    }));
    family.States.push_back(State<L>("wheeled to the end", [](TGalleryStage& s, L& l) {
        s.Wheel(l, Centre(l), -120 * l.Items().Count());
    }));
    family.States.push_back(State<L>("check boxes", [](TGalleryStage&, L& l) {
        l.SetAllowGrayed(true);
        l.SetShowCheckBoxes(true);
        l.SetState(0, TKsCheckBoxState::cbChecked);
        l.SetState(2, TKsCheckBoxState::cbGrayed);
    }));
    family.States.push_back(State<L>("few items", [](TGalleryStage&, L& l) {
        while (l.Items().Count() > 3)
            l.Items().Delete(l.Items().Count() - 1);
    }));
    return family;
}

} // namespace brisat
