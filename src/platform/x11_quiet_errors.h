// X connections of the program's own whose errors are expected (a window named by a peer may be
// gone between two requests) and must not end the program, as Xlib's default handler would;
// any other connection's errors go to the handler installed before.
#pragma once

struct _XDisplay;

namespace brisat {

// Installs the handler; call once on the GUI thread, outside any X error trap, before the first
// ListQuietDisplay.
void PrepareQuietXErrors();
// Any thread.
void ListQuietDisplay(_XDisplay* display);
void UnlistQuietDisplay(_XDisplay* display);

} // namespace brisat
