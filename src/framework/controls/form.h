// TCustomForm / TForm: a top-level window with a border style and icons, a position rule for
// its first showing, stay-on-top, a window state, modeless and modal showing with a nested
// message loop, closing with OnCloseQuery / OnClose and a close action, and the form events.
// The frame (non-client area) follows the window protocol: WM_NCCALCSIZE, WM_NCHITTEST,
// WM_NCPAINT and the non-client mouse messages, answered by the default window procedure unless
// a hook on the form's window or an override of a handler (WMNCHitTest...) takes them over. GUI
// thread only.
#pragma once

#include "framework/controls/win_control.h"

namespace brisat {

class TMainMenu;
class TMenuBar;

enum class TFormBorderStyle : uint8_t {
    bsNone,
    bsSingle,
    bsSizeable,
    bsDialog,
    bsToolWindow,
    bsSizeToolWin
};
enum class TBorderIcon : uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TFlags<TBorderIcon>;
enum class TPosition : uint8_t {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum class TFormStyle : uint8_t { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
enum class TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };

using TModalResult = int32_t;
inline constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4,
                              mrIgnore = 5, mrYes = 6, mrNo = 7;

// Posted to a form by Release; the form frees itself when it arrives.
inline constexpr UINT CM_RELEASE = CM_BASE + 33;

class TCustomForm : public TWinControl {
public:
    using TCloseEvent = std::function<void(TComponent& sender, TCloseAction& action)>;
    using TCloseQueryEvent = std::function<void(TComponent& sender, bool& canClose)>;

    // The form's window exists from the start, hidden.
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    std::string ClassName() const override { return "TCustomForm"; }

    // Runs OnCreate; TApplication::CreateForm calls it once the form is constructed.
    void AfterConstruction();
    // Reads a layout into the form (its controls are created through the class registry) and
    // applies what was deferred while loading (position, state, visibility). On an error the
    // controls read so far are destroyed and the EReadError goes on.
    void LoadLayout(std::string_view text);

    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return m_position; }
    void SetPosition(TPosition position) { m_position = position; }
    TFormStyle FormStyle() const { return m_formStyle; }
    void SetFormStyle(TFormStyle style);
    TWindowState WindowState() const { return m_windowState; }
    void SetWindowState(TWindowState state);

    // The control that has (or gets, when the form is next activated) the focus.
    TWinControl* ActiveControl() const { return m_activeControl; }
    void SetActiveControl(TWinControl* control);
    // Whether the form's window is the active window.
    bool Active() const { return m_active; }

    void Show();
    void Hide() { SetVisible(false); }
    // Shows the form and runs a nested message loop until ModalResult becomes non-zero (or the
    // application terminates: mrCancel). Other forms are disabled meanwhile. Raises
    // EInvalidOperation for a visible, disabled or already modal form.
    TModalResult ShowModal();
    bool Modal() const { return m_modal; }
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }
    // A modal form gets ModalResult mrCancel; otherwise, when OnCloseQuery agrees, OnClose may
    // change the action (caHide; the main form's close ends the application).
    void Close();
    bool CloseQuery();
    // Frees the form once the messages already queued are handled.
    void Release();

    // Forgets references to a control leaving the form.
    void ControlRemoved(TControl& control);

    // The main menu, shown as a bar in the frame above the client area; the client size stays
    // as it was when the menu comes or goes.
    TMainMenu* Menu() const { return m_menu; }
    void SetMenu(TMainMenu* menu);
    // A key message on its way to the focused control (key down or up): a shortcut of an enabled
    // item of the main menu or of a popup menu the form owns clicks that item; F10 and a lone
    // Alt open the menu bar. True when a menu took the key.
    bool IsShortCut(const TMessage& key);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    // Closing from the frame or the window manager: Close.
    virtual void WMClose(TMessage& message);
    virtual void WMActivate(TMessage& message);
    // Minimise, maximise and restore set the window state; other commands go to the default.
    virtual void WMSysCommand(TMessage& message);
    // Shows or hides the top-level window (OnShow, OnHide).
    void CMVisibleChanged(TMessage& message) override;
    // Alt+letter opens the menu bar's item with that accelerator first.
    void CMDialogChar(TMessage& message) override;
    // Tab and the arrows move the focus; other keys are offered to the controls.
    void CMDialogKey(TMessage& message) override;
    void PaintWindow(TDeviceContext& dc) override;
    void Loaded() override;
    void Notification(TComponent& component, TOperation operation) override;
    virtual void DoShow();
    virtual void DoHide();
    virtual void Activate();
    virtual void Deactivate();
    virtual void DoClose(TCloseAction& action);

private:
    void ApplyFrame();
    void ApplyPosition();
    void ShowingChanged();
    void FocusOnActivation();
    bool DialogKeyPressed(uint16_t key);
    // Carries out a window-menu command; false for one the form leaves to the default.
    bool SysCommand(WPARAM command);
    void CloseModal();

    TFormBorderStyle m_borderStyle = TFormBorderStyle::bsSizeable;
    TBorderIcons m_borderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                               TBorderIcon::biMaximize};
    TPosition m_position = TPosition::poDesigned;
    TFormStyle m_formStyle = TFormStyle::fsNormal;
    TWindowState m_windowState = TWindowState::wsNormal;
    TRect m_normalBounds;
    TWinControl* m_activeControl = nullptr;
    bool m_active = false;
    bool m_modal = false;
    bool m_positioned = false;
    bool m_created = false;
    TModalResult m_modalResult = mrNone;
    TMainMenu* m_menu = nullptr;
    std::unique_ptr<TMenuBar> m_menuBar;
};

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
    std::string ClassName() const override { return "TForm"; }
};

} // namespace brisat
