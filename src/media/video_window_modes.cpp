// The video window's display modes (full screen and back), cursor hiding and screen-saver
// suppression.
#include "framework/controls/application.h"
#include "framework/core/exceptions.h"
#include "framework/core/store_if_changed.h"
#include "framework/windowing/window_handle.h"
#include "framework/windowing/message_queue.h"
#include "framework/controls/screen.h"
#include "media/video_window.h"
#include "platform/screen_saver_inhibitor.h"

#include <stdexcept>
#include <string>

namespace brisat {

void TDSVideoWindowEx2::StartFullScreen() {
    StartFullScreen(-1);
}

void TDSVideoWindowEx2::StartFullScreen(int monitor) {
    if (m_fullScreen || !m_fullScreenForm) return;
    if (m_desktopPlayback) NormalPlayback();
    const TMonitor target = TargetMonitor(monitor);
    m_fullScreenForm->SetFormStyle(m_fullScreenTopMost ? TFormStyle::fsStayOnTop
                                                       : TFormStyle::fsNormal);
    MoveIntoFullScreenForm(target);
    m_fullScreen = true;
    AttachRendererWindow();
    if (m_overlayActive) RefreshColorKey();
}

void TDSVideoWindowEx2::StartDesktopPlayback() {
    StartDesktopPlayback(-1);
}

// The form is not hidden, as the key-coloured desktop would show the picture through a
// hardware overlay: the form itself, in the desktop layer under every window, shows it.
void TDSVideoWindowEx2::StartDesktopPlayback(int monitor) {
    if (m_desktopPlayback || !m_fullScreenForm) return;
    try {
        m_savedDesktop = Platform().PaintDesktop(KeyPixel());
    } catch (const std::runtime_error& e) {
        throw Exception(std::string("The video cannot be shown on the desktop: ") + e.what());
    }
    if (m_fullScreen) NormalPlayback();
    const TMonitor target = TargetMonitor(monitor);
    m_fullScreenForm->SetFormStyle(TFormStyle::fsNormal);
    m_fullScreenForm->HandleNeeded();
    if (IPlatformWindow* native = GetNativeWindow(m_fullScreenForm->Handle()))
        native->SetDesktopLayer(true);
    MoveIntoFullScreenForm(target);
    m_desktopPlayback = true;
    AttachRendererWindow();
    if (m_overlayActive) RefreshColorKey();
    m_overlayVisible = false;
    RefreshVideoWindow();
    if (OnOverlayVisible) OnOverlayVisible(*this, false);
}

TMonitor TDSVideoWindowEx2::TargetMonitor(int monitor) {
    TScreen& screen = Screen();
    return monitor >= 0 && monitor < screen.MonitorCount()
               ? screen.Monitors(monitor)
               : screen.MonitorFromWindow(HandleAllocated() ? Handle() : 0);
}

void TDSVideoWindowEx2::MoveIntoFullScreenForm(const TMonitor& monitor) {
    m_savedParent = Parent();
    if (m_savedParent) FreeNotification(*m_savedParent);
    SetParent(m_fullScreenForm.get());
    m_fullScreenForm->SetBoundsRect(monitor.BoundsRect());
    m_fullScreenForm->Show();
}

// The desktop as it was, the form out of the desktop layer and hidden.
void TDSVideoWindowEx2::LeaveDesktop() {
    m_desktopPlayback = false;
    if (m_savedDesktop) m_savedDesktop->Restore();
    m_savedDesktop.reset();
    m_fullScreenForm->Hide();
    if (m_fullScreenForm->HandleAllocated())
        if (IPlatformWindow* native = GetNativeWindow(m_fullScreenForm->Handle()))
            native->SetDesktopLayer(false);
}

void TDSVideoWindowEx2::NormalPlayback() {
    if (m_desktopPlayback) {
        LeaveDesktop();
        if (Destroying()) return;
    }
    if (TWinControl* parent = std::exchange(m_savedParent, nullptr)) {
        RemoveFreeNotification(*parent);
        SetParent(parent);
    }
    if (m_fullScreen) {
        m_fullScreenForm->Hide();
        m_fullScreenForm->Invalidate();
        m_fullScreen = false;
    }
    AttachRendererWindow();
    if (m_overlayActive) RefreshColorKey();
    m_overlayVisible = true;
    RefreshVideoWindow();
    if (OnOverlayVisible) OnOverlayVisible(*this, true);
}

// --- cursor --------------------------------------------------------------------------------------

void TDSVideoWindowEx2::AutoHideCursorIdle(bool& done) {
    done = true;
    if (m_autoHideCursor == 0 || Designing() || !m_rendererVideoWindow ||
        GetTickCount32() - m_lastMouseTick < uint32_t(m_autoHideCursor) || Cursor() == crNone)
        return;
    m_savedCursor = Cursor();
    SetCursor(crNone);
    // The pointer's shape follows at once, not at the next movement.
    if (HandleAllocated()) SendMessage(Handle(), WM_SETCURSOR, WPARAM(Handle()), HTCLIENT);
    if (OnCursorShowHide) OnCursorShowHide(*this, false);
}

void TDSVideoWindowEx2::ShowCursorAgain() {
    m_lastMouseTick = GetTickCount32();
    if (!m_rendererVideoWindow || Cursor() != crNone) return;
    SetCursor(m_savedCursor);
    if (HandleAllocated()) SendMessage(Handle(), WM_SETCURSOR, WPARAM(Handle()), HTCLIENT);
    if (OnCursorShowHide) OnCursorShowHide(*this, true);
}

TPoint TDSVideoWindowEx2::EventPosition(int32_t x, int32_t y) const {
    return m_fullScreen ? GetCursorPos() : TPoint{x, y};
}

void TDSVideoWindowEx2::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    const TPoint p = EventPosition(x, y);
    m_lastMousePos = p;
    ShowCursorAgain();
    TCustomControl::MouseDown(button, shift, p.X, p.Y);
}

