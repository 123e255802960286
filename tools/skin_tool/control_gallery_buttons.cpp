// The panel and push-button rows of the gallery.
#include "control_gallery_families.h"

#include "skin_controls/se_skin_button.h"
#include "skin_controls/se_skin_panel.h"

namespace brisat {

TGalleryFamily PanelFamily() {
    auto family = Family<TSeSkinPanel>("Panel: TSeSkinPanel", 150, 64,
                                       [](TSeSkinPanel& p) { p.SetCaption("Panel"); });
    using P = TSeSkinPanel;
    const auto button = [](P& p) { return Centre(p.GetButtonRect()); };
    family.States = {
        State<P>("normal", [](TGalleryStage&, P&) {}),
        State<P>("disabled", [](TGalleryStage&, P& p) { p.SetEnabled(false); }),
        State<P>("button hot", [button](TGalleryStage& s, P& p) { s.Hover(p, button(p)); }),
        State<P>("button pressed", [button](TGalleryStage& s, P& p) { s.Press(p, button(p)); }),
        State<P>("rolled up",
                 [button](TGalleryStage& s, P& p) {
                     s.Press(p, button(p));
                     s.Release(p, button(p));
                 }),
        State<P>("hide button",
                 [](TGalleryStage&, P& p) { p.SetButtonKind(TKsPanelButtonKind::pbkHide); }),
        State<P>("no caption", [](TGalleryStage&, P& p) { p.SetShowCaption(false); }),
    };
    return family;
}

TGalleryFamily ButtonFamily() {
    auto family = Family<TSeSkinButton>("Button: TSeSkinButton", 90, 28,
                                        [](TSeSkinButton& b) { b.SetCaption("Button"); });
    using B = TSeSkinButton;
    family.States = CommonStates<B>();
    family.States.insert(family.States.begin() + 2, State<B>("pressed", [](TGalleryStage& s, B& b) {
                             s.Press(b, Centre(b));
                         }));
    family.States.push_back(State<B>("default", [](TGalleryStage&, B& b) { b.SetDefault(true); }));
    family.States.push_back(
        State<B>("glyph", [](TGalleryStage&, B& b) { b.SetKind(TBitBtnKind::bkOK); }));
    family.States.push_back(State<B>("glyph disabled", [](TGalleryStage&, B& b) {
        b.SetKind(TBitBtnKind::bkCancel);
        b.SetEnabled(false);
    }));
    return family;
}

} // namespace brisat
