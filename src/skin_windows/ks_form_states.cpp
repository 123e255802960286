// TKsCustomForm's window states: maximize, minimize, roll up, tray and the way back, closing,
// and the link to the application's minimize and restore.
#include "skin_windows/ks_form_runtime.h"

#include "framework/controls/application.h"
#include "framework/controls/win_control.h"
#include "framework/windowing/window_handle.h"
#include "skin_windows/ks_custom_menu_bar.h"

#include <algorithm>

namespace brisat {

namespace {

// The application's minimize, restore and message handlers, chained once for every form.
struct TApplicationLink {
    TApplication* App = nullptr;
    TNotifyEvent PreviousMinimize;
    TNotifyEvent PreviousRestore;
    TApplication::TMessageEvent PreviousMessage;
    std::vector<TKsCustomForm*> Forms;
};

TApplicationLink& Link() {
    static TApplicationLink link;
    return link;
}

bool IsModal(TKsCustomForm& form) {
    return form.Form() && form.Form()->Modal();
}

} // namespace

void TKsCustomForm::HookApplication() {
    TApplicationLink& link = Link();
    if (!Application) return;
    if (link.App != Application) {
        link = {};
        link.App = Application;
        link.PreviousMinimize = Application->OnMinimize;
        link.PreviousRestore = Application->OnRestore;
        link.PreviousMessage = Application->OnMessage;
        Application->OnMinimize = [](TComponent& sender) {
            for (TKsCustomForm* form : std::vector(Link().Forms))
                form->ApplicationMinimized();
            if (Link().PreviousMinimize) Link().PreviousMinimize(sender);
        };
        Application->OnRestore = [](TComponent& sender) {
            for (TKsCustomForm* form : std::vector(Link().Forms))
                form->ApplicationRestored();
            if (Link().PreviousRestore) Link().PreviousRestore(sender);
        };
        Application->OnMessage = [](TMsg& msg, bool& handled) {
            for (TKsCustomForm* form : std::vector(Link().Forms))
                if (!handled) handled = form->OfferShortCut(msg);
            if (!handled && Link().PreviousMessage) Link().PreviousMessage(msg, handled);
        };
    }
    if (std::find(link.Forms.begin(), link.Forms.end(), this) == link.Forms.end())
        link.Forms.push_back(this);
}

void TKsCustomForm::UnhookApplication() {
    TApplicationLink& link = Link();
    std::erase(link.Forms, this);
    if (!link.Forms.empty() || !link.App) return;
    if (link.App == Application) {
        Application->OnMinimize = link.PreviousMinimize;
        Application->OnRestore = link.PreviousRestore;
        Application->OnMessage = link.PreviousMessage;
    }
    link = {};
}

void TKsCustomForm::ApplicationMinimized() {
    if (!m_minimizeApplication || m_windowState == TKsWindowState::kwsMinimized || m_windowState == TKsWindowState::kwsTray)
        return;
    SaveRestoreRect();
    m_previousState = m_windowState;
    m_windowState = TKsWindowState::kwsMinimized;
}

void TKsCustomForm::ApplicationRestored() {
    if (!m_minimizeApplication || m_windowState != TKsWindowState::kwsMinimized) return;
    Restore();
    PaintNonClient();
}

// A key on its way to a control of this window goes to the menu bar's shortcuts first.
bool TKsCustomForm::OfferShortCut(const TMsg& msg) {
    if (!m_menuBar || !Active() || !Control() || !Control()->HandleAllocated()) return false;
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    if (GetTopLevelWindow(msg.hwnd) != Hwnd()) return false;
    return m_menuBar->IsShortCut(TMessage{msg.message, msg.wParam, msg.lParam, 0});
}

void TKsCustomForm::SaveRestoreRect() {
    if (m_windowState != TKsWindowState::kwsNormal || !Control()) return;
    const TRect w = GetWindowRect(Hwnd());
    m_restoreRect = Bounds(w.Left, w.Top, m_size.cx, m_size.cy);
}

// Takes State with the window's bounds for it (the restore rectangle for the normal state).
void TKsCustomForm::EnterState(TKsWindowState state) {
    m_windowState = state;
    switch (state) {
    case TKsWindowState::kwsMaximized:
        TakeBounds(GetMaximizedRect());
        break;
    case TKsWindowState::kwsRollup:
        TakeBounds(GetRollupRect());
        break;
    case TKsWindowState::kwsMinimized:
        TakeBounds(GetMinimizedRect());
        break;
    default:
        if (!IsRectEmpty(m_restoreRect)) TakeBounds(m_restoreRect);
        break;
    }
    // The shadow comes or goes with the maximized state even when the size stays.
    StoreSizes(m_fullSize);
    UpdateRegion();
    RedrawWindow(Hwnd(), nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

// Leaving the current state for Target: already there, the window restores instead (false).
bool TKsCustomForm::LeaveFor(TKsWindowState target) {
    if (!Control()) return false;
    if (m_windowState == target) {
        Restore();
        return false;
    }
    SaveRestoreRect();
    m_previousState = m_windowState;
    return true;
}

void TKsCustomForm::Maximize() {
    if (LeaveFor(TKsWindowState::kwsMaximized)) EnterState(TKsWindowState::kwsMaximized);
}

void TKsCustomForm::Minimize() {
    if (IsModal(*this) || !LeaveFor(TKsWindowState::kwsMinimized)) return;
    if (m_minimizeApplication && Application) {
        m_windowState = TKsWindowState::kwsMinimized;
        Application->Minimize();
    } else {
        EnterState(TKsWindowState::kwsMinimized);
    }
}

void TKsCustomForm::RollUp() {
    if (LeaveFor(TKsWindowState::kwsRollup)) EnterState(TKsWindowState::kwsRollup);
}

void TKsCustomForm::MinimizeToTray() {
    if (IsModal(*this) || !LeaveFor(TKsWindowState::kwsTray)) return;
    m_windowState = TKsWindowState::kwsTray;
    if (m_minimizeApplication && Application)
        Application->Minimize();
    else
        ShowWindow(Hwnd(), SW_HIDE);
    if (!m_rt->Tray) m_rt->Tray = std::make_unique<TKsTrayIcon>(*this);
    m_rt->Tray->Add();
}

void TKsCustomForm::Restore() {
    if (!Control()) return;
    switch (m_windowState) {
    case TKsWindowState::kwsNormal:
        if (!IsRectEmpty(m_restoreRect)) TakeBounds(m_restoreRect);
        break;
    case TKsWindowState::kwsMaximized:
        RestoreFromMaximized();
        break;
    case TKsWindowState::kwsMinimized:
        RestoreFromMinimized();
        break;
    case TKsWindowState::kwsRollup:
        if (m_previousState == TKsWindowState::kwsMaximized ||
            GetMaximizedRect().Width() == m_size.cx) {
            m_previousState = TKsWindowState::kwsRollup;
            EnterState(TKsWindowState::kwsMaximized);
        } else {
            // The window unrolls where it now is.
            const TRect w = GetWindowRect(Hwnd());
            m_restoreRect = OffsetRect(m_restoreRect, w.Left - m_restoreRect.Left,
                                       w.Top - m_restoreRect.Top);
            EnterState(TKsWindowState::kwsNormal);
        }
        break;
    case TKsWindowState::kwsTray:
        RestoreFromTray();
        break;
    }
}

void TKsCustomForm::RestoreFromMaximized() {
    if (m_previousState == TKsWindowState::kwsMinimized) {
        if (m_minimizeApplication) return;
        EnterState(TKsWindowState::kwsNormal);
        EnterState(TKsWindowState::kwsMaximized);
    } else if (m_previousState == TKsWindowState::kwsRollup) {
        // Rolled up again from the normal bounds, as a roll-up from the normal state.
        EnterState(TKsWindowState::kwsNormal);
        m_previousState = TKsWindowState::kwsNormal;
        EnterState(TKsWindowState::kwsRollup);
    } else {
        m_previousState = TKsWindowState::kwsMaximized;
        EnterState(TKsWindowState::kwsNormal);
    }
}

// Back to the state before minimizing or the tray: maximized or rolled up (a roll-up from the
// normal bounds), else normal.
void TKsCustomForm::ReturnTo(TKsWindowState back) {
    if (back == TKsWindowState::kwsRollup) EnterState(TKsWindowState::kwsNormal);
    EnterState(back == TKsWindowState::kwsMaximized || back == TKsWindowState::kwsRollup
                   ? back
                   : TKsWindowState::kwsNormal);
}

void TKsCustomForm::RestoreFromMinimized() {
    const TKsWindowState back = m_previousState;
    m_previousState = TKsWindowState::kwsNormal;
    ReturnTo(back);
    // The state is set first: the application's restore comes back here and finds nothing to do.
    if (Application && Application->Minimized()) Application->Restore();
}

void TKsCustomForm::RestoreFromTray() {
    const TKsWindowState back = m_previousState;
    m_windowState = TKsWindowState::kwsNormal;
    if (m_rt->Tray) m_rt->Tray->Delete();
    if (m_minimizeApplication && Application && Application->Minimized())
        Application->Restore();
    else
        ShowWindow(Hwnd(), SW_SHOW);
    SetActiveWindow(Hwnd());
    m_previousState = TKsWindowState::kwsTray;
    ReturnTo(back);
}

void TKsCustomForm::Close() {
    TCustomForm* form = Form();
    if (!form) return;
    if (form->Modal()) {
        form->SetModalResult(mrCancel);
        return;
    }
    if (!form->CloseQuery()) return;
    TCloseAction action = TCloseAction::caHide;
    if (form->OnClose) form->OnClose(*form, action);
    if (action == TCloseAction::caNone) return;
    if (Application && Application->MainForm() == form) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case TCloseAction::caHide:
        form->Hide();
        break;
    case TCloseAction::caMinimize:
        Minimize();
        break;
    case TCloseAction::caFree:
        form->Release();
        break;
    default:
        break;
    }
}

void TKsCustomForm::Help() {
    SendMessage(Hwnd(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
}

} // namespace brisat
