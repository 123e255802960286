// TKsCustomForm: a component that takes over its owner window's whole frame. The platform frame
// disappears; the component computes the non-client area, draws a plain frame (gradient caption,
// caption text, built-in caption buttons), answers hit tests, moves and sizes the window by its
// frame parts with magnetic snapping, keeps its own window state (normal, maximized, minimized,
// rolled up, in the tray), and optionally adds a drop shadow, a translucent frame and a show
// animation. It works through a hook on the owner's window procedure. The skinned form derives
// from it and draws the frame from a skin instead. GUI thread only.
#pragma once

#include "framework/controls/control.h"
#include "framework/core/flags.h"
#include "framework/core/types.h"
#include "framework/graphics/region.h"
#include "framework/windowing/messages.h"
#include "skin/objects/skinned_form_interface.h"
#include "skin_controls/ks_animation.h"
#include "skin_windows/ks_hook.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace brisat {

class TCustomForm;
class TDeviceContext;
class TKsBitmap;
class TKsCustomItem;
class TKsCustomMenuBar;
class TPopupMenu;

// TKsBorderIcon comes with the skinned-form interface the skin objects use.
using TKsBorderIcons = TFlags<TKsBorderIcon>;
enum class TKsBorderStyle : uint8_t { kbsNone, kbsStandard, kbsToolWindow };
enum class TKsWindowState : uint8_t { kwsNormal, kwsMaximized, kwsMinimized, kwsRollup, kwsTray };

inline constexpr TKsBorderIcons kDefaultBorderIcons{
    TKsBorderIcon::kbiClose,  TKsBorderIcon::kbiSystemMenu, TKsBorderIcon::kbiMinimize,
    TKsBorderIcon::kbiMaximize, TKsBorderIcon::kbiRollup,   TKsBorderIcon::kbiTray};

// The component's own hit codes (window coordinates → frame part).
inline constexpr int32_t khtNone = 0, khtCaption = 1, khtLeft = 2, khtTop = 3, khtRight = 4,
                         khtBottom = 5, khtBorder = 6, khtTopLeft = 7, khtTopRight = 8,
                         khtBottomLeft = 9, khtBottomRight = 10, khtClose = 11, khtHelp = 12,
                         khtMinimize = 13, khtMaximize = 14, khtRollup = 15, khtTray = 16,
                         khtSysMenu = 17, khtSkinButton = 18;

// Private messages of the form's window.
inline constexpr UINT KM_TRAYCALLBACK = 1388;  // tray icon notifications (auxiliary window)
inline constexpr UINT KM_CAPTIONRESTORE = 1389; // WParam 13: caption style back, frame repainted
inline constexpr UINT KM_MAXIMIZE = 1390;
inline constexpr UINT KM_SETSTATE = 1391; // WParam 1 maximize, 2 minimize, 3 roll up, 4 tray
inline constexpr UINT KM_ISBLENDED = 1591; // answers 1 while Blend is on
inline constexpr UINT KM_PRINTFORM = 45512; // WParam x | y << 16, LParam a device context

// System commands the form takes beyond the framework's: the keyboard menu (LParam the character
// typed with Alt) and the mouse's system menu.
inline constexpr WPARAM kScKeyMenu = 0xF100, kScMouseMenu = 0xF090;

// Size limits; 0 is no limit.
struct TKsSizeConstraints {
    int32_t MinWidth = 0;
    int32_t MinHeight = 0;
    int32_t MaxWidth = 0;
    int32_t MaxHeight = 0;
    friend bool operator==(const TKsSizeConstraints&, const TKsSizeConstraints&) = default;
};

// The drop shadow's colour (dark grey, alpha 144) blended over the background.
inline constexpr uint32_t kShadowPixel = 0x903F3F3F;

class TKsCustomForm : public TKsHookComponent {
public:
    using TPaintEvent = std::function<void(TKsCustomForm& sender, TKsBitmap& surface)>;

    explicit TKsCustomForm(TComponent* owner);
    ~TKsCustomForm() override;
    std::string ClassName() const override { return "TKsCustomForm"; }

