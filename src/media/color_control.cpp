#include "media/color_control.h"

#include "framework/core/exceptions.h"
#include "media/video_window.h"

#include <cstdio>

namespace brisat {

namespace {

constexpr std::uint32_t kAllColorControls = 0x7F;

DDCOLORCONTROL CreationValues() {
    DDCOLORCONTROL values;
    values.dwFlags = kAllColorControls;
    return values;
}

[[noreturn]] void RangeError(int32_t value, const char* range) {
    char text[96];
    std::snprintf(text, sizeof text, "Value %d out of range. Value must bee between %s", value,
                  range);
    throw Exception(text);
}

} // namespace

TColorControl::TColorControl(TDSVideoWindowEx2& owner)
    : m_owner(owner), m_current(CreationValues()), m_defaults(CreationValues()) {}

int32_t TColorControl::Read(int32_t DDCOLORCONTROL::*field) const {
    ReadFromOverlay();
    return m_current.*field;
}

void TColorControl::Store(int32_t DDCOLORCONTROL::*field, int32_t value, int32_t low, int32_t high,
                          const char* range) {
    if (value < low || value > high) RangeError(value, range);
    m_current.*field = value;
    ApplyToOverlay();
}

int32_t TColorControl::Brightness() const {
    return Read(&DDCOLORCONTROL::lBrightness);
}
void TColorControl::SetBrightness(int32_t value) {
    Store(&DDCOLORCONTROL::lBrightness, value, 0, 10000, "0 -> 10.000");
}
int32_t TColorControl::Contrast() const {
    return Read(&DDCOLORCONTROL::lContrast);
}
void TColorControl::SetContrast(int32_t value) {
    Store(&DDCOLORCONTROL::lContrast, value, 0, 20000, "0 -> 20.000");
}
int32_t TColorControl::Hue() const {
    return Read(&DDCOLORCONTROL::lHue);
}
void TColorControl::SetHue(int32_t value) {
    Store(&DDCOLORCONTROL::lHue, value, -180, 180, "-180 -> 180");
}
int32_t TColorControl::Saturation() const {
    return Read(&DDCOLORCONTROL::lSaturation);
}
void TColorControl::SetSaturation(int32_t value) {
    Store(&DDCOLORCONTROL::lSaturation, value, 0, 20000, "0 -> 20.000");
}
int32_t TColorControl::Sharpness() const {
    return Read(&DDCOLORCONTROL::lSharpness);
}
void TColorControl::SetSharpness(int32_t value) {
    Store(&DDCOLORCONTROL::lSharpness, value, 0, 10, "0 -> 10");
}
int32_t TColorControl::Gamma() const {
    return Read(&DDCOLORCONTROL::lGamma);
}
void TColorControl::SetGamma(int32_t value) {
    Store(&DDCOLORCONTROL::lGamma, value, 1, 500, "1 -> 500");
}
bool TColorControl::ColorEnable() const {
    return Read(&DDCOLORCONTROL::lColorEnable) != 0;
}
void TColorControl::SetColorEnable(bool value) {
    m_current.lColorEnable = value ? 1 : 0;
    ApplyToOverlay();
}

void TColorControl::CaptureDefaults() {
    auto overlay = m_owner.FindOverlayPin();
    if (!overlay) return;
    DDCOLORCONTROL read{};
    read.dwSize = sizeof(DDCOLORCONTROL);
    if (Succeeded(overlay->GetOverlaySurfaceColorControls(read))) m_defaults = read;
}

void TColorControl::ApplyToOverlay() {
    auto overlay = m_owner.FindOverlayPin();
    if (!overlay) return;
    DDCOLORCONTROL sent = m_current;
    sent.dwSize = sizeof(DDCOLORCONTROL);
    sent.dwFlags = kAllColorControls;
    sent.dwReserved1 = 0;
    overlay->SetOverlaySurfaceColorControls(sent);
}

void TColorControl::ReadFromOverlay() const {
    auto overlay = m_owner.FindOverlayPin();
    if (!overlay) return;
    DDCOLORCONTROL read{};
    read.dwSize = sizeof(DDCOLORCONTROL);
    if (Failed(overlay->GetOverlaySurfaceColorControls(read))) {
        m_current = CreationValues();
        return;
    }
    m_current = read;
    m_current.lColorEnable = read.lColorEnable != 0;
}

void TColorControl::ResetToDefaults() {
    m_current = m_defaults;
    m_current.lColorEnable = m_defaults.lColorEnable != 0;
    ApplyToOverlay();
}

bool TDSVideoWindowEx2Caps::CanOverlayGraphic() const {
    return bool(m_owner.OverlayMixer());
}

bool TDSVideoWindowEx2Caps::Supports(std::uint32_t flag) const {
    return (m_owner.ColorControl().Defaults().dwFlags & flag) != 0;
}

} // namespace brisat
