#include "skin_windows/form_classes.h"

#include "framework/controls/menu.h"
#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "skin_windows/ks_custom_form.h"
#include "skin_windows/ks_form_constraints.h"

namespace brisat {

namespace {

const TEnumInfo BorderIconInfo = EnumInfoOf<TKsBorderIcon>("TKsBorderIcon");
const TEnumInfo BorderStyleInfo = EnumInfoOf<TKsBorderStyle>("TKsBorderStyle");
const TEnumInfo AnimationInfo = EnumInfoOf<TKsAnimation>("TKsAnimation");

void RegisterConstraints(TClassRegistry& registry) {
    using C = TKsFormConstraints;
    const auto nonZero = [](int32_t (C::*get)() const) {
        return [get](const C& c) { return (c.*get)() != 0; };
    };
    TClassDeclaration<C>("TKsFormConstraints", "TPersistent")
        .Integer("MaxHeight", &C::MaxHeight, &C::SetMaxHeight, nonZero(&C::MaxHeight))
        .Integer("MaxWidth", &C::MaxWidth, &C::SetMaxWidth, nonZero(&C::MaxWidth))
        .Integer("MinHeight", &C::MinHeight, &C::SetMinHeight, nonZero(&C::MinHeight))
        .Integer("MinWidth", &C::MinWidth, &C::SetMinWidth, nonZero(&C::MinWidth))
        .Register(registry);
}

} // namespace

void RegisterFormClasses(TClassRegistry& registry) {
    using T = TKsCustomForm;
    RegisterConstraints(registry);
    TClassDeclaration<T>("TKsCustomForm", "TComponent")
        .Boolean("Active", &T::Active, &T::SetActive)
        .Boolean("Blend", &T::Blend, &T::SetBlend, [](const T& t) { return t.Blend(); })
        .Integer("BlendValue", &T::BlendValue, &T::SetBlendValue,
                 [](const T& t) { return t.BlendValue() != 150; })
        .Set(
            "BorderIcons", BorderIconInfo, [](const T& t) { return t.BorderIcons().Bits(); },
            [](T& t, uint32_t bits) { t.SetBorderIcons(TKsBorderIcons::FromBits(bits)); },
            [](const T& t) { return t.BorderIcons() != kDefaultBorderIcons; })
        .Enumeration("BorderStyle", BorderStyleInfo, &T::BorderStyle, &T::SetBorderStyle,
                     [](const T& t) { return t.BorderStyle() != TKsBorderStyle::kbsStandard; })
        .Boolean("CanResize", &T::CanResize, &T::SetCanResize,
                 [](const T& t) { return !t.CanResize(); })
        .Boolean("CanMove", &T::CanMove, &T::SetCanMove, [](const T& t) { return !t.CanMove(); })
        .Boolean("DropShadow", &T::DropShadow, &T::SetDropShadow,
                 [](const T& t) { return t.DropShadow(); })
        .Integer("ShadowWidth", &T::ShadowWidth, &T::SetShadowWidth,
                 [](const T& t) { return t.ShadowWidth() != 4; })
        .Boolean("Magnetic", &T::Magnetic, &T::SetMagnetic, [](const T& t) { return !t.Magnetic(); })
        .Integer("MagneticValue", &T::MagneticValue, &T::SetMagneticValue,
                 [](const T& t) { return t.MagneticValue() != 20; })
        .Object(
            "Constraints", [](T& t) -> TPersistent& { return t.ConstraintsObject(); },
            [](const T& t) { return t.Constraints() != TKsSizeConstraints{}; })
        .Boolean("MinimizeApplication", &T::MinimizeApplication, &T::SetMinimizeApplication,
                 [](const T& t) { return !t.MinimizeApplication(); })
        .Boolean("SimpleDrag", &T::SimpleDrag, &T::SetSimpleDrag,
                 [](const T& t) { return t.SimpleDrag(); })
        .Enumeration("ShowAnimation", AnimationInfo, &T::ShowAnimation, &T::SetShowAnimation,
                     [](const T& t) { return t.ShowAnimation() != TKsAnimation::kaNone; })
        .Integer("ShowAnimationTime", &T::ShowAnimationTime, &T::SetShowAnimationTime,
                 [](const T& t) { return t.ShowAnimationTime() != 400; })
        .Boolean("StayOnTop", &T::StayOnTop, &T::SetStayOnTop,
                 [](const T& t) { return t.StayOnTop(); })
        .Boolean("SysMenuBlend", &T::SysMenuBlend, &T::SetSysMenuBlend,
                 [](const T& t) { return t.SysMenuBlend(); })
        .Integer("SysMenuBlendValue", &T::SysMenuBlendValue, &T::SetSysMenuBlendValue,
                 [](const T& t) { return t.SysMenuBlendValue() != 150; })
        .Boolean("SysMenuDropShadow", &T::SysMenuDropShadow, &T::SetSysMenuDropShadow,
                 [](const T& t) { return t.SysMenuDropShadow(); })
        .Integer("SysMenuShadowWidth", &T::SysMenuShadowWidth, &T::SetSysMenuShadowWidth,
                 [](const T& t) { return t.SysMenuShadowWidth() != 4; })
        .Enumeration("SysMenuShowAnimation", AnimationInfo, &T::SysMenuShowAnimation,
                     &T::SetSysMenuShowAnimation,
                     [](const T& t) { return t.SysMenuShowAnimation() != TKsAnimation::kaNone; })
        .Integer("SysMenuShowAnimationTime", &T::SysMenuShowAnimationTime,
                 &T::SetSysMenuShowAnimationTime,
                 [](const T& t) { return t.SysMenuShowAnimationTime() != 300; })
        .Reference<TPopupMenu>("TrayMenu", &T::TrayMenu, &T::SetTrayMenu)
        .Event<T::TPaintEvent>("OnPaint", [](T& t, const T::TPaintEvent& f) { t.OnPaint = f; })
        .Register(registry);
}

} // namespace brisat
