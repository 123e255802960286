#include "skin_controls/edit_classes.h"

#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "framework/widgets/character_value.h"
#include "skin_controls/se_skin_edit.h"
#include "skin_controls/skin_control_properties.h"

namespace brisat {
namespace {

const TEnumInfo EditCharCaseInfo = EnumInfoOf<TEditCharCase>("TEditCharCase");
const TEnumInfo PasswordKindInfo = EnumInfoOf<TPasswordKind>("TPasswordKind");
const TEnumInfo KsAnimationInfo = EnumInfoOf<TKsAnimation>("TKsAnimation");
const TEnumInfo AlignmentInfo = EnumInfoOf<TAlignment>("TAlignment");
const TEnumInfo EditBorderStyleInfo = EnumInfoOf<TBorderStyle>("TBorderStyle");

// The properties of every edit (the combo box's too), stored where they differ from the
// defaults.
template <class T> TClassDeclaration<T>& EditProperties(TClassDeclaration<T>& d) {
    using S = TKsPopupMenuSettings;
    const auto popup = [](auto member) {
        return [member](const T& e) { return e.PopupMenuSettings().*member; };
    };
    const auto setPopup = [](auto member) {
        return [member](T& e, auto value) { e.PopupMenuSettings().*member = value; };
    };
    return d
        .Boolean("AutoSelect", &T::AutoSelect, &T::SetAutoSelect,
                 [](const T& e) { return !e.AutoSelect(); })
        .Boolean("AutoSize", &T::AutoSize, &T::SetAutoSize, [](const T& e) { return !e.AutoSize(); })
        .Enumeration("BorderStyle", EditBorderStyleInfo, &T::BorderStyle, &T::SetBorderStyle,
                     [](const T& e) { return e.BorderStyle() != TBorderStyle::bsSingle; })
        .Enumeration("CharCase", EditCharCaseInfo, &T::CharCase, &T::SetCharCase,
                     [](const T& e) { return e.CharCase() != TEditCharCase::ecNormal; })
        .Boolean("HideSelection", &T::HideSelection, &T::SetHideSelection,
                 [](const T& e) { return !e.HideSelection(); })
        .Integer("MaxLength", &T::MaxLength, &T::SetMaxLength,
                 [](const T& e) { return e.MaxLength() != 0; })
        .Boolean("ReadOnly", &T::ReadOnly, &T::SetReadOnly, [](const T& e) { return e.ReadOnly(); })
        .Custom(
            "PasswordChar", [](const T& e) { return CharacterValue(e.PasswordChar()); },
            [](T& e, const TTextValue& v) { e.SetPasswordChar(CharacterFromValue(v)); },
            [](const T& e) { return e.PasswordChar() != 0; })
        .Enumeration("PasswordKind", PasswordKindInfo, &T::PasswordKind, &T::SetPasswordKind,
                     [](const T& e) { return e.PasswordKind() != TPasswordKind::pkNone; })
        .Enumeration("TextAlignment", AlignmentInfo, &T::TextAlignment, &T::SetTextAlignment,
                     [](const T& e) { return e.TextAlignment() != TAlignment::taLeftJustify; })
        .Boolean("PopupMenuDropShadow", popup(&S::DropShadow), setPopup(&S::DropShadow),
                 [](const T& e) { return !e.PopupMenuSettings().DropShadow; })
        .Integer("PopupMenuShowAnimationTime", popup(&S::ShowAnimationTime),
                 setPopup(&S::ShowAnimationTime),
                 [](const T& e) { return e.PopupMenuSettings().ShowAnimationTime != 300; })
        .Integer("PopupMenuBlendValue", popup(&S::BlendValue), setPopup(&S::BlendValue),
                 [](const T& e) { return e.PopupMenuSettings().BlendValue != 150; })
        .Integer("PopupMenuShadowWidth", popup(&S::ShadowWidth), setPopup(&S::ShadowWidth),
                 [](const T& e) { return e.PopupMenuSettings().ShadowWidth != 4; })
        .Enumeration("PopupMenuShowAnimation", KsAnimationInfo, popup(&S::ShowAnimation),
                     setPopup(&S::ShowAnimation),
                     [](const T& e) {
                         return e.PopupMenuSettings().ShowAnimation != TKsAnimation::kaNone;
                     })
        .Boolean("PopupMenuBlend", popup(&S::Blend), setPopup(&S::Blend),
                 [](const T& e) { return e.PopupMenuSettings().Blend; })
        .String("Text", &T::Text, &T::SetText)
        .template Event<TNotifyEvent>("OnChange", [](T& e, const TNotifyEvent& f) { e.OnChange = f; });
}

} // namespace

void RegisterEditClasses(TClassRegistry& registry) {
    TClassDeclaration<TSeSkinEdit> edit("TSeSkinEdit", "TKsCustomControl");
    SkinBindingProperties(EditProperties(edit)).Register(registry);
}

} // namespace brisat
