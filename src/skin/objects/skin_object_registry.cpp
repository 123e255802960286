#include "skin/objects/skin_object_registry.h"

#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "skin/objects/skin_object_classes.h"
#include "skin/objects/skin_object_text_form.h"

namespace brisat {

const TEnumInfo SeAlignInfo = EnumInfoOf<TSeAlign>("TSeAlign");
const TEnumInfo SeKindInfo = EnumInfoOf<TSeKind>("TSeKind");
const TEnumInfo SeTextAlignInfo = EnumInfoOf<TSeTextAlign>("TSeTextAlign");
const TEnumInfo SeTextEffectInfo = EnumInfoOf<TSeTextEffect>("TSeTextEffect");
const TEnumInfo ScTileStyleInfo = EnumInfoOf<TscTileStyle>("TscTileStyle");
const TEnumInfo SeActionInfo = EnumInfoOf<TSeAction>("TSeAction");
const TEnumInfo SeRollKindInfo = EnumInfoOf<TSeRollKind>("TSeRollKind");

namespace {

// A nested font or link property of T, reached through a member function returning it.
template <class T, class M> auto Part(M member) {
    return [member](T& o) -> TPersistent& { return (o.*member)(); };
}

template <class T> using Decl = TClassDeclaration<T>;

void RegisterLink() {
    Decl<TKsBitmapLink>("TKsBitmapLink", "TPersistent")
        .String("Name", &TKsBitmapLink::Name,
                [](TKsBitmapLink& l, const std::string& v) { l.SetName(v); })
        .Integer("Left", &TKsBitmapLink::Left, &TKsBitmapLink::SetLeft)
        .Integer("Top", &TKsBitmapLink::Top, &TKsBitmapLink::SetTop)
        .Integer("Right", &TKsBitmapLink::Right, &TKsBitmapLink::SetRight)
        .Integer("Bottom", &TKsBitmapLink::Bottom, &TKsBitmapLink::SetBottom)
        .Register();
}

void RegisterSkinObject() {
    using T = TSeSkinObject;
    TFont& (T::*font)() = &T::Font;
    Decl<T>("TSeSkinObject", "TComponent")
        .Enumeration("Align", SeAlignInfo, &T::Align, &T::SetAlign)
        .Color("Color", &T::Color, &T::SetColor)
        .Boolean("DrawIfOwner", &T::DrawIfOwner, &T::SetDrawIfOwner)
        .Object("Font", Part<T>(font))
        .Enumeration("Kind", SeKindInfo, &T::Kind, &T::SetKind)
        .Integer("Left", &T::Left, &T::SetLeft)
        .Integer("Top", &T::Top, &T::SetTop)
        .Integer("Height", &T::Height, &T::SetHeight)
        .Integer("Width", &T::Width, &T::SetWidth)
        .Integer("MarginLeft", &T::MarginLeft, &T::SetMarginLeft)
        .Integer("MarginRight", &T::MarginRight, &T::SetMarginRight)
        .Integer("MarginTop", &T::MarginTop, &T::SetMarginTop)
        .Integer("MarginBottom", &T::MarginBottom, &T::SetMarginBottom)
        .Enumeration("TextAlign", SeTextAlignInfo, &T::TextAlign, &T::SetTextAlign)
        .Enumeration("TextEffect", SeTextEffectInfo, &T::TextEffect, &T::SetTextEffect)
        .Integer("TextMarginLeft", &T::TextMarginLeft, &T::SetTextMarginLeft)
        .Integer("TextMarginRight", &T::TextMarginRight, &T::SetTextMarginRight)
        .Integer("TextMarginTop", &T::TextMarginTop, &T::SetTextMarginTop)
        .Bytes("Objects", &T::Objects, &T::SetObjects,
               [](const T&) { return WritingTextForm() == TSkinTextForm::tsfFile; })
        .WrittenLast()
        .Register();
}

// ActiveColor and ActiveFont, declared alike by two unrelated classes.
template <class T> void RegisterActive(const char* name) {
    TFont& (T::*activeFont)() = &T::ActiveFont;
    Decl<T>(name, "TSeSkinObject")
        .Color("ActiveColor", &T::ActiveColor, &T::SetActiveColor)
        .Object("ActiveFont", Part<T>(activeFont))
        .Register();
}

void RegisterBitmapObjects() {
    using B = TSeBitmapObject;
    TKsBitmapLink& (B::*bitmap)() = &B::Bitmap;
    Decl<B>("TSeBitmapObject", "TSeSkinObject")
        .Object("Bitmap", Part<B>(bitmap))
        .Enumeration("TileStyle", ScTileStyleInfo, &B::TileStyle, &B::SetTileStyle)
        .Enumeration("BorderTileStyle", ScTileStyleInfo, &B::BorderTileStyle,
                     &B::SetBorderTileStyle)
        .Register();

    using A = TSeActiveBitmap;
    TKsBitmapLink& (A::*activeBitmap)() = &A::ActiveBitmap;
    TFont& (A::*activeFont)() = &A::ActiveFont;
    Decl<A>("TSeActiveBitmap", "TSeBitmapObject")
        .Object("ActiveBitmap", Part<A>(activeBitmap))
        .Object("ActiveFont", Part<A>(activeFont))
        .Register();

    using S = TSeSystemButton;
    TKsBitmapLink& (S::*hot)() = &S::BitmapHot;
    TKsBitmapLink& (S::*pressed)() = &S::BitmapPressed;
    Decl<S>("TSeSystemButton", "TSeActiveBitmap")
        .Enumeration("Action", SeActionInfo, &S::Action, &S::SetAction)
        .Object("BitmapHot", Part<S>(hot))
        .Object("BitmapPressed", Part<S>(pressed))
        .Register();

    using U = TSeButtonObject;
    Decl<U>("TSeButtonObject", "TSeBitmapObject")
        .Object("BitmapHot", Part<U>(&U::BitmapHot))
        .Object("BitmapFocused", Part<U>(&U::BitmapFocused))
        .Object("BitmapPressed", Part<U>(&U::BitmapPressed))
        .Object("BitmapDisabled", Part<U>(&U::BitmapDisabled))
        .Register();
}

void RegisterTextAndLink() {
    using X = TSeTextObject;
    Decl<X>("TSeTextObject", "TSeSkinObject")
        .Object("FontHot", Part<X>(&X::FontHot))
        .Object("FontFocused", Part<X>(&X::FontFocused))
        .Object("FontPressed", Part<X>(&X::FontPressed))
        .Object("FontDisabled", Part<X>(&X::FontDisabled))
        .Register();

    using L = TSeLinkSkinObject;
    Decl<L>("TSeLinkSkinObject", "TSeSkinObject")
        .String("LinkControl", &L::LinkControl,
                [](L& o, const std::string& v) { o.SetLinkControl(v); })
        .Register();
}

void RegisterBitmapSkinObjects() {
    using B = TSeBitmapSkinObject;
    TKsBitmapLink& (B::*bitmap)() = &B::Bitmap;
    Decl<B>("TSeBitmapSkinObject", "TSeSkinObject")
        .Object("Bitmap", Part<B>(bitmap))
        .Enumeration("TileStyle", ScTileStyleInfo, &B::TileStyle, &B::SetTileStyle)
        .Register();

    using F = TSeFormBitmapSkinObject;
    Decl<F>("TSeFormBitmapSkinObject", "TSeBitmapSkinObject")
        .Object("InactiveBitmap", Part<F>(&F::InactiveBitmap))
        .Register();

    using S = TSeSysButtonSkinObject;
    Decl<S>("TSeSysButtonSkinObject", "TSeBitmapSkinObject")
        .Enumeration("Action", SeActionInfo, &S::Action, &S::SetAction)
        .Object("BitmapHover", Part<S>(&S::BitmapHover))
        .Object("BitmapDown", Part<S>(&S::BitmapDown))
        .String("RollPanel", &S::RollPanel, [](S& o, const std::string& v) { o.SetRollPanel(v); })
        .Register();
}

void RegisterColorButtonAndBoxes() {
    using C = TSeColorButtonObject;
    Decl<C>("TSeColorButtonObject", "TSeSkinObject")
        .Color("HotColor", &C::HotColor, &C::SetHotColor)
        .Object("HotFont", Part<C>(&C::HotFont))
        .Color("PressedColor", &C::PressedColor, &C::SetPressedColor)
        .Object("PressedFont", Part<C>(&C::PressedFont))
        .Color("FocusedColor", &C::FocusedColor, &C::SetFocusedColor)
        .Object("FocusedFont", Part<C>(&C::FocusedFont))
        .Color("DisabledColor", &C::DisabledColor, &C::SetDisabledColor)
        .Object("DisabledFont", Part<C>(&C::DisabledFont))
        .Register();

    using X = TSeBitmapBoxObject;
    Decl<X>("TSeBitmapBoxObject", "TSeBitmapSkinObject")
        .Enumeration("BorderTileStyle", ScTileStyleInfo, &X::BorderTileStyle,
                     &X::SetBorderTileStyle)
        .Register();

    using A = TSeActiveBitmapBoxObject;
    Decl<A>("TSeActiveBitmapBoxObject", "TSeBitmapBoxObject")
        .Object("FocusedBitmap", Part<A>(&A::FocusedBitmap))
        .Register();

    using U = TSeButtonBitmapBoxObject;
    Decl<U>("TSeButtonBitmapBoxObject", "TSeBitmapBoxObject")
        .Object("HotBitmap", Part<U>(&U::HotBitmap))
        .Object("FocusedBitmap", Part<U>(&U::FocusedBitmap))
        .Object("PressedBitmap", Part<U>(&U::PressedBitmap))
        .Object("DisabledBitmap", Part<U>(&U::DisabledBitmap))
        .Register();

    using R = TSeRollPanelObject;
    Decl<R>("TSeRollPanelObject", "TSeSkinObject")
        .Enumeration("RollKind", SeRollKindInfo, &R::RollKind, &R::SetRollKind)
        .Integer("RollValue", &R::RollValue, &R::SetRollValue)
        .Register();
}

} // namespace

void RegisterSkinObjectClasses() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    RegisterLink();
    RegisterSkinObject();
    RegisterActive<TSeActiveObject>("TSeActiveObject");
    RegisterBitmapObjects();
    RegisterTextAndLink();
    RegisterBitmapSkinObjects();
    RegisterActive<TSeActiveSkinObject>("TSeActiveSkinObject");
    RegisterColorButtonAndBoxes();
}

} // namespace brisat
