#include "skin_controls/skin_control_registry.h"

#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "framework/widgets/basic_control_classes.h"
#include "skin/engine/skin_engine.h"
#include "skin_controls/edit_classes.h"
#include "skin_controls/ks_speed_controls.h"
#include "skin_controls/list_control_classes.h"
#include "skin_controls/se_skin_button.h"
#include "skin_controls/se_skin_panel.h"
#include "skin_controls/skin_control_properties.h"
#include "skin_controls/track_bar_classes.h"

namespace brisat {

namespace {

const TEnumInfo PanelButtonKindInfo = EnumInfoOf<TKsPanelButtonKind>("TKsPanelButtonKind");
const TEnumInfo BitBtnKindInfo = EnumInfoOf<TBitBtnKind>("TBitBtnKind");

void RegisterBases(TClassRegistry& registry) {
    TClassDeclaration<TKsCustomControl> custom("TKsCustomControl", "TWinControl");
    KsControlProperties(custom).Register(registry);
    TClassDeclaration<TKsGraphicControl> graphic("TKsGraphicControl", "TGraphicControl");
    KsControlProperties(graphic).Register(registry);
    TClassDeclaration<TKsSpeedDivider>("TKsSpeedDivider", "TKsGraphicControl").Register(registry);
    TClassDeclaration<TKsSpeedContainer>("TKsSpeedContainer", "TKsCustomControl")
        .Register(registry);
}

void RegisterPanels(TClassRegistry& registry) {
    using P = TKsCustomPanel;
    TClassDeclaration<P>("TKsCustomPanel", "TKsCustomControl")
        .Boolean("ShowCaption", &P::ShowCaption, &P::SetShowCaption,
                 [](const P& p) { return !p.ShowCaption(); })
        .Integer("BorderWidth", &P::BorderWidth, &P::SetBorderWidth,
                 [](const P& p) { return p.BorderWidth() != 3; })
        .Integer("BevelWidth", &P::BevelWidth, &P::SetBevelWidth,
                 [](const P& p) { return p.BevelWidth() != 1; })
        .Boolean("ShowBevel", &P::ShowBevel, &P::SetShowBevel,
                 [](const P& p) { return !p.ShowBevel(); })
        .Boolean("ShowButton", &P::ShowButton, &P::SetShowButton,
                 [](const P& p) { return !p.ShowButton(); })
        .Boolean("Rolled", &P::Rolled, &P::SetRolled, [](const P& p) { return p.Rolled(); })
        .Enumeration("ButtonKind", PanelButtonKindInfo, &P::ButtonKind, &P::SetButtonKind,
                     [](const P& p) { return p.ButtonKind() != TKsPanelButtonKind::pbkRoll; })
        .Event<TNotifyEvent>("OnButtonClick",
                             [](P& p, const TNotifyEvent& f) { p.OnButtonClick = f; })
        .Event<TNotifyEvent>("OnRollup", [](P& p, const TNotifyEvent& f) { p.OnRollup = f; })
        .Event<TNotifyEvent>("OnHide", [](P& p, const TNotifyEvent& f) { p.OnHide = f; })
        .Register(registry);
    TClassDeclaration<TSeSkinPanel> skinned("TSeSkinPanel", "TKsCustomPanel");
    SkinBindingProperties(skinned).Register(registry);
}

void RegisterButtons(TClassRegistry& registry) {
    using B = TKsCustomButton;
    TClassDeclaration<B>("TKsCustomButton", "TKsCustomControl")
        .Boolean("Default", &B::Default, &B::SetDefault, [](const B& b) { return b.Default(); })
        .Object(
            "Glyph", [](B& b) -> TBitmap& { return b.Glyph(); },
            // A kind makes its own glyph again.
            [](const B& b) { return !b.Glyph().Empty() && b.Kind() == TBitBtnKind::bkCustom; })
        .Enumeration("Layout", ButtonLayoutInfo, &B::Layout, &B::SetLayout,
                     [](const B& b) { return b.Layout() != TButtonLayout::blGlyphLeft; })
        .Enumeration("Kind", BitBtnKindInfo, &B::Kind, &B::SetKind,
                     [](const B& b) { return b.Kind() != TBitBtnKind::bkCustom; })
        .Integer("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs,
                 [](const B& b) { return b.NumGlyphs() != 1; })
        .Integer("Spacing", &B::Spacing, &B::SetSpacing,
                 [](const B& b) { return b.Spacing() != 4; })
        .Integer("ModalResult", &B::ModalResult, &B::SetModalResult,
                 [](const B& b) { return b.ModalResult() != mrNone; })
        .Boolean("BlackAndWhiteGlyph", &B::BlackAndWhiteGlyph, &B::SetBlackAndWhiteGlyph,
                 [](const B& b) { return b.BlackAndWhiteGlyph(); })
        .Boolean("Cancel", &B::Cancel, &B::SetCancel, [](const B& b) { return b.Cancel(); })
        .Event<TNotifyEvent>("OnClick", [](B& b, const TNotifyEvent& f) { b.OnClick = f; })
        .Register(registry);
    using S = TSeSkinButton;
    TClassDeclaration<S> skinned("TSeSkinButton", "TKsCustomButton");
    SkinBindingProperties(skinned)
        .Boolean("ShowGlyph", &S::ShowGlyph, &S::SetShowGlyph,
                 [](const S& b) { return !b.ShowGlyph(); })
        .Boolean("ShowCaption", &S::ShowCaption, &S::SetShowCaption,
                 [](const S& b) { return !b.ShowCaption(); })
        .Register(registry);
}

} // namespace

void RegisterSkinControlClasses(TClassRegistry& registry) {
    RegisterBases(registry);
    RegisterPanels(registry);
    RegisterButtons(registry);
    RegisterTrackBarClasses(registry);
    RegisterListControlClasses(registry);
    RegisterEditClasses(registry);
}

void RegisterSkinControlClasses() {
    static const bool registered = [] {
        RegisterBasicControlClasses();
        RegisterSkinEngineClass();
        RegisterSkinControlClasses(TClassRegistry::Instance());
        return true;
    }();
    (void)registered;
}

} // namespace brisat
