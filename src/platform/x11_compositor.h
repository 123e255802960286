// Compositing managers on X: one runs on a screen while it owns the selection _NET_WM_CM_S<n> of
// that screen's number, and then shows a window of a 32-bit visual over what lies beneath by the
// alpha of its pixels. GUI thread only.
#pragma once

struct _XDisplay;
union _XEvent;

namespace brisat {

// Whether a compositing manager runs on Display's default screen now (one round trip).
bool X11CompositorRunning(_XDisplay* display);

// Asks the server to tell Display whenever the owner of the default screen's compositing
// selection changes (a compositing manager starts or ends). Returns the type of those events
// (XFixes selection notifications), or 0 when the server cannot tell.
int X11WatchCompositor(_XDisplay* display);

// Whether Event, of a Display that watches, tells of such a change (EventType from the watch).
bool X11CompositorChanged(_XDisplay* display, const _XEvent& event, int eventType);

// The id of a TrueColor visual of depth 32 on the default screen whose red, green and blue masks
// leave the top byte to alpha; 0 when the screen has none.
unsigned long X11AlphaVisual(_XDisplay* display);

} // namespace brisat