    // --- Persistent properties (stream order) ------------------------------------------------
    void SetActive(bool value) override;
    bool Blend() const { return m_blend; }
    void SetBlend(bool value);
    int32_t BlendValue() const { return m_blendValue; }
    void SetBlendValue(int32_t value);
    TKsBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TKsBorderIcons value);
    TKsBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TKsBorderStyle value);
    bool CanResize() const { return m_canResize; }
    void SetCanResize(bool value);
    bool CanMove() const { return m_canMove; }
    void SetCanMove(bool value);
    bool DropShadow() const { return m_dropShadow; }
    void SetDropShadow(bool value);
    int32_t ShadowWidth() const { return m_shadowWidth; }
    void SetShadowWidth(int32_t value);
    bool Magnetic() const { return m_magnetic; }
    void SetMagnetic(bool value) { m_magnetic = value; }
    int32_t MagneticValue() const { return m_magneticValue; }
    void SetMagneticValue(int32_t value) { m_magneticValue = value; }
    const TKsSizeConstraints& Constraints() const { return m_constraints; }
    void SetConstraints(const TKsSizeConstraints& value);
    // Constraints as the nested object layouts stream ("Constraints.MinWidth", ...).
    TPersistent& ConstraintsObject();
    TKsCustomMenuBar* MenuBar() const { return m_menuBar; }
    void SetMenuBar(TKsCustomMenuBar* value);
    bool MinimizeApplication() const { return m_minimizeApplication; }
    void SetMinimizeApplication(bool value) { m_minimizeApplication = value; }
    bool SimpleDrag() const { return m_simpleDrag; }
    void SetSimpleDrag(bool value) { m_simpleDrag = value; }
    TKsAnimation ShowAnimation() const { return m_showAnimation; }
    void SetShowAnimation(TKsAnimation value) { m_showAnimation = value; }
    int32_t ShowAnimationTime() const { return m_showAnimationTime; }
    void SetShowAnimationTime(int32_t value) { m_showAnimationTime = value; }
    bool StayOnTop() const { return m_stayOnTop; }
    void SetStayOnTop(bool value);
    bool SysMenuBlend() const { return m_sysMenuBlend; }
    void SetSysMenuBlend(bool value) { m_sysMenuBlend = value; }
    int32_t SysMenuBlendValue() const { return m_sysMenuBlendValue; }
    void SetSysMenuBlendValue(int32_t value) { m_sysMenuBlendValue = value; }
    bool SysMenuDropShadow() const { return m_sysMenuDropShadow; }
    void SetSysMenuDropShadow(bool value) { m_sysMenuDropShadow = value; }
    int32_t SysMenuShadowWidth() const { return m_sysMenuShadowWidth; }
    void SetSysMenuShadowWidth(int32_t value) { m_sysMenuShadowWidth = value; }
    TKsAnimation SysMenuShowAnimation() const { return m_sysMenuShowAnimation; }
    void SetSysMenuShowAnimation(TKsAnimation value) { m_sysMenuShowAnimation = value; }
    int32_t SysMenuShowAnimationTime() const { return m_sysMenuShowAnimationTime; }
    void SetSysMenuShowAnimationTime(int32_t value) { m_sysMenuShowAnimationTime = value; }
    TPopupMenu* TrayMenu() const { return m_trayMenu; }
    void SetTrayMenu(TPopupMenu* value);
    // Draws on the frame bitmap after the client background.
    TPaintEvent OnPaint;

    // --- Window state and operations ---------------------------------------------------------
    TKsWindowState WindowState() const { return m_windowState; }
    TKsWindowState PreviousWindowState() const { return m_previousState; }
    // Runs the matching operation (Restore for kwsNormal); while loading, applied afterwards.
    void SetWindowState(TKsWindowState value);
    void Close();
    void Restore();
    void Maximize();
    void Minimize();
    void RollUp();
    void MinimizeToTray();
    void Help();
    void ShowSystemMenu();
    // The saved normal bounds (screen coordinates, without shadow).
    const TRect& RestoreRect() const { return m_restoreRect; }

    // --- Run-time state for the skinned form and the popup form ------------------------------
    // The owner as a form, nullptr when the owner is another kind of control.
    TCustomForm* Form() const;
    bool WindowActive() const { return m_windowActive; }
    // FW × FH and W × H: they differ by ShadowWidth while the drop shadow shows.
    TSize FullSize() const { return m_fullSize; }
    TSize SizeWithoutShadow() const { return m_size; }
    // The width the shadow adds right and bottom now (0 without shadow or when maximized).
    int32_t ShadowExtent() const;
    int32_t PressedCode() const { return m_pressedCode; }
    int32_t HoveredCode() const { return m_hoveredCode; }
    bool Dragging() const { return m_dragging; }
    // The bitmap the frame is drawn into (at least FullSize): the form's own while Blend is on,
    // otherwise the module-wide scratch bitmap.
    TKsBitmap& FrameBitmap();
    bool PaintingEnabled() const { return m_paintingEnabled; }
    void SetPaintingEnabled(bool value) { m_paintingEnabled = value; }
    // Repaints the frame: its four non-client strips are drawn into the frame bitmap and copied
    // to the window at the window's next paint (UpdateWindow for at once).
    void PaintNonClient();
    // Re-applies the frame: the platform recalculates the non-client area while the client size
    // stays, and the whole window is invalidated.
    void ApplyFrame();
    // With Blend on, Picture (the client area, drawn by the window itself) is laid translucent
    // over the screen behind the client area; without Blend it stays as it is. Under a
    // compositing manager its alpha becomes BlendValue (255 without Blend) and the compositor
    // lays it over what is beneath.
    void BlendClientPicture(TKsBitmap& picture);
    // The caption band of the plain frame (window coordinates).
    TRect CaptionBand();
    // The plain frame's caption height and border width.
    int32_t CaptionHeight() const;
    int32_t BorderWidth() const;

    // --- Virtual operations (slot order) ----------------------------------------------------
    void AfterMessage(TMessage& message) override;
    virtual void UpdateRegion();
    // The window shape (window coordinates); nullopt for a plain rectangle.
    virtual std::optional<TRegion> GetRegion();
    // One item of the system menu, owned by Owner (without an owner the caller takes it).
    virtual TKsCustomItem* CreateMenuItem(TComponent* owner);
    // The built-in caption button of Icon; empty when not shown.
    virtual void GetButtonRect(TKsBorderIcon icon, TRect& rect);
    // The client area within the window (window coordinates, without shadow).
    virtual void GetClientRect(TRect& rect);
    virtual TRect GetRollupRect();
    virtual TRect GetMinimizedRect();
    virtual TRect GetMaximizedRect();
    virtual TPoint GetMaxTrackSize();
    virtual TPoint GetMinTrackSize();
    virtual void PaintFrame(TKsBitmap& bitmap);
    virtual void PaintBackground(TKsBitmap& bitmap);
    virtual int32_t HitTest(int32_t x, int32_t y);
    virtual void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
    virtual void MouseMove(TShiftState shift, int32_t x, int32_t y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);

