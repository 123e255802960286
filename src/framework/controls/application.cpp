#include "framework/controls/application.h"

#include "framework/controls/control_classes.h"
#include "framework/controls/screen.h"
#include "framework/core/store_if_changed.h"

#include <iostream>

namespace brisat {

TApplication* Application = nullptr;

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
    Application = this;
    m_hintWindowClass = [] { return std::make_unique<THintWindow>(nullptr); };
    RegisterControlClasses();
}

TApplication::~TApplication() {
    CancelHint();
    m_hintWindow.reset();
    DestroyComponents();
    ClearMessageQueue();
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
    RegisterControlClasses();
}

void TApplication::FormCreated(TCustomForm& form) {
    if (!m_mainForm) m_mainForm = &form;
    form.AfterConstruction();
}

void TApplication::Run() {
    if (m_mainForm && !m_terminated) m_mainForm->Show();
    while (!m_terminated) {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(*this);
        }
    }
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void TApplication::HandleMessage() {
    if (!ProcessMessage()) Idle();
}

void TApplication::Idle() {
    bool done = true;
    if (OnIdle) {
        try {
            OnIdle(*this, done);
        } catch (...) {
            HandleException(*this);
        }
    }
    if (done && !m_terminated) WaitMessage();
}

bool TApplication::ProcessMessage() {
    TMsg msg;
    if (!PeekMessage(msg, 0, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        m_terminated = true;
        return true;
    }
    HandleTakenMessage(msg);
    return true;
}

void TApplication::HandleTakenMessage(TMsg& msg) {
    bool handled = false;
    if (OnMessage) OnMessage(msg, handled);
    if (!handled) Dispatch(msg);
}

void TApplication::Dispatch(TMsg& msg) {
    try {
        TrackHint(msg);
        if (msg.message == CM_RELEASE) {
            if (auto* form = dynamic_cast<TCustomForm*>(FindControl(msg.hwnd))) {
                if (form->Owner())
                    form->Free();
                else
                    form->Hide();
            }
            return;
        }
        DispatchMessage(msg);
    } catch (...) {
        HandleException(*this);
    }
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

void TApplication::HandleException(TComponent& sender) {
    try {
        throw;
    } catch (const std::exception& e) {
        if (OnException)
            OnException(sender, e);
        else
            ShowException(e);
    } catch (...) {
        const std::runtime_error unknown("Unknown exception");
        if (OnException)
            OnException(sender, unknown);
        else
            ShowException(unknown);
    }
}

void TApplication::ShowException(const std::exception& e) {
    std::string text = e.what();
    if (!text.empty() && text.back() != '.') text += '.';
    MessageBox(text, m_title, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
    if (m_messageBox) return m_messageBox(text, caption, flags);
    std::cerr << caption << ": " << text << '\n';
    const uint32_t buttons = flags & 0xF;
    return buttons == MB_OKCANCEL ? IDCANCEL : buttons == MB_YESNO ? IDNO : IDOK;
}

void TApplication::Minimize() {
    if (m_minimized) return;
    m_minimized = true;
    for (HWND top : GetTopLevelWindows())
        if (IsWindowVisible(top)) {
            m_minimizedWindows.push_back(top);
            ShowWindow(top, SW_HIDE);
        }
    if (OnMinimize) OnMinimize(*this);
}

void TApplication::Restore() {
    if (!m_minimized) return;
    m_minimized = false;
    for (auto it = m_minimizedWindows.rbegin(); it != m_minimizedWindows.rend(); ++it)
        if (IsWindow(*it)) ShowWindow(*it, SW_SHOWNA);
    m_minimizedWindows.clear();
    if (m_mainForm && m_mainForm->Visible()) SetActiveWindow(m_mainForm->Handle());
    if (OnRestore) OnRestore(*this);
}

void TApplication::SetShowHint(bool on) {
    if (!StoreIfChanged(m_showHint, on)) return;
    // Switching hints off drops the hint window; switching them on makes a new one of the
    // current class, so a changed class takes effect.
    CancelHint();
    m_hintWindow.reset();
    if (on && m_hintWindowClass) m_hintWindow = m_hintWindowClass();
}

void TApplication::SetHintWindowClass(THintWindowClass factory) {
    CancelHint();
    m_hintWindow.reset();
    m_hintWindowClass = std::move(factory);
}

void TApplication::CancelHint() {
    if (m_hintTimer) KillTimer(0, m_hintTimer);
    m_hintTimer = 0;
    if (m_hintWindow) m_hintWindow->ReleaseHandle();
}

void TApplication::TrackHint(const TMsg& msg) {
    if (msg.message == WM_MOUSELEAVE) {
        CancelHint();
        m_hintControl = nullptr;
        return;
    }
    if ((msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MBUTTONDBLCLK) ||
        msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        CancelHint();
        return;
    }
    if (msg.message != WM_MOUSEMOVE) return;
    TControl* control = FindControl(msg.hwnd);
    if (!control) return;
    if (auto* w = dynamic_cast<TWinControl*>(control))
        if (TControl* child =
                w->ControlAtPos(LParamToPoint(msg.lParam), TDisabledControls::Include);
            child && !dynamic_cast<TWinControl*>(child))
            control = child;
    if (control == m_hintControl) return;
    CancelHint();
    m_hintControl = control;
    if (!m_showHint || !control->ShowHint() || control->Hint().empty()) return;
    m_hintTimer = SetTimer(0, 0, m_hintPause, [this](HWND, UINT) {
        CancelHint();
        if (m_hintControl) ShowHintFor(*m_hintControl);
    });
}

void TApplication::ShowHintFor(TControl& control) {
    if (!m_hintWindow && m_hintWindowClass) m_hintWindow = m_hintWindowClass();
    if (!m_hintWindow) return;
    const TPoint cursor = GetCursorPos();
    TRect r = m_hintWindow->CalcHintRect(Screen().Width(), control.Hint());
    // Below the pointer, kept on its monitor's work area.
    r = OffsetRect(r, cursor.X, cursor.Y + 20);
    const TRect area = Screen().MonitorFromPoint(cursor).WorkareaRect();
    if (r.Right > area.Right) r = OffsetRect(r, area.Right - r.Right, 0);
    if (r.Bottom > area.Bottom) r = OffsetRect(r, 0, cursor.Y - 4 - r.Bottom);
    if (r.Left < area.Left) r = OffsetRect(r, area.Left - r.Left, 0);
    if (r.Top < area.Top) r = OffsetRect(r, 0, area.Top - r.Top);
    m_hintWindow->ActivateHint(r, control.Hint());
    m_hintTimer = SetTimer(0, 0, m_hintHidePause, [this](HWND, UINT) { CancelHint(); });
}

void TApplication::ControlDestroyed(TControl& control) {
    if (m_hintControl == &control) {
        CancelHint();
        m_hintControl = nullptr;
    }
}

void TApplication::FormDestroyed(TCustomForm& form) {
    if (m_mainForm == &form) m_mainForm = nullptr;
}

} // namespace brisat
