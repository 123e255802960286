#include "framework/controls/control_classes.h"

#include "framework/controls/form.h"
#include "framework/controls/menu.h"
#include "framework/controls/menu_classes.h"
#include "framework/controls/timer.h"
#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "framework/core/exceptions.h"

namespace brisat {

const TEnumInfo AlignInfo = EnumInfoOf<TAlign>("TAlign");
const TEnumInfo AnchorsInfo = EnumInfoOf<TAnchorKind>("TAnchors");
const TEnumInfo FormBorderStyleInfo = EnumInfoOf<TFormBorderStyle>("TFormBorderStyle");
const TEnumInfo BorderIconsInfo = EnumInfoOf<TBorderIcon>("TBorderIcons");
const TEnumInfo PositionInfo = EnumInfoOf<TPosition>("TPosition");
const TEnumInfo FormStyleInfo = EnumInfoOf<TFormStyle>("TFormStyle");
const TEnumInfo WindowStateInfo = EnumInfoOf<TWindowState>("TWindowState");

namespace {

bool IsForm(const TControl& c) {
    return dynamic_cast<const TCustomForm*>(&c) != nullptr;
}

void RegisterControl(TClassRegistry& registry) {
    const TAnchors defaultAnchors{TAnchorKind::akLeft, TAnchorKind::akTop};
    TClassDeclaration<TControl>("TControl", "TComponent")
        .Integer("Left", &TControl::Left, &TControl::SetLeft)
        .Integer("Top", &TControl::Top, &TControl::SetTop)
        // Forms keep their client size instead.
        .Integer("Width", &TControl::Width, &TControl::SetWidth,
                 [](const TControl& c) { return !IsForm(c); })
        .Integer("Height", &TControl::Height, &TControl::SetHeight,
                 [](const TControl& c) { return !IsForm(c); })
        .Enumeration("Align", AlignInfo, &TControl::Align, &TControl::SetAlign,
                     [](const TControl& c) { return c.Align() != TAlign::alNone; })
        .Set(
            "Anchors", AnchorsInfo, [](const TControl& c) { return c.Anchors().Bits(); },
            [](TControl& c, uint32_t bits) { c.SetAnchors(TAnchors::FromBits(bits & 0xF)); },
            [defaultAnchors](const TControl& c) { return c.Anchors() != defaultAnchors; })
        .String("Caption", &TControl::Caption, &TControl::SetCaption)
        .Color("Color", &TControl::Color, &TControl::SetColor,
               [](const TControl& c) { return !c.ParentColor() && c.Color() != c.DefaultColor(); })
        .Integer(
            "Cursor", [](const TControl& c) { return int32_t(c.Cursor()); },
            [](TControl& c, int32_t v) { c.SetCursor(TCursor(v)); },
            [](const TControl& c) { return c.Cursor() != crDefault; })
        .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled,
                 [](const TControl& c) { return !c.Enabled(); })
        .Object(
            "Font", [](TControl& c) -> TFont& { return c.Font(); },
            [](const TControl& c) { return !c.ParentFont(); })
        .String("Hint", &TControl::Hint, &TControl::SetHint)
        .Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor,
                 [](const TControl& c) { return c.ParentColor(); })
        .Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont,
                 [](const TControl& c) { return !c.ParentFont() && !IsForm(c); })
        .Boolean("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint,
                 [](const TControl& c) { return !c.ParentShowHint(); })
        .Reference<TPopupMenu>(
            "PopupMenu", [](const TControl& c) { return dynamic_cast<TPopupMenu*>(c.PopupMenu()); },
            [](TControl& c, TPopupMenu* menu) { c.SetPopupMenu(menu); })
        .Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint,
                 [](const TControl& c) { return !c.ParentShowHint(); })
        .Boolean("Visible", &TControl::Visible, &TControl::SetVisible,
                 [](const TControl& c) { return c.Visible() == IsForm(c); })
        .Register(registry);
    TClassDeclaration<TGraphicControl>("TGraphicControl", "TControl").Register(registry);
    TClassDeclaration<TWinControl>("TWinControl", "TControl")
        .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder,
                 [](const TWinControl& c) { return c.Parent() != nullptr; })
        .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop,
                 [](const TWinControl& c) { return c.TabStop(); })
        .Register(registry);
    TClassDeclaration<TCustomControl>("TCustomControl", "TWinControl").Register(registry);
}

