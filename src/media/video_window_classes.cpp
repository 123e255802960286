#include "media/video_window_classes.h"

#include "framework/controls/control_classes.h"
#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "media/video_window.h"

namespace brisat {

const TEnumInfo RatioModesInfo = EnumInfoOf<TRatioModes>("TRatioModes");

namespace {

using TVideoWindowDeclaration = TClassDeclaration<TDSVideoWindowEx2>;

// An event property bound to the event member Member (of the window or a base class).
template <class Fn, class C>
void Event(TVideoWindowDeclaration& d, const char* name, Fn C::*member) {
    d.Event<Fn>(name, [member](TDSVideoWindowEx2& w, const Fn& f) { w.*member = f; });
}

void RegisterColorControl(TClassRegistry& registry) {
    TClassDeclaration<TColorControl>("TColorControl", "TPersistent")
        .Integer("Brightness", &TColorControl::Brightness, &TColorControl::SetBrightness)
        .Integer("Contrast", &TColorControl::Contrast, &TColorControl::SetContrast)
        .Integer("Hue", &TColorControl::Hue, &TColorControl::SetHue)
        .Integer("Saturation", &TColorControl::Saturation, &TColorControl::SetSaturation)
        .Integer("Sharpness", &TColorControl::Sharpness, &TColorControl::SetSharpness)
        .Integer("Gamma", &TColorControl::Gamma, &TColorControl::SetGamma)
        .Boolean("ColorEnable", &TColorControl::ColorEnable, &TColorControl::SetColorEnable)
        .Register(registry);
}

void RegisterVideoWindow(TClassRegistry& registry) {
    TVideoWindowDeclaration d("TDSVideoWindowEx2", "TCustomControl");
    d.Reference<TFilterGraph>("FilterGraph", &TDSVideoWindowEx2::FilterGraph,
                              &TDSVideoWindowEx2::SetFilterGraph)
        .Enumeration("AspectRatio", RatioModesInfo, &TDSVideoWindowEx2::AspectRatio,
                     &TDSVideoWindowEx2::SetAspectRatio)
        .Integer("AutoHideCursor", &TDSVideoWindowEx2::AutoHideCursor,
                 &TDSVideoWindowEx2::SetAutoHideCursor)
        .Integer("DigitalZoom", &TDSVideoWindowEx2::DigitalZoom, &TDSVideoWindowEx2::SetDigitalZoom)
        .Boolean("FullScreenTopMost", &TDSVideoWindowEx2::FullScreenTopMost,
                 &TDSVideoWindowEx2::SetFullScreenTopMost,
                 [](const TDSVideoWindowEx2& w) { return w.FullScreenTopMost(); })
        .Boolean("NoScreenSaver", &TDSVideoWindowEx2::NoScreenSaver,
                 &TDSVideoWindowEx2::SetNoScreenSaver)
        .Object("ColorControl",
                [](TDSVideoWindowEx2& w) -> TColorControl& { return w.ColorControl(); });
    Event(d, "OnColorKeyChanged", &TDSVideoWindowEx2::OnColorKeyChanged);
    Event(d, "OnOverlayVisible", &TDSVideoWindowEx2::OnOverlayVisible);
    Event(d, "OnPaint", &TDSVideoWindowEx2::OnPaint);
    Event(d, "OnCursorShowHide", &TDSVideoWindowEx2::OnCursorShowHide);
    Event(d, "OnEnter", &TWinControl::OnEnter);
    Event(d, "OnExit", &TWinControl::OnExit);
    Event(d, "OnKeyDown", &TWinControl::OnKeyDown);
    Event(d, "OnKeyPress", &TWinControl::OnKeyPress);
    Event(d, "OnKeyUp", &TWinControl::OnKeyUp);
    Event(d, "OnCanResize", &TControl::OnCanResize);
    Event(d, "OnClick", &TControl::OnClick);
    Event(d, "OnConstrainedResize", &TControl::OnConstrainedResize);
    Event(d, "OnDblClick", &TControl::OnDblClick);
    Event(d, "OnMouseDown", &TControl::OnMouseDown);
    Event(d, "OnMouseMove", &TControl::OnMouseMove);
    Event(d, "OnMouseUp", &TControl::OnMouseUp);
    Event(d, "OnMouseWheel", &TWinControl::OnMouseWheel);
    Event(d, "OnMouseWheelDown", &TWinControl::OnMouseWheelDown);
    Event(d, "OnMouseWheelUp", &TWinControl::OnMouseWheelUp);
    Event(d, "OnResize", &TControl::OnResize);
    d.Register(registry);
}

} // namespace

void RegisterVideoWindowClasses(TClassRegistry& registry) {
    RegisterControlClasses(registry);
    RegisterColorControl(registry);
    RegisterVideoWindow(registry);
}

} // namespace brisat
