// The caret: one blinking block per program, owned by a window and placed in its client area.
// It is drawn over the window's pixels when they are presented (inverted), never into the back
// buffer, so painting and the caret cannot disturb each other. Created hidden: ShowCaret and
// HideCaret nest as the platform's do. GUI thread only.
#pragma once

#include "framework/windowing/messages.h"

namespace brisat {

// Replaces any caret (of any window) with a Width × Height one for Hwnd.
bool CreateCaret(HWND hwnd, int32_t width, int32_t height);
bool DestroyCaret();
// Client coordinates of the owner window.
bool SetCaretPos(int32_t x, int32_t y);
TPoint GetCaretPos();
// False when Hwnd (0: any) does not own the caret.
bool ShowCaret(HWND hwnd);
bool HideCaret(HWND hwnd);
// Milliseconds between the caret's on and off phases.
uint32_t GetCaretBlinkTime();

} // namespace brisat
