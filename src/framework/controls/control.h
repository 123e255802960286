// TControl: the base of everything visible: bounds in the parent's client area, alignment and
// anchors, visibility, enabling, caption, colour and font (each optionally taken from the
// parent), cursor, hint, the mouse events, and one dispatch point per control (WindowProc, which
// may be replaced to watch or take over its messages). TGraphicControl draws on its parent's
// window through a canvas. GUI thread only.
#pragma once

#include "framework/core/component.h"
#include "framework/core/flags.h"
#include "framework/core/font.h"
#include "framework/windowing/messages.h"

#include <functional>
#include <string>
#include <string_view>

namespace brisat {

class TWinControl;
class TCanvas;
class TCustomForm;

enum class TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum class TAnchorKind : uint8_t { akLeft, akTop, akRight, akBottom };
using TAnchors = TFlags<TAnchorKind>;

enum class TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };
enum class TShiftStateKind : uint8_t {
    ssShift,
    ssAlt,
    ssCtrl,
    ssLeft,
    ssRight,
    ssMiddle,
    ssDouble
};
using TShiftState = TFlags<TShiftStateKind>;

enum class TControlStyleKind : uint8_t {
    csAcceptsControls,
    csCaptureMouse,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csReplicatable,
    csNoStdEvents,
};
using TControlStyle = TFlags<TControlStyleKind>;

enum class TControlStateKind : uint8_t {
    csLButtonDown,
    csClicked,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
};
using TControlState = TFlags<TControlStateKind>;

using TCursor = int16_t;
inline constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                         crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9,
                         crUpArrow = -10, crHourGlass = -11, crNo = -18, crHandPoint = -21;

// Events name their sender.
using TNotifyEvent = std::function<void(TComponent& sender)>;

// The shift state of mouse-message key bits (and the Alt key's current state).
TShiftState KeysToShiftState(WPARAM keys);
// The shift state of the keyboard now.
TShiftState KeyboardShiftState();
// Whether Key (any case) is the accelerator of Caption: the character after a single '&'.
bool IsAccel(char32_t key, std::string_view caption);

// What a control's PopupMenu must be to open on a right click or the context-menu key: a
// component that pops up at a screen point.
class IPopupSource {
public:
    virtual ~IPopupSource() = default;
    virtual void Popup(int32_t x, int32_t y) = 0;
    // Whether a right click opens it; the control then names itself before Popup.
    virtual bool AutoPopup() const { return true; }
    virtual void SetPopupComponent(TComponent*) {}
};

class TControl : public TComponent {
public:
    using TMouseEvent =
        std::function<void(TControl& sender, TMouseButton, TShiftState, int32_t x, int32_t y)>;
    using TMouseMoveEvent =
        std::function<void(TControl& sender, TShiftState, int32_t x, int32_t y)>;

    explicit TControl(TComponent* owner);
    ~TControl() override;

    std::string ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return m_parent; }
    // Moves the control into Parent's child list (nullptr takes it out); raises
    // EInvalidOperation for a parent inside this control.
    virtual void SetParent(TWinControl* parent);

    int32_t Left() const { return m_left; }
    int32_t Top() const { return m_top; }
    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    void SetLeft(int32_t v) { SetBounds(v, m_top, m_width, m_height); }
    void SetTop(int32_t v) { SetBounds(m_left, v, m_width, m_height); }
    void SetWidth(int32_t v) { SetBounds(m_left, m_top, v, m_height); }
    void SetHeight(int32_t v) { SetBounds(m_left, m_top, m_width, v); }
    // In the parent's client coordinates; negative sizes become 0.
    virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
    TRect BoundsRect() const { return Bounds(m_left, m_top, m_width, m_height); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual TRect ClientRect() const { return {0, 0, m_width, m_height}; }
    int32_t ClientWidth() const { return ClientRect().Width(); }
    int32_t ClientHeight() const { return ClientRect().Height(); }
    void SetClientSize(int32_t width, int32_t height);
    // The screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return m_anchors; }
    void SetAnchors(TAnchors anchors) { m_anchors = anchors; }

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible here and in every parent up to a shown top-level window.
    bool Showing() const;
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool on);
    TFont& Font() { return m_font; }
    const TFont& Font() const { return m_font; }
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool on);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor) { m_cursor = cursor; }
    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& hint) { m_hint = hint; }
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool on);
    bool ParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool on);
    // Any popup menu component; the reference is cleared when it goes.
    TComponent* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TComponent* menu);

    TControlStyle& ControlStyle() { return m_controlStyle; }
    const TControlStyle& ControlStyle() const { return m_controlStyle; }
    TControlState& ControlState() { return m_controlState; }
    const TControlState& ControlState() const { return m_controlState; }

    // Asks for a repaint of the whole control; nothing is drawn before the next paint.
    virtual void Invalidate();
    // Paints what is invalid now.
    virtual void Update();
    void Repaint() {
        Invalidate();
        Update();
    }
    void BringToFront();
    void SendToBack();

    // Sends a message straight to WindowProc.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The control's message entry; by default WndProc. Replace it to see messages first and pass
    // them on to the saved previous value.
    TWndMethod WindowProc;
    // The form the control sits on, or nullptr.
    TCustomForm* ParentForm() const;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    // Before a size change: may alter the new size, or refuse it (Resize false).
    std::function<void(TControl& sender, int32_t& newWidth, int32_t& newHeight, bool& resize)>
        OnCanResize;
    // Before a size change: limits for the new size (0: none).
    std::function<void(TControl& sender, int32_t& minWidth, int32_t& minHeight, int32_t& maxWidth,
                       int32_t& maxHeight)>
        OnConstrainedResize;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;