// The setter of a form event property held in Member.
template <class Fn> auto FormEvent(Fn TCustomForm::*member) {
    return [member](TCustomForm& form, const Fn& handler) { form.*member = handler; };
}

void RegisterForm(TClassRegistry& registry) {
    const TBorderIcons defaultIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                                    TBorderIcon::biMaximize};
    TClassDeclaration<TCustomForm>("TCustomForm", "TWinControl")
        .Set(
            "BorderIcons", BorderIconsInfo,
            [](const TCustomForm& f) { return f.BorderIcons().Bits(); },
            [](TCustomForm& f, uint32_t bits) {
                f.SetBorderIcons(TBorderIcons::FromBits(bits & 0xF));
            },
            [defaultIcons](const TCustomForm& f) { return f.BorderIcons() != defaultIcons; })
        .Enumeration(
            "BorderStyle", FormBorderStyleInfo, &TCustomForm::BorderStyle,
            &TCustomForm::SetBorderStyle,
            [](const TCustomForm& f) { return f.BorderStyle() != TFormBorderStyle::bsSizeable; })
        .Integer(
            "ClientHeight", [](const TCustomForm& f) { return f.ClientHeight(); },
            [](TCustomForm& f, int32_t v) { f.SetClientSize(f.ClientWidth(), v); })
        .Integer(
            "ClientWidth", [](const TCustomForm& f) { return f.ClientWidth(); },
            [](TCustomForm& f, int32_t v) { f.SetClientSize(v, f.ClientHeight()); })
        .Enumeration("FormStyle", FormStyleInfo, &TCustomForm::FormStyle,
                     &TCustomForm::SetFormStyle,
                     [](const TCustomForm& f) { return f.FormStyle() != TFormStyle::fsNormal; })
        .Reference<TMainMenu>("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)
        .Enumeration("Position", PositionInfo, &TCustomForm::Position, &TCustomForm::SetPosition,
                     [](const TCustomForm& f) { return f.Position() != TPosition::poDesigned; })
        .Enumeration("WindowState", WindowStateInfo, &TCustomForm::WindowState,
                     &TCustomForm::SetWindowState,
                     [](const TCustomForm& f) { return f.WindowState() != TWindowState::wsNormal; })
        .Event<TNotifyEvent>("OnActivate", FormEvent(&TCustomForm::OnActivate))
        .Event<TCustomForm::TCloseEvent>("OnClose", FormEvent(&TCustomForm::OnClose))
        .Event<TCustomForm::TCloseQueryEvent>("OnCloseQuery",
                                              FormEvent(&TCustomForm::OnCloseQuery))
        .Event<TNotifyEvent>("OnCreate", FormEvent(&TCustomForm::OnCreate))
        .Event<TNotifyEvent>("OnDeactivate", FormEvent(&TCustomForm::OnDeactivate))
        .Event<TNotifyEvent>("OnDestroy", FormEvent(&TCustomForm::OnDestroy))
        .Event<TNotifyEvent>("OnHide", FormEvent(&TCustomForm::OnHide))
        .Event<TNotifyEvent>("OnPaint", FormEvent(&TCustomForm::OnPaint))
        .Event<TNotifyEvent>("OnShow", FormEvent(&TCustomForm::OnShow))
        .Register(registry);
    TClassDeclaration<TForm>("TForm", "TCustomForm").Register(registry);
}

void RegisterTimer(TClassRegistry& registry) {
    TClassDeclaration<TTimer>("TTimer", "TComponent")
        .Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled,
                 [](const TTimer& t) { return !t.Enabled(); })
        .Integer(
            "Interval", [](const TTimer& t) { return int32_t(t.Interval()); },
            [](TTimer& t, int32_t v) {
                if (v < 0) throw EConvertError("Interval must not be negative");
                t.SetInterval(uint32_t(v));
            },
            [](const TTimer& t) { return t.Interval() != 1000; })
        .Register(registry);
}

} // namespace

void RegisterControlClasses(TClassRegistry& registry) {
    RegisterControl(registry);
    RegisterForm(registry);
    RegisterTimer(registry);
    RegisterMenuClasses(registry);
}

void RegisterControlClasses() {
    static const bool registered = [] {
        RegisterControlClasses(TClassRegistry::Instance());
        return true;
    }();
    (void)registered;
}

} // namespace brisat
