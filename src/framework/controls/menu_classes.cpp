#include "framework/controls/menu_classes.h"

#include "framework/controls/menu.h"
#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "framework/core/exceptions.h"
#include "framework/graphics/image_list.h"

namespace brisat {

const TEnumInfo PopupAlignmentInfo = EnumInfoOf<TPopupAlignment>("TPopupAlignment");

namespace {

// Layouts store a shortcut as its number; a name ("Ctrl+O") is taken too.
TTextValue ShortCutValue(const TMenuItem& item) {
    return TTextValue::MakeInteger(item.ShortCut());
}

void SetShortCutValue(TMenuItem& item, const TTextValue& value) {
    if (value.Kind == TTextValue::TKind::vaString) {
        const TShortCut shortCut = TextToShortCut(value.Text);
        if (shortCut == scNone && !value.Text.empty())
            throw EConvertError("'" + value.Text + "' is not a shortcut");
        item.SetShortCut(shortCut);
        return;
    }
    if (value.Kind != TTextValue::TKind::vaInteger || value.Integer < 0 || value.Integer > 0xFFFF)
        throw EConvertError("a shortcut is a number from 0 to 65535 or a key name");
    item.SetShortCut(TShortCut(value.Integer));
}

void RegisterMenuItem(TClassRegistry& registry) {
    TClassDeclaration<TMenuItem>("TMenuItem", "TComponent")
        .Boolean("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck,
                 [](const TMenuItem& i) { return i.AutoCheck(); })
        .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
        .Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked,
                 [](const TMenuItem& i) { return i.Checked(); })
        .Boolean("Default", &TMenuItem::Default, &TMenuItem::SetDefault,
                 [](const TMenuItem& i) { return i.Default(); })
        .Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled,
                 [](const TMenuItem& i) { return !i.Enabled(); })
        .Integer(
            "GroupIndex", [](const TMenuItem& i) { return int32_t(i.GroupIndex()); },
            [](TMenuItem& i, int32_t v) {
                if (v < 0 || v > 255) throw EConvertError("GroupIndex must lie in 0..255");
                i.SetGroupIndex(uint8_t(v));
            },
            [](const TMenuItem& i) { return i.GroupIndex() != 0; })
        .String("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
        .Integer("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex,
                 [](const TMenuItem& i) { return i.ImageIndex() != -1; })
        .Boolean("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem,
                 [](const TMenuItem& i) { return i.RadioItem(); })
        .Custom("ShortCut", ShortCutValue, SetShortCutValue,
                [](const TMenuItem& i) { return i.ShortCut() != scNone; })
        .Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible,
                 [](const TMenuItem& i) { return !i.Visible(); })
        .Event<TNotifyEvent>("OnClick", [](TMenuItem& i, const TNotifyEvent& e) { i.OnClick = e; })
        .Register(registry);
}

void RegisterMenus(TClassRegistry& registry) {
    TClassDeclaration<TMenu>("TMenu", "TComponent")
        .Reference<TImageList>("Images", &TMenu::Images, &TMenu::SetImages)
        .Register(registry);
    TClassDeclaration<TMainMenu>("TMainMenu", "TMenu").Register(registry);
    TClassDeclaration<TPopupMenu>("TPopupMenu", "TMenu")
        .Enumeration("Alignment", PopupAlignmentInfo, &TPopupMenu::Alignment,
                     &TPopupMenu::SetAlignment,
                     [](const TPopupMenu& m) { return m.Alignment() != TPopupAlignment::paLeft; })
        .Boolean("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup,
                 [](const TPopupMenu& m) { return !m.AutoPopup(); })
        .Event<TNotifyEvent>("OnPopup", [](TPopupMenu& m, const TNotifyEvent& e) { m.OnPopup = e; })
        .Register(registry);
}

} // namespace

void RegisterMenuClasses(TClassRegistry& registry) {
    RegisterMenuItem(registry);
    RegisterMenus(registry);
}

void RegisterMenuClasses() {
    static const bool registered = [] {
        RegisterMenuClasses(TClassRegistry::Instance());
        return true;
    }();
    (void)registered;
}

} // namespace brisat