protected:
    // The dispatch point: routes each message to its handler below; unhandled ones reach
    // DefaultHandler.
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage&) {}

    // Message handlers: a subclass overrides one by name and calls the inherited handler for
    // the default. A double click reaches the press handler of its button; it counts as a double
    // click only with csDoubleClicks.
    virtual void WMMouseMove(TMessage& message);
    virtual void WMLButtonDown(TMessage& message);
    virtual void WMLButtonUp(TMessage& message);
    virtual void WMRButtonDown(TMessage& message);
    virtual void WMRButtonUp(TMessage& message);
    virtual void WMMButtonDown(TMessage& message);
    virtual void WMMButtonUp(TMessage& message);
    // Paints through the device context in WParam; nothing here.
    virtual void WMPaint(TMessage& message) { DefaultHandler(message); }
    // Opens the popup menu (at the control's centre when asked from the keyboard).
    virtual void WMContextMenu(TMessage& message);
    virtual void CMVisibleChanged(TMessage&) { Invalidate(); }
    virtual void CMEnabledChanged(TMessage&) { Invalidate(); }
    virtual void CMTextChanged(TMessage&) { Invalidate(); }
    virtual void CMColorChanged(TMessage&) { Invalidate(); }
    virtual void CMFontChanged(TMessage&) { Invalidate(); }
    virtual void CMShowHintChanged(TMessage&) {}
    virtual void CMParentColorChanged(TMessage&) { ParentColorChanged(); }
    virtual void CMParentFontChanged(TMessage&) { ParentFontChanged(); }

    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
    virtual void MouseMove(TShiftState shift, int32_t x, int32_t y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
    virtual void Resize();
    // Sets the colour a new control of the class starts with (and is not streamed).
    void InitColor(TColor color) {
        m_color = color;
        m_defaultColor = color;
    }

public:
    TColor DefaultColor() const { return m_defaultColor; }

protected:
    // Called after a change of the control's visible state, enabling, caption, colour or font.
    virtual void Changed(UINT cm) { Perform(cm); }
    // Applies OnCanResize and OnConstrainedResize to a new size (never negative).
    void CheckNewSize(int32_t& width, int32_t& height) const;
    // Moves the parent's aligned controls after a change of this one.
    void RequestAlign();
    void Loaded() override;
    void Notification(TComponent& component, TOperation operation) override;

    // Mouse capture: while set, the parent window forwards the mouse to this control.
    bool MouseCapture() const;
    void SetMouseCapture(bool on);

private:
    friend class TWinControl;

    // Whether a mouse message is a double click the control takes as one.
    bool IsDoubleClick(const TMessage& m) const;
    TShiftState MouseShift(const TMessage& m) const;
    void MouseDownAt(const TMessage& m, TMouseButton button);
    void MouseUpAt(const TMessage& m, TMouseButton button);
    void FontChanged();
    void ParentColorChanged();
    void ParentFontChanged();
    void ParentShowHintChanged();

    TWinControl* m_parent = nullptr;
    int32_t m_left = 0;
    int32_t m_top = 0;
    int32_t m_width = 0;
    int32_t m_height = 0;
    TAlign m_align = TAlign::alNone;
    TAnchors m_anchors{TAnchorKind::akLeft, TAnchorKind::akTop};
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_caption;
    TColor m_color = clWindow;
    TColor m_defaultColor = clWindow;
    bool m_parentColor = false;
    TFont m_font;
    bool m_parentFont = true;
    TCursor m_cursor = crDefault;
    std::string m_hint;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    TComponent* m_popupMenu = nullptr;
    TControlStyle m_controlStyle{TControlStyleKind::csCaptureMouse,
                                 TControlStyleKind::csClickEvents, TControlStyleKind::csSetCaption,
                                 TControlStyleKind::csDoubleClicks};
    TControlState m_controlState;
    bool m_fontChanging = false;
};

// The control the mouse is captured for (a graphic control when its parent window holds the
// platform capture), or nullptr.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    std::string ClassName() const override { return "TGraphicControl"; }

    // The canvas of the paint in progress.
    TCanvas& Canvas() { return *m_canvas; }

protected:
    // Paints through Paint and the canvas.
    void WMPaint(TMessage& message) override;
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> m_canvas;
};

} // namespace brisat
