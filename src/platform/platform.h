// The narrow platform interface under the window framework: top-level native windows that show
// a 32-bit back buffer, one event source with a timed wait, the tick clock, monitors, pointer
// capture and cursor, and clipboard text. The framework never sees the toolkit behind it; the
// desktop implementation sits on SDL2 + X11, the headless one (headless_platform.h) keeps
// everything in memory for tests.
//
// Coordinates are screen pixels unless said otherwise; rectangles are half-open. GUI thread only,
// except Wake, which any thread may call.
#pragma once

#include "platform/pixel_image.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brisat {

class ITrayIcon;
class IVideoLayer;

struct TScreenRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    friend bool operator==(const TScreenRect&, const TScreenRect&) = default;
};

struct TMonitorInfo {
    TScreenRect Bounds;
    TScreenRect WorkArea; // bounds less panels and docks
    bool Primary = false;
};

enum class TPlatformEventKind : uint8_t {
    MouseMove,
    ButtonDown,
    ButtonUp,
    Wheel,
    KeyDown,
    KeyUp,
    Text,         // typed text, UTF-8
    CloseRequest, // the user asked the window manager to close the window
    Activated,
    Deactivated,
    Exposed, // the window's pixels were lost and must be presented again
    // The window lies elsewhere or has another size than the program last knew (the window
    // manager placed, moved or sized it): Bounds is where it is now.
    Moved,
    // Tray icon notifications (tray_icon.h); Window is the id given to CreateTrayIcon.
    TrayActivate,    // the icon was double-clicked or activated by the desktop
    TrayContextMenu, // the icon's menu was asked for at ScreenX, ScreenY
    TrayLost,        // the notification area went away (or there is none) while shown
    // Files or addresses were dropped on the window (one that takes drops) at X, Y: Files.
    Drop,
};

enum class TPlatformButton : uint8_t { Left, Right, Middle };

// Modifier bits of TPlatformEvent::Modifiers.
inline constexpr uint32_t PlatformShift = 1, PlatformCtrl = 2, PlatformAlt = 4;

struct TPlatformEvent {
    TPlatformEventKind Kind = TPlatformEventKind::MouseMove;
    uint32_t Window = 0; // the id given to CreateWindow
    // Mouse events: the pointer relative to the window's top-left corner, and on the screen
    // (the window may move between the event and its handling).
    int32_t X = 0;
    int32_t Y = 0;
    int32_t ScreenX = 0;
    int32_t ScreenY = 0;
    TPlatformButton Button = TPlatformButton::Left;
    int32_t WheelDelta = 0; // multiples of 120, positive away from the user
    uint32_t Key = 0;       // virtual-key code (the classic VK_ numbering)
    uint32_t Modifiers = 0; // Platform* bits held during the event
    std::string Text;       // Text events
    TScreenRect Bounds;     // Moved events
    // Drop events: local paths and addresses (URIs) in the order the source gave them.
    std::vector<std::string> Files;
};

// The sizes within which the user may size a window through the window manager.
struct TSizeLimits {
    int32_t MinWidth = 1;
    int32_t MinHeight = 1;
    int32_t MaxWidth = 1;
    int32_t MaxHeight = 1;
    friend bool operator==(const TSizeLimits&, const TSizeLimits&) = default;
};

// What a window is for, so the desktop can treat it accordingly: tool windows and the three
// transient kinds get no task-bar entry; menus, drop-downs and tooltips are never managed by the
// window manager (no frame, no focus, stacked above the others).
enum class TPlatformWindowKind : uint8_t { Normal, Tool, PopupMenu, DropDown, Tooltip };

// Whether showing a window also makes it the focused, active one.
enum class TActivation : uint8_t { Activate, NoActivate };

struct TPlatformWindowParams {
    TScreenRect Bounds;
    std::string Title;
    bool TopMost = false;
    // A popup (menu, hint, drop-down): no task-bar entry and not activated when shown.
    bool Popup = false;
    TPlatformWindowKind Kind = TPlatformWindowKind::Normal;
    // The window's pixels may be translucent: made while a compositing manager runs, it can show
    // what lies beneath through them (IPlatformWindow::Composited).
    bool Translucent = false;
};

// Pixels read back from a window or the screen, 0x00RRGGBB.
using TCapturedPixels = TPixelImage;

// A borderless top-level window. The framework draws every pixel, frame included.
class IPlatformWindow {
public:
    virtual ~IPlatformWindow() = default;

