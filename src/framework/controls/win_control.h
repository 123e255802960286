// TWinControl: a control with its own window: a handle and window procedure, child controls
// aligned in the framework's order (top, bottom, left, right, client) and anchored, keyboard
// focus and tab order, keyboard messages with virtual-key codes and WM_GETDLGCODE, and painting
// of its windowless children. TCustomControl adds a canvas and Paint. GUI thread only.
#pragma once

#include "framework/graphics/canvas.h"
#include "framework/controls/control.h"
#include "framework/windowing/window_handle.h"

#include <memory>
#include <vector>

namespace brisat {

struct TCreateParams {
    std::string Caption;
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    TRect Bounds; // parent's client coordinates, or the screen for a top-level window
    HWND WndParent = 0;
    bool MessageOnly = false;
    // The system's window class for menus, drop-down lists and tooltips (window_handle.h);
    // empty for every other window.
    std::string WinClassName;
};

// Whether a search of the children takes in disabled controls too.
enum class TDisabledControls : uint8_t { Skip, Include };
enum class TTabDirection : uint8_t { Forward, Backward };
// Which controls a move of the focus stops at: tab stops anywhere below (the Tab key), or any
// control among the direct children (the arrow keys).
enum class TFocusMove : uint8_t { TabStops, Children };

class TWinControl : public TControl {
public:
    using TKeyEvent = std::function<void(TComponent& sender, uint16_t& key, TShiftState)>;
    using TKeyPressEvent = std::function<void(TComponent& sender, char32_t& key)>;
    // Delta: multiples of 120, positive away from the user; MousePos on the screen.
    using TMouseWheelEvent = std::function<void(TComponent& sender, TShiftState shift,
                                                int32_t delta, TPoint mousePos, bool& handled)>;
    using TMouseWheelUpDownEvent =
        std::function<void(TComponent& sender, TShiftState shift, TPoint mousePos, bool& handled)>;

    explicit TWinControl(TComponent* owner);
    // Destroys the window and the child controls (those without owner are only let go).
    ~TWinControl() override;

    std::string ClassName() const override { return "TWinControl"; }

    // The window, created on first use (with the parent's window first).
    HWND Handle();
    bool HandleAllocated() const { return m_handle != 0; }
    void HandleNeeded() { Handle(); }
    // Destroys the window (and its children's); the next Handle call makes it again.
    void DestroyHandle();

    // Child controls: windowless ones first, then windowed ones, each in z-order from the bottom.
    int ControlCount() const { return int(m_controls.size()); }
    TControl& Controls(int index) const;
    void InsertControl(TControl& control);
    void RemoveControl(TControl& control);
    bool ContainsControl(const TControl* control) const;
    // The visible (and, unless Disabled includes them, enabled) child at a client point, topmost
    // first.
    TControl* ControlAtPos(TPoint p, TDisabledControls disabled) const;

    void DisableAlign() { ++m_alignDisabled; }
    void EnableAlign();
    void Realign();
    // The rectangle aligned controls share: the client rectangle by default.
    virtual void AdjustClientRect(TRect& rect) const { rect = ClientRect(); }

    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    void Invalidate() override;
    void Update() override;

    // Paints the visible windowless children that meet Dc's clip, each at its place.
    void PaintControls(TDeviceContext& dc);

    // Focus.
    bool Focused() const;
    virtual bool CanFocus() const;
    // Raises EInvalidOperation when the control cannot take the focus.
    virtual void SetFocus();
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool on) { m_tabStop = on; }
    // Windowed descendants in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next (or previous) control after Current that can take the focus, wrapping round.
    TWinControl* FindNextControl(TWinControl* current, TTabDirection direction,
                                 TFocusMove move) const;
    void SelectNext(TWinControl* current, TTabDirection direction, TFocusMove move);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    // The wheel turns over the focused control: OnMouseWheel first, then the event of the
    // direction; when none handles it, the parent is asked.
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Mouse messages over (or captured by) a windowless child go to that child; the rest reach
    // the handlers below, or TControl's.
    void WndProc(TMessage& message) override;
    // Unhandled messages go to the window's default procedure.
    void DefaultHandler(TMessage& message) override;

