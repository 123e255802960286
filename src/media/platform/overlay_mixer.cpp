#include "media/platform/overlay_mixer.h"

#include "media/platform/element_type.h"

#include <algorithm>
#include <gst/video/video.h>
#include <mutex>
#include <numeric>

namespace brisat {

namespace {

struct TMixerState {
    std::mutex Lock;
    COLORREF ColorKey = kDefaultColorKey;
    AM_ASPECT_RATIO_MODE AspectMode = AM_ARMODE_LETTER_BOX;
    DDCOLORCONTROL Controls;
    GstElement* Balance = nullptr; // owned by the bin
    std::shared_ptr<IDDrawExclModeVideoCallback> Callback;
};

// A bin around a videobalance, with the mixer's state and properties.
void InitMixerClass(GstBinClass* bin);
void InitMixerInstance(GstBin* bin, TMixerState& state);
constexpr TElementInfo kMixerInfo{"BrisatOverlayMixer", gst_bin_get_type, "Brisat overlay mixer",
                                  "Filter/Effect/Video",
                                  "Colour key, aspect mode and colour controls"};
using TMixerType = TElementType<GstBin, GstBinClass, TMixerState, kMixerInfo, InitMixerClass,
                                InitMixerInstance>;

GstPad* AddGhost(GstBin* bin, GstElement* inner, const char* innerPad, const char* name) {
    GstPad* target = gst_element_get_static_pad(inner, innerPad);
    GstPad* ghost = gst_ghost_pad_new(name, target);
    gst_element_add_pad(GST_ELEMENT(bin), ghost);
    gst_object_unref(target);
    return ghost;
}

std::shared_ptr<IDDrawExclModeVideoCallback> CallbackOf(TMixerState& state) {
    std::lock_guard lock(state.Lock);
    return state.Callback;
}

// Display aspect = (width x par_n) : (height x par_d), reduced.
void NativeProps(const GstVideoInfo& info, long& width, long& height, long& aspectX,
                 long& aspectY) {
    width = GST_VIDEO_INFO_WIDTH(&info);
    height = GST_VIDEO_INFO_HEIGHT(&info);
    std::int64_t x = std::int64_t(width) * std::max(1, GST_VIDEO_INFO_PAR_N(&info));
    std::int64_t y = std::int64_t(height) * std::max(1, GST_VIDEO_INFO_PAR_D(&info));
    std::int64_t divisor = std::max<std::int64_t>(1, std::gcd(x, y));
    aspectX = static_cast<long>(x / divisor);
    aspectY = static_cast<long>(y / divisor);
}

// Streaming thread: a format reaching the input is the client's size news.
GstPadProbeReturn WatchInputFormat(GstPad*, GstPadProbeInfo* info, gpointer data) {
    GstEvent* event = GST_PAD_PROBE_INFO_EVENT(info);
    if (!event || GST_EVENT_TYPE(event) != GST_EVENT_CAPS) return GST_PAD_PROBE_OK;
    GstCaps* caps = nullptr;
    gst_event_parse_caps(event, &caps);
    GstVideoInfo video;
    if (!caps || !gst_video_info_from_caps(&video, caps)) return GST_PAD_PROBE_OK;
    if (auto callback = CallbackOf(*static_cast<TMixerState*>(data))) {
        long width = 0, height = 0, aspectX = 0, aspectY = 0;
        NativeProps(video, width, height, aspectX, aspectY);
        callback->OnUpdateSize(width, height, aspectX, aspectY);
    }
    return GST_PAD_PROBE_OK;
}

void NotifyColorKey(TMixerState& state, COLORREF colour) {
    if (auto callback = CallbackOf(state))
        callback->OnUpdateColorKey(COLORKEY{CK_RGB, 0, colour, colour}, colour);
}

void InitMixerInstance(GstBin* bin, TMixerState& state) {
    state.Controls.dwFlags = kSupportedColorControls;
    state.Balance = gst_element_factory_make("videobalance", "balance");
    if (!state.Balance) return; // no pins: every connection to the mixer then fails cleanly
    gst_bin_add(bin, state.Balance);
    GstPad* input = AddGhost(bin, state.Balance, "sink", "Input0");
    gst_pad_add_probe(input, GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM, WatchInputFormat, &state,
                      nullptr);
    AddGhost(bin, state.Balance, "src", "Output");
}

// GObject properties, for tools and graph dumps; the same state as TMixerPinConfig.
enum class TMixerProperty : guint { ColorKey = 1, AspectRatioMode };

void SetProperty(GObject* object, guint id, const GValue* value, GParamSpec* param) {
    TMixerState& state = TMixerType::State(object);
    if (TMixerProperty(id) == TMixerProperty::ColorKey) {
        COLORREF key = g_value_get_uint(value) & 0x00FFFFFF;
        {
            std::lock_guard lock(state.Lock);
            state.ColorKey = key;
        }
        NotifyColorKey(state, key);
    } else if (TMixerProperty(id) == TMixerProperty::AspectRatioMode) {
        std::lock_guard lock(state.Lock);
        state.AspectMode = static_cast<AM_ASPECT_RATIO_MODE>(g_value_get_int(value));
    } else {
        G_OBJECT_WARN_INVALID_PROPERTY_ID(object, id, param);
    }
}

void GetProperty(GObject* object, guint id, GValue* value, GParamSpec* param) {
    TMixerState& state = TMixerType::State(object);
    std::lock_guard lock(state.Lock);
    if (TMixerProperty(id) == TMixerProperty::ColorKey)
        g_value_set_uint(value, state.ColorKey);
    else if (TMixerProperty(id) == TMixerProperty::AspectRatioMode)
        g_value_set_int(value, state.AspectMode);
    else
        G_OBJECT_WARN_INVALID_PROPERTY_ID(object, id, param);
}

void InitMixerClass(GstBinClass* bin) {
    GObjectClass* object = G_OBJECT_CLASS(bin);
    object->set_property = SetProperty;
    object->get_property = GetProperty;
    auto flags = GParamFlags(G_PARAM_READWRITE | G_PARAM_STATIC_STRINGS);
    g_object_class_install_property(
        object, guint(TMixerProperty::ColorKey),
        g_param_spec_uint("color-key", "Colour key",
                          "Colour the window paints where the video shows "
                          "(0x00BBGGRR)",
                          0, 0x00FFFFFF, kDefaultColorKey, flags));
    g_object_class_install_property(object, guint(TMixerProperty::AspectRatioMode),
                                    g_param_spec_int("aspect-ratio-mode", "Aspect-ratio mode",
                                                     "0 stretched, 1 letter-boxed, 2 cropped",
                                                     AM_ARMODE_STRETCHED, AM_ARMODE_CROP,
                                                     AM_ARMODE_LETTER_BOX, flags));
}

TMixerState* StateOf(const TFilter& filter) {
    return TMixerType::FindState(filter.Element());
}

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

bool ValidControls(const DDCOLORCONTROL& c) {
    auto named = [&](std::uint32_t flag) { return (c.dwFlags & flag) != 0; };
    return c.dwSize == sizeof(DDCOLORCONTROL) &&
           (!named(DDCOLOR_BRIGHTNESS) || InRange(c.lBrightness, 0, 10000)) &&
           (!named(DDCOLOR_CONTRAST) || InRange(c.lContrast, 0, 20000)) &&
           (!named(DDCOLOR_HUE) || InRange(c.lHue, -180, 180)) &&
           (!named(DDCOLOR_SATURATION) || InRange(c.lSaturation, 0, 20000)) &&
           (!named(DDCOLOR_SHARPNESS) || InRange(c.lSharpness, 0, 10)) &&
           (!named(DDCOLOR_GAMMA) || InRange(c.lGamma, 1, 500));
}

// The format on its way into Mixer (a reference), or nullptr. A mixer spliced into a cued graph
// sees the format only with the next picture, so until then the format of the pad that feeds it
// counts: the cued picture has it, and a window must not show that picture stretched meanwhile.
GstCaps* IncomingFormat(GstElement* mixer) {
    GstPad* input = gst_element_get_static_pad(mixer, "Input0");
    if (!input) return nullptr;
    GstCaps* caps = gst_pad_get_current_caps(input);
    if (GstPad* feeder = caps ? nullptr : gst_pad_get_peer(input)) {
        caps = gst_pad_get_current_caps(feeder);
        gst_object_unref(feeder);
    }
    gst_object_unref(input);
    return caps;
}

} // namespace

// The controls are DirectDraw's overlay colour controls; videobalance works on 8-bit YUV:
// - brightness is a black level in hundredths of IRE with 7.5 IRE (750) as the neutral setup, so
//   the luma offset is (b - 750) / 10000 of full scale;
// - contrast and saturation are gains times 10000, videobalance's gains are plain factors 0..2;
// - hue is in degrees, videobalance's rotation is -1..1 for -180..180 degrees;
// - colour off is saturation 0.
TBalanceValues BalanceFromColorControls(const DDCOLORCONTROL& c) {
    TBalanceValues v;
    v.Brightness = std::clamp((c.lBrightness - 750) / 10000.0, -1.0, 1.0);
    v.Contrast = std::clamp(c.lContrast / 10000.0, 0.0, 2.0);
    v.Hue = std::clamp(c.lHue / 180.0, -1.0, 1.0);
    v.Saturation = c.lColorEnable ? std::clamp(c.lSaturation / 10000.0, 0.0, 2.0) : 0.0;
    return v;
}

GType OverlayMixerType() {
    return TMixerType::Type();
}

TFilter CreateOverlayMixer() {
    return TFilter::Make(kOverlayMixerFactory);
}

HRESULT TMixerPinConfig::GetColorKey(COLORKEY& key, COLORREF& colour) const {
    TMixerState* state = StateOf(m_mixer);
    if (!state) return E_NOINTERFACE;
    std::lock_guard lock(state->Lock);
    key = COLORKEY{CK_RGB, 0, state->ColorKey, state->ColorKey};
    colour = state->ColorKey;
    return S_OK;
}

HRESULT TMixerPinConfig::SetColorKey(const COLORKEY& key) {
    TMixerState* state = StateOf(m_mixer);
    if (!state) return E_NOINTERFACE;
    if (key.KeyType != CK_RGB) return E_INVALIDARG;
    COLORREF colour = key.HighColorValue & 0x00FFFFFF;
    {
        std::lock_guard lock(state->Lock);
        state->ColorKey = colour;
    }
    NotifyColorKey(*state, colour);
    return S_OK;
}

HRESULT TMixerPinConfig::GetAspectRatioMode(AM_ASPECT_RATIO_MODE& mode) const {
    TMixerState* state = StateOf(m_mixer);
    if (!state) return E_NOINTERFACE;
    std::lock_guard lock(state->Lock);
    mode = state->AspectMode;
    return S_OK;
}

HRESULT TMixerPinConfig::SetAspectRatioMode(long mode) {
    TMixerState* state = StateOf(m_mixer);
    if (!state) return E_NOINTERFACE;
    if (mode < AM_ARMODE_STRETCHED || mode > AM_ARMODE_CROP) return E_INVALIDARG;
    std::lock_guard lock(state->Lock);
    state->AspectMode = static_cast<AM_ASPECT_RATIO_MODE>(mode);
    return S_OK;
}

HRESULT TMixerPinConfig::GetOverlaySurfaceColorControls(DDCOLORCONTROL& controls) const {
    TMixerState* state = StateOf(m_mixer);
    if (!state) return E_NOINTERFACE;
    std::lock_guard lock(state->Lock);
    controls = state->Controls;
    controls.dwFlags = kSupportedColorControls;
    return S_OK;
}

HRESULT TMixerPinConfig::SetOverlaySurfaceColorControls(const DDCOLORCONTROL& controls) {
    TMixerState* state = StateOf(m_mixer);
    if (!state) return E_NOINTERFACE;
    if (!ValidControls(controls)) return E_INVALIDARG;
    std::lock_guard lock(state->Lock);
    DDCOLORCONTROL& kept = state->Controls;
    std::uint32_t flags = controls.dwFlags;
    if (flags & DDCOLOR_BRIGHTNESS) kept.lBrightness = controls.lBrightness;
    if (flags & DDCOLOR_CONTRAST) kept.lContrast = controls.lContrast;
    if (flags & DDCOLOR_HUE) kept.lHue = controls.lHue;
    if (flags & DDCOLOR_SATURATION) kept.lSaturation = controls.lSaturation;
    if (flags & DDCOLOR_SHARPNESS) kept.lSharpness = controls.lSharpness;
    if (flags & DDCOLOR_GAMMA) kept.lGamma = controls.lGamma;
    if (flags & DDCOLOR_COLORENABLE) kept.lColorEnable = controls.lColorEnable ? 1 : 0;
    if (!state->Balance) return E_FAIL;
    TBalanceValues v = BalanceFromColorControls(kept);
    g_object_set(state->Balance, "brightness", v.Brightness, "contrast", v.Contrast, "hue", v.Hue,
                 "saturation", v.Saturation, nullptr);
    return S_OK;
}

HRESULT TMixerPinConfig::GetNativeVideoProps(long& width, long& height, long& aspectX,
                                             long& aspectY) const {
    if (!StateOf(m_mixer)) return E_NOINTERFACE;
    GstCaps* caps = IncomingFormat(m_mixer.Element());
    if (!caps) return VFW_E_NOT_CONNECTED;
    GstVideoInfo info;
    bool parsed = gst_video_info_from_caps(&info, caps);
    gst_caps_unref(caps);
    if (!parsed) return VFW_E_INVALIDMEDIATYPE;
    NativeProps(info, width, height, aspectX, aspectY);
    return S_OK;
}

HRESULT TMixerPinConfig::SetCallbackInterface(std::shared_ptr<IDDrawExclModeVideoCallback> callback,
                                              std::uint32_t flags) {
    TMixerState* state = StateOf(m_mixer);
    if (!state) return E_NOINTERFACE;
    if (flags != 0) return E_INVALIDARG;
    std::lock_guard lock(state->Lock);
    state->Callback = std::move(callback);
    return S_OK;
}

} // namespace brisat