    virtual void SetBounds(const TScreenRect& bounds) = 0;
    // Maps the window; a window already shown is only activated when asked.
    virtual void Show(TActivation activation) = 0;
    virtual void Hide() = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetTopMost(bool topMost) = 0;
    // Lets the window manager size the window within Limits (and maximise it to their maximum);
    // nullopt keeps the window at the size the program gives it.
    virtual void SetSizeLimits(const std::optional<TSizeLimits>& limits) = 0;
    // The window's shape in window coordinates; an empty list restores the full rectangle.
    virtual void SetShape(const std::vector<TScreenRect>& rects) = 0;
    // Copies the Dirty rectangles (window coordinates) of a Width × Height back buffer with rows
    // of Stride pixels (0xAARRGGBB) to the screen.
    virtual void Present(const uint32_t* pixels, int32_t width, int32_t height, int32_t stride,
                         const std::vector<TScreenRect>& dirty) = 0;
    // The window's video layer (video_layer.h), made on first use and kept until the window
    // goes; frames submitted to it appear without the framework presenting again.
    virtual IVideoLayer& VideoLayer() = 0;
    // The icon shown by the task bar and window switcher: Width × Height pixels 0xAARRGGBB.
    virtual void SetIcon(const uint32_t* pixels, int32_t width, int32_t height) = 0;
    // What the window shows now, its whole size; parts off the screen read black. Raises
    // std::runtime_error when the window cannot be read (as when it is hidden).
    virtual TCapturedPixels Capture() = 0;
    // In the desktop layer the window lies below every other, over its bounds, on every
    // workspace, without a task-bar entry, and is never raised or focused; false makes it again
    // the window it was.
    virtual void SetDesktopLayer(bool onDesktop) = 0;
    // Whether files and addresses dragged from other programs may be dropped on the window
    // (Drop events); a window takes none until asked.
    virtual void SetAcceptDrops(bool accept) = 0;
    // Whether a compositing manager shows the window now, so that the alpha of presented pixels
    // (straight, 0 clear to 255 opaque) lets what lies beneath show through, live. Only windows
    // made Translucent while one ran can be; otherwise alpha is ignored.
    virtual bool Composited() = 0;
};

// The desktop's background made one plain colour for video shown in the desktop layer; Restore,
// or destroying the object, puts back the background and wallpaper it replaced.
class IDesktopBackground {
public:
    virtual ~IDesktopBackground() = default;
    // The wallpaper the desktop showed before ("" when none or not known).
    virtual const std::string& SavedWallpaper() const = 0;
    // Later calls do nothing.
    virtual void Restore() = 0;
};

class IPlatform {
public:
    virtual ~IPlatform() = default;

    // Id is the framework's name for the window; events carry it back.
    virtual std::unique_ptr<IPlatformWindow> CreateWindow(uint32_t id,
                                                          const TPlatformWindowParams& params) = 0;
    // Waits at most TimeoutMs (negative: without limit) for the next event. False when the time
    // ran out or Wake was called first.
    virtual bool WaitEvent(TPlatformEvent& event, int32_t timeoutMs) = 0;
    // Ends a WaitEvent in progress (or the next one). Thread-safe.
    virtual void Wake() = 0;
    // Milliseconds since an arbitrary start; wraps after 49 days.
    virtual uint32_t TickCount() = 0;

    virtual std::vector<TMonitorInfo> Monitors() = 0;
    virtual int32_t CursorX() = 0;
    virtual int32_t CursorY() = 0;
    // Keeps pointer events going to Window while a button is held outside it; 0 releases.
    virtual void SetCapture(uint32_t window) = 0;
    // A cursor of the framework's TCursor numbering (0 default, -2 cross, ...).
    virtual void SetCursor(int32_t cursor) = 0;
    virtual std::string ClipboardText() = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
    // The screen's pixels in Rect (0x00RRGGBB, rows of Rect's width); black outside the screen.
    virtual std::vector<uint32_t> CaptureScreen(const TScreenRect& rect) = 0;
    // Removes the wallpaper and paints the desktop background in Rgb (0x00RRGGBB). Raises
    // std::runtime_error, changing nothing, when the desktop cannot be reached.
    virtual std::unique_ptr<IDesktopBackground> PaintDesktop(uint32_t rgb) = 0;
    // An icon for the desktop's notification area, not shown yet; its events carry Id.
    virtual std::unique_ptr<ITrayIcon> CreateTrayIcon(uint32_t id) = 0;
};

// Window.Capture() written to a PNG file. Raises std::runtime_error naming what failed.
void CaptureWindowToPng(IPlatformWindow& window, const std::string& fileName);

// The platform the framework runs on. Raises std::logic_error when none is installed.
IPlatform& Platform();
bool HasPlatform();
// Installs Platform (nullptr removes it) and returns the previous one. Windows of the previous
// platform must be gone first.
std::unique_ptr<IPlatform> SetPlatform(std::unique_ptr<IPlatform> platform);

} // namespace brisat