    // The frame: the default window procedure's unless overridden.
    virtual void WMNCCalcSize(TMessage& message) { DefaultHandler(message); }
    virtual void WMNCHitTest(TMessage& message) { DefaultHandler(message); }
    virtual void WMNCPaint(TMessage& message) { DefaultHandler(message); }
    // Fills the client area with Color unless the control is csOpaque.
    virtual void WMEraseBkgnd(TMessage& message);
    // PaintWindow, then the windowless children.
    void WMPaint(TMessage& message) override;
    virtual void WMMouseLeave(TMessage& message);
    virtual void WMSetCursor(TMessage& message);
    virtual void WMWindowPosChanging(TMessage& message);
    virtual void WMWindowPosChanged(TMessage& message);
    virtual void WMSize(TMessage& message);
    // WM_KEYDOWN and WM_SYSKEYDOWN; menu and dialog keys never reach KeyDown.
    virtual void WMKeyDown(TMessage& message);
    // WM_KEYUP and WM_SYSKEYUP.
    virtual void WMKeyUp(TMessage& message);
    // WM_CHAR and WM_SYSCHAR.
    virtual void WMChar(TMessage& message);
    virtual void WMMouseWheel(TMessage& message);
    virtual void WMSetFocus(TMessage& message);
    virtual void WMKillFocus(TMessage& message);
    // Offered to every child until one takes it (Result 1).
    virtual void CMDialogKey(TMessage& message);
    virtual void CMDialogChar(TMessage& message);
    void WMContextMenu(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    // Colour, font and hint changes go on to the children that take them from this control.
    void CMColorChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMShowHintChanged(TMessage& message) override;

    // Draws the control's own face; the windowless children are painted after it.
    virtual void PaintWindow(TDeviceContext& dc);
    virtual void AlignControls(TControl* control, TRect& rect);
    virtual bool DoMouseWheel(TShiftState shift, int32_t delta, TPoint mousePos);
    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void DoEnter();
    virtual void DoExit();
    // Tab, arrows, Enter and Escape that the focused control does not want (WM_GETDLGCODE) go
    // to the form as CM_DIALOGKEY; true when it used the key.
    bool DialogKey(uint16_t key);
    // Keys the form's menus take (shortcuts, F10, Alt) never reach the control.
    bool IsMenuKey(const TMessage& message);
    void Loaded() override;
    void Notification(TComponent& component, TOperation operation) override;

private:
    friend class TControl;

    void MainWndProc(HWND hwnd, TMessage& message);
    // Mouse tracking and forwarding to windowless children; true when a child took the message.
    bool RouteMouseToChild(TMessage& message);
    void OfferToControls(TMessage& message);
    void UpdateBoundsFromWindow();
    void ApplyAnchors(int32_t dx, int32_t dy);
    bool ForwardMouse(TMessage& message);
    void TrackMouseControl(TControl* control);
    // Shows the screen's cursor, else that of the control under the mouse; false when both are
    // crDefault.
    bool SetControlCursor();
    void AlignChild(TControl* control);
    void RemoveFromTabList(TWinControl& control);

    HWND m_handle = 0;
    std::vector<TControl*> m_controls;   // windowless, then windowed, bottom first
    std::vector<TWinControl*> m_tabList; // windowed children in tab order
    bool m_tabStop = false;
    int m_tabOrderWanted = -1; // set before the control had a parent
    int m_alignDisabled = 0;
    bool m_aligning = false;
    TSize m_alignedSize{-1, -1};        // client size anchors were last applied for
    TControl* m_mouseControl = nullptr; // the windowless child under the mouse
    bool m_mouseInside = false;
};

// The control that owns a window, or nullptr.
TWinControl* FindControl(HWND hwnd);

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    std::string ClassName() const override { return "TCustomControl"; }

    // The canvas of the paint in progress.
    TCanvas& Canvas() { return m_canvas; }

protected:
    void PaintWindow(TDeviceContext& dc) override;
    virtual void Paint() {}

private:
    TCanvas m_canvas;
};

} // namespace brisat
