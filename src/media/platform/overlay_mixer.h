// Our overlay mixer element ("brisatoverlaymixer"): a bin with a videobalance in front of the
// renderer, one input pin "Input0" and the output pin "Output". It holds the colour key the window
// paints where the video should show and the aspect-ratio mode (also its GObject properties
// "color-key" and "aspect-ratio-mode"), and the colour controls, which it applies through
// videobalance (in place, no colour-space conversion). The letter-boxing and cropping themselves
// are done where the picture is drawn, from the mode and the native video properties.
//
// Threads: the colour controls and properties are set on the GUI thread; videobalance reads its own
// properties under its object lock on the streaming thread.
#pragma once

#include "media/platform/pins.h"
#include "media/platform/result_codes.h"

#include <cstdint>
#include <memory>

namespace brisat {

inline constexpr const char* kOverlayMixerFactory = "brisatoverlaymixer";

using COLORREF = std::uint32_t; // 0x00BBGGRR

constexpr std::uint32_t CK_RGB = 2;

struct COLORKEY {
    std::uint32_t KeyType = CK_RGB;
    std::uint32_t PaletteIndex = 0;
    COLORREF LowColorValue = 0;
    COLORREF HighColorValue = 0;
};

constexpr std::uint32_t DDCOLOR_BRIGHTNESS = 0x01;
constexpr std::uint32_t DDCOLOR_CONTRAST = 0x02;
constexpr std::uint32_t DDCOLOR_HUE = 0x04;
constexpr std::uint32_t DDCOLOR_SATURATION = 0x08;
constexpr std::uint32_t DDCOLOR_SHARPNESS = 0x10;
constexpr std::uint32_t DDCOLOR_GAMMA = 0x20;
constexpr std::uint32_t DDCOLOR_COLORENABLE = 0x40;

// The controls videobalance can do; sharpness and gamma are reported as unsupported.
constexpr std::uint32_t kSupportedColorControls =
    DDCOLOR_BRIGHTNESS | DDCOLOR_CONTRAST | DDCOLOR_HUE | DDCOLOR_SATURATION | DDCOLOR_COLORENABLE;

struct DDCOLORCONTROL {
    std::uint32_t dwSize = sizeof(DDCOLORCONTROL);
    std::uint32_t dwFlags = 0;
    std::int32_t lBrightness = 750;   // black level, 0..10000 (IRE x 100; 750 = 7.5 IRE)
    std::int32_t lContrast = 10000;   // luma gain x 10000, 0..20000
    std::int32_t lHue = 0;            // degrees, -180..180
    std::int32_t lSaturation = 10000; // chroma gain x 10000, 0..20000
    std::int32_t lSharpness = 5;      // 0..10
    std::int32_t lGamma = 1;          // 1..500
    std::int32_t lColorEnable = 1;
    std::uint32_t dwReserved1 = 0;
};
static_assert(sizeof(DDCOLORCONTROL) == 40);

enum AM_ASPECT_RATIO_MODE : long {
    AM_ARMODE_STRETCHED = 0,
    AM_ARMODE_LETTER_BOX = 1,
    AM_ARMODE_CROP = 2
};

// The colour key a new mixer starts with: RGB(16, 0, 16), a colour pictures of the interface never
// use.
constexpr COLORREF kDefaultColorKey = 0x00100010;

// videobalance's property values for a set of colour controls.
struct TBalanceValues {
    double Brightness = 0; // -1..1, added to luma
    double Contrast = 1;   // 0..2
    double Hue = 0;        // -1..1
    double Saturation = 1; // 0..2
};
TBalanceValues BalanceFromColorControls(const DDCOLORCONTROL& controls);

TFilter CreateOverlayMixer();

// What the mixer tells its client (the video window): a new colour key, on the thread that set it,
// and the size of the picture reaching its input, on the streaming thread. Implementations only
// hand the news on (PostMessage) and return.
class IDDrawExclModeVideoCallback {
public:
    virtual ~IDDrawExclModeVideoCallback() = default;
    virtual HRESULT OnUpdateColorKey(const COLORKEY& key, COLORREF colour) = 0;
    // Picture size and its display aspect (aspectX : aspectY).
    virtual HRESULT OnUpdateSize(long width, long height, long aspectX, long aspectY) = 0;
};

// The mixer's pin configuration and exclusive-mode video interfaces, in one. E_NOINTERFACE when
// the filter is not our mixer.
class TMixerPinConfig {
public:
    explicit TMixerPinConfig(TFilter mixer) : m_mixer(std::move(mixer)) {}
    const TFilter& Mixer() const { return m_mixer; }

    HRESULT GetColorKey(COLORKEY& key, COLORREF& colour) const;
    HRESULT SetColorKey(const COLORKEY& key);
    HRESULT GetAspectRatioMode(AM_ASPECT_RATIO_MODE& mode) const;
    // E_INVALIDARG for a value outside the three modes; the mode is kept.
    HRESULT SetAspectRatioMode(long mode);
    // Flags report the supported controls; sharpness and gamma are returned as last set.
    HRESULT GetOverlaySurfaceColorControls(DDCOLORCONTROL& controls) const;
    // Applies every valid field named by dwFlags; unsupported fields are stored but do nothing.
    // E_INVALIDARG (nothing changed) for a wrong size or a named value out of its range.
    HRESULT SetOverlaySurfaceColorControls(const DDCOLORCONTROL& controls);
    // Size of the incoming picture and its display aspect (aspectX : aspectY), or
    // VFW_E_NOT_CONNECTED before a format reached the input.
    HRESULT GetNativeVideoProps(long& width, long& height, long& aspectX, long& aspectY) const;
    // Installs (or, with nullptr, removes) the client's callback; flags must be 0.
    HRESULT SetCallbackInterface(std::shared_ptr<IDDrawExclModeVideoCallback> callback,
                                 std::uint32_t flags);

private:
    TFilter m_mixer;
};

// The mixer's GObject type, registered on first use.
GType OverlayMixerType();

} // namespace brisat
