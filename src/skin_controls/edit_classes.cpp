#include "skin_controls/edit_classes.h"

#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "framework/widgets/character_value.h"
#include "skin_controls/se_skin_combo_box.h"
#include "skin_controls/se_skin_edit.h"
#include "skin_controls/skin_control_properties.h"

namespace brisat {
namespace {

const TEnumInfo EditCharCaseInfo = EnumInfoOf<TEditCharCase>("TEditCharCase");
const TEnumInfo PasswordKindInfo = EnumInfoOf<TPasswordKind>("TPasswordKind");
const TEnumInfo KsAnimationInfo = EnumInfoOf<TKsAnimation>("TKsAnimation");
const TEnumInfo AlignmentInfo = EnumInfoOf<TAlignment>("TAlignment");
const TEnumInfo EditBorderStyleInfo = EnumInfoOf<TBorderStyle>("TBorderStyle");
const TEnumInfo ComboButtonAlignInfo = EnumInfoOf<TKsComboButtonAlign>("TKsComboButtonAlign");
const TEnumInfo ComboStyleInfo = EnumInfoOf<TKsComboStyle>("TKsComboStyle");
const TEnumInfo ComboListStyleInfo = EnumInfoOf<TKsListBoxStyle>("TKsListBoxStyle");
const TEnumInfo ComboFontDeviceInfo = EnumInfoOf<TKsFontDevice>("TKsFontDevice");
const TEnumInfo ComboFontTypeInfo = EnumInfoOf<TKsFontType>("TKsFontType");

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

// The combo box's own properties and those its list keeps.
TClassDeclaration<TSeSkinComboBox>& ComboProperties(TClassDeclaration<TSeSkinComboBox>& d) {
    using T = TSeSkinComboBox;
    using L = TKsCustomListBox;
    return d
        .Enumeration("ButtonAlign", ComboButtonAlignInfo,
                     &T::ButtonAlign, &T::SetButtonAlign,
                     [](const T& c) { return c.ButtonAlign() != TKsComboButtonAlign::cbaRight; })
        .Enumeration("ComboStyle", ComboStyleInfo, &T::ComboStyle,
                     &T::SetComboStyle,
                     [](const T& c) { return c.ComboStyle() != TKsComboStyle::kcsDropDown; })
        .Integer("DropDownCount", &T::DropDownCount, &T::SetDropDownCount,
                 [](const T& c) { return c.DropDownCount() != 8; })
        .Integer("ItemHeight", &T::ItemHeight, &T::SetItemHeight,
                 [](const T& c) { return c.ItemHeight() != 15; })
        .Boolean("AutoComplete", &T::AutoComplete, &T::SetAutoComplete,
                 [](const T& c) { return c.AutoComplete(); })
        .Object("Items", [](T& c) -> TEkListBoxItems& { return c.Items(); })
        .Boolean("Flat", [](const T& c) { return c.List().Flat(); },
                 [](T& c, bool v) { c.List().SetFlat(v); }, [](const T& c) { return !c.List().Flat(); })
        .Boolean("ShowCheckBoxes", [](const T& c) { return c.List().ShowCheckBoxes(); },
                 [](T& c, bool v) { c.List().SetShowCheckBoxes(v); },
                 [](const T& c) { return c.List().ShowCheckBoxes(); })
        .Boolean("Sorted", [](const T& c) { return c.List().Sorted(); },
                 [](T& c, bool v) { c.List().SetSorted(v); },
                 [](const T& c) { return c.List().Sorted(); })
        .Boolean("WordWrap", [](const T& c) { return c.List().WordWrap(); },
                 [](T& c, bool v) { c.List().SetWordWrap(v); },
                 [](const T& c) { return c.List().WordWrap(); })
        .Enumeration("ListStyle", ComboListStyleInfo,
                     [](const T& c) { return c.List().ListStyle(); },
                     [](T& c, TKsListBoxStyle v) { c.List().SetListStyle(v); },
                     [](const T& c) { return c.List().ListStyle() != TKsListBoxStyle::lbStandard; })
        .Enumeration("FontDevice", ComboFontDeviceInfo,
                     [](const T& c) { return c.List().FontDevice(); },
                     [](T& c, TKsFontDevice v) { c.List().SetFontDevice(v); },
                     [](const T& c) { return c.List().FontDevice() != TKsFontDevice::fdScreen; })
        .Enumeration("FontType", ComboFontTypeInfo,
                     [](const T& c) { return c.List().FontType(); },
                     [](T& c, TKsFontType v) { c.List().SetFontType(v); },
                     [](const T& c) { return c.List().FontType() != TKsFontType::ftAll; })
        .Event<L::TDrawItemEvent>("OnDrawItem",
                                  [](T& c, const L::TDrawItemEvent& f) { c.List().OnDrawItem = f; })
        .Event<L::TMeasureItemEvent>(
            "OnMeasureItem", [](T& c, const L::TMeasureItemEvent& f) { c.List().OnMeasureItem = f; })
        // After the items, so the index finds them.
        .Integer("ItemIndex", &T::ItemIndex, &T::SetItemIndex,
                 [](const T& c) { return c.ItemIndex() != -1; });
}

} // namespace

void RegisterEditClasses(TClassRegistry& registry) {
    TClassDeclaration<TSeSkinEdit> edit("TSeSkinEdit", "TKsCustomControl");
    SkinBindingProperties(EditProperties(edit)).Register(registry);
    TClassDeclaration<TSeSkinComboBox> combo("TSeSkinComboBox", "TKsCustomControl");
    SkinBindingProperties(ComboProperties(EditProperties(combo))).Register(registry);
}

} // namespace brisat
