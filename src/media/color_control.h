// The video window's colour controls and its capability flags. TColorControl holds brightness,
// contrast, hue, saturation, sharpness, gamma and the colour switch in DirectDraw's units and
// exchanges them with our overlay mixer, which applies them with videobalance:
//   Brightness 0..10000 (black level in 1/100 IRE, 750 neutral) → luma offset (b − 750) / 10000;
//   Contrast, Saturation 0..20000 (gain × 10000)                → gain 0..2;
//   Hue −180..180 degrees                                       → rotation −1..1;
//   ColorEnable false                                           → saturation 0.
// videobalance has no sharpness or gamma, so the mixer reports those two as unsupported
// (CanControlSharpness, CanControlGamma false once the overlay is in place); their values are kept
// and sent, never pretended to act. TDSVideoWindowEx2Caps reads the flags the overlay reported.
// GUI thread only.
#pragma once

#include "framework/core/persistent.h"
#include "media/platform/overlay_mixer.h"

#include <cstdint>

namespace brisat {

class TDSVideoWindowEx2;

class TColorControl : public TPersistent {
public:
    explicit TColorControl(TDSVideoWindowEx2& owner);
    std::string ClassName() const override { return "TColorControl"; }

    // While the owner's graph is live each read first re-reads every value from the overlay and
    // each write sends them all. Out-of-range values raise an Exception naming the value and
    // the range, before anything changes.
    int32_t Brightness() const;
    void SetBrightness(int32_t value);
    int32_t Contrast() const;
    void SetContrast(int32_t value);
    int32_t Hue() const;
    void SetHue(int32_t value);
    int32_t Saturation() const;
    void SetSaturation(int32_t value);
    int32_t Sharpness() const;
    void SetSharpness(int32_t value);
    int32_t Gamma() const;
    void SetGamma(int32_t value);
    bool ColorEnable() const;
    void SetColorEnable(bool value);

    // The overlay's own settings and its supported controls (dwFlags), as last captured.
    const DDCOLORCONTROL& Defaults() const { return m_defaults; }
    // Reads the overlay's controls into Defaults (unchanged when the read fails).
    void CaptureDefaults();
    // Writes the current values to the overlay.
    void ApplyToOverlay();
    // Reads the overlay's values; a failed read restores the creation values.
    void ReadFromOverlay() const;
    // Current values := Defaults; written to the overlay while live.
    void ResetToDefaults();

private:
    void Store(int32_t DDCOLORCONTROL::*field, int32_t value, int32_t low, int32_t high,
               const char* range);
    int32_t Read(int32_t DDCOLORCONTROL::*field) const;

    TDSVideoWindowEx2& m_owner;
    // Mirrors the overlay while live: reading refreshes it, hence mutable.
    mutable DDCOLORCONTROL m_current;
    DDCOLORCONTROL m_defaults;
};

class TDSVideoWindowEx2Caps : public TPersistent {
public:
    explicit TDSVideoWindowEx2Caps(TDSVideoWindowEx2& owner) : m_owner(owner) {}
    std::string ClassName() const override { return "TDSVideoWindowEx2Caps"; }

    bool CanOverlayGraphic() const;
    bool CanControlBrigtness() const { return Supports(DDCOLOR_BRIGHTNESS); }
    bool CanControlContrast() const { return Supports(DDCOLOR_CONTRAST); }
    bool CanControlHue() const { return Supports(DDCOLOR_HUE); }
    bool CanControlSaturation() const { return Supports(DDCOLOR_SATURATION); }
    bool CanControlSharpness() const { return Supports(DDCOLOR_SHARPNESS); }
    bool CanControlGamma() const { return Supports(DDCOLOR_GAMMA); }
    bool CanControlColorEnabled() const { return Supports(DDCOLOR_COLORENABLE); }

private:
    bool Supports(std::uint32_t flag) const;
    TDSVideoWindowEx2& m_owner;
};

} // namespace brisat
