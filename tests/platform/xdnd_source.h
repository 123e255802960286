// A drag source for tests, as a file manager is one: an X client of its own that drags data of
// some types to a screen point over the XDND protocol (version 5) and drops it there, following
// the target's XdndProxy, answering the target's request for the data, and waiting for its
// answers.
#pragma once

#include <string>
#include <vector>

namespace brisat::test {

struct TDragOffer {
    std::vector<std::string> Types = {"text/uri-list"}; // more than three go in XdndTypeList
    std::string Data;                                    // what every type converts to
    int Format = 8;                                      // of the property the data comes in
};

struct TDragResult {
    std::string Failure;     // empty when the drag went through to XdndFinished
    bool Accepted = false;   // the last XdndStatus accepted the drop
    bool Finished = false;   // XdndFinished came
    bool FinishedOk = false; // and said the drop was taken
};

// The deepest window at the screen point that announces XdndAware, 0 when none. Display names
// the X display, "" that of $DISPLAY.
unsigned long XdndAwareWindowAt(int x, int y, const std::string& display = "");

// Drags Offer to the screen point and drops it there.
TDragResult DragAndDrop(int x, int y, const TDragOffer& offer, const std::string& display = "");

} // namespace brisat::test