void TDSVideoWindowEx2::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    const TPoint p = EventPosition(x, y);
    m_lastMousePos = p;
    ShowCursorAgain();
    TCustomControl::MouseUp(button, shift, p.X, p.Y);
}

void TDSVideoWindowEx2::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    const TPoint p = EventPosition(x, y);
    // A move message that leaves the pointer where it was is no activity.
    if (StoreIfChanged(m_lastMousePos, p)) ShowCursorAgain();
    TCustomControl::MouseMove(shift, p.X, p.Y);
}

// --- messages and the screen saver ---------------------------------------------------------------

// The display modes' part of the window procedure; true when the message was answered.
bool TDSVideoWindowEx2::ModeMessage(TMessage& m) {
    if (m.Msg == WM_CONTEXTMENU && m_fullScreen) {
        if (auto* menu = dynamic_cast<IPopupSource*>(PopupMenu())) {
            const TPoint at = GetCursorPos();
            menu->Popup(at.X, at.Y);
            m.Result = 1;
            return true;
        }
    }
    if (m.Msg == WM_SYSCOMMAND && m_noScreenSaver &&
        ((m.WParam & 0xFFF0) == SC_SCREENSAVE || (m.WParam & 0xFFF0) == SC_MONITORPOWER)) {
        m.Result = 0;
        return true;
    }
    return false;
}

// Linux sends no screen-saver commands to windows; the desktop's and the X server's screen
// savers are held off while the video plays instead.
void TDSVideoWindowEx2::HoldScreenSaver() {
    if (!m_noScreenSaver || Designing()) return ReleaseScreenSaver();
    if (!m_screenSaver) m_screenSaver = std::make_unique<TScreenSaverInhibitor>();
    m_screenSaver->Inhibit();
}

void TDSVideoWindowEx2::ReleaseScreenSaver() {
    if (m_screenSaver) m_screenSaver->Release();
}

} // namespace brisat
