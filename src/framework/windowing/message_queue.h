// The GUI thread's one message queue: posted messages first, in order; then the next input
// event, turned into mouse and keyboard messages only now, so it meets the state the messages
// before it left (for the window under the pointer or the capture window, and the focus
// window); then the quit request; then a paint for each window with something to repaint; then
// due timers, as the platform orders them.
#pragma once

#include "framework/windowing/messages.h"

#include <functional>

namespace brisat {

// Queues a message for Hwnd (0: the thread itself, seen only by PeekMessage/GetMessage) and
// wakes the loop. The only call that is safe from any thread. A message for a window destroyed
// before it is dispatched is dropped.
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Feeds a button press (Down: WM_LBUTTONDOWN, WM_RBUTTONDOWN or WM_MBUTTONDOWN) back in as
// input at a screen point, for the window under that point now: a menu that closes on a click
// outside it lets the click through this way.
void ReplayButtonPress(UINT down, TPoint screen);
// Asks the loop to end: GetMessage returns false once nothing posted before is left.
void PostQuitMessage(int exitCode);

inline constexpr uint32_t PM_NOREMOVE = 0, PM_REMOVE = 1;
// The next message for Hwnd (0: any) whose number lies in Min..Max (both 0: any); false when
// there is none right now. Never waits.
bool PeekMessage(TMsg& msg, HWND hwnd, UINT min, UINT max, uint32_t remove);
// Waits for the next message; false when it is WM_QUIT.
bool GetMessage(TMsg& msg, HWND hwnd = 0, UINT min = 0, UINT max = 0);
// Sleeps until an event arrives or the next timer is due; never spins.
void WaitMessage();
// Sends the message to its window; a queued WM_PAINT paints the whole top-level window and a
// WM_TIMER of a timer with a procedure calls the procedure.
LRESULT DispatchMessage(const TMsg& msg);
// The exit code of the last WM_QUIT retrieved.
int ExitCode();

// Timers: WM_TIMER to Hwnd with the id in WParam every Elapse ms (at least 10), or a call of
// Proc. With Hwnd 0 the id is chosen and returned. Setting an existing timer restarts it.
using TTimerProc = std::function<void(HWND, UINT id)>;
UINT SetTimer(HWND hwnd, UINT id, uint32_t elapseMs, TTimerProc proc = {});
bool KillTimer(HWND hwnd, UINT id);

// Key state as of the message being processed: negative while the key is down.
int16_t GetKeyState(uint32_t key);
// The screen position of the pointer.
TPoint GetCursorPos();
uint32_t GetTickCount32();

} // namespace brisat

namespace brisat {

// Drops every queued message, the quit request, the timers and the input state; for the end
// of a run (and between runs on the headless platform).
void ClearMessageQueue();

} // namespace brisat