protected:
    void MessageHandler(TMessage& message) override;
    void Loaded() override;
    void Notification(TComponent& component, TOperation operation) override;
    void UpdateHook() override;
    void OwnerAssigned() override;

    // The proposed rectangle without shadow snapped to the work area's edges (Magnetic).
    TRect SnapRect(const TRect& proposed);
    // The built-in caption button of Icon laid out in the caption band Band; empty when the
    // button is not shown.
    TRect PlainButtonRect(TKsBorderIcon icon, const TRect& band) const;
    // The hit code of the built-in caption button (GetButtonRect) at X, Y, or khtNone.
    int32_t PlainButtonAt(int32_t x, int32_t y);
    // The built-in caption buttons where GetButtonRect places them.
    void PaintPlainButtons(TKsBitmap& bitmap);

private:
    struct TRuntime;
    HWND Hwnd() const;
    bool Loading() const;
    void TakeOverForm();
    // Geometry.
    void CalcNonClient(TRect& rect);
    void StoreSizes(TSize full);
    void KeepTrackSize(TWindowPos& pos);
    void FillMinMaxInfo(TMinMaxInfo& info);
    void PositionChanged(TMessage& message);
    void TakeBounds(const TRect& rect);
    // Painting.
    void DrawNonClient(TDeviceContext& dc);
    void DrawBackground(TDeviceContext& dc);
    void PaintShadow(TKsBitmap& bitmap, bool composited);
    void BlendStrips(TKsBitmap& bitmap, bool composited);
    // Area of the window (window coordinates) drawn at X, Y of Bitmap, laid over the screen
    // behind it by BlendValue; Composited: only given the window's own alpha.
    void BlendOverScreen(TKsBitmap& bitmap, int32_t x, int32_t y, const TRect& area,
                         bool composited);
    // Whether a compositing manager shows the window, blending its pixels by their alpha over
    // what lies beneath; otherwise translucency and the shadow use the captured background.
    bool Composited() const;
    void PaintIcon(TKsBitmap& bitmap, const TRect& square);
    void PaintCaptionText(TKsBitmap& bitmap, const TRect& band);
    void PrintForm(TMessage& message);
    void CaptureBackground();
    // Reads the screen behind the window while it is not on it yet, then animates the showing.
    void BeforeShow();
    void RunShowAnimation();
    // Hit testing and the mouse.
    LRESULT PlatformHit(int32_t code) const;
    bool MouseMessage(TMessage& message);
    void DragTo(int32_t x, int32_t y);
    void EndDrag();
    void SetHovered(int32_t code);
    // States.
    void SaveRestoreRect();
    void RestoreFromMaximized();
    void RestoreFromMinimized();
    void RestoreFromTray();
    void SetStateMessage(WPARAM code);
    void EnterState(TKsWindowState state);
    bool LeaveFor(TKsWindowState target);
    void ReturnTo(TKsWindowState back);
    void HookApplication();
    void UnhookApplication();
    void ApplicationMinimized();
    void ApplicationRestored();
    // The system menu and the keyboard.
    void SystemMenuClick(const std::string& caption);
    void SystemCommand(TMessage& message);
    bool OfferShortCut(const TMsg& msg);
    void CaptionChanged();

    std::unique_ptr<TRuntime> m_rt;

    bool m_blend = false;
    int32_t m_blendValue = 150;
    TKsBorderIcons m_borderIcons = kDefaultBorderIcons;
    TKsBorderStyle m_borderStyle = TKsBorderStyle::kbsStandard;
    bool m_canResize = true;
    bool m_canMove = true;
    bool m_dropShadow = false;
    int32_t m_shadowWidth = 4;
    bool m_magnetic = true;
    int32_t m_magneticValue = 20;
    TKsSizeConstraints m_constraints;
    TKsCustomMenuBar* m_menuBar = nullptr;
    bool m_minimizeApplication = true;
    bool m_simpleDrag = false;
    TKsAnimation m_showAnimation = TKsAnimation::kaNone;
    int32_t m_showAnimationTime = 400;
    bool m_stayOnTop = false;
    bool m_sysMenuBlend = false;
    int32_t m_sysMenuBlendValue = 150;
    bool m_sysMenuDropShadow = false;
    int32_t m_sysMenuShadowWidth = 4;
    TKsAnimation m_sysMenuShowAnimation = TKsAnimation::kaNone;
    int32_t m_sysMenuShowAnimationTime = 300;
    TPopupMenu* m_trayMenu = nullptr;

    TKsWindowState m_windowState = TKsWindowState::kwsNormal;
    TKsWindowState m_previousState = TKsWindowState::kwsNormal;
    TRect m_restoreRect;
    bool m_windowActive = false;
    TSize m_fullSize;
    TSize m_size;
    int32_t m_pressedCode = khtNone;
    int32_t m_hoveredCode = khtNone;
    bool m_dragging = false;
    bool m_paintingEnabled = true;
};

} // namespace brisat
