// Translation of bus messages into graph events: the one table of which GStreamer message becomes
// which event code with which parameters. Runs on the thread that posted the message.
#pragma once

#include "media/platform/media_event_queue.h"

#include <gst/gst.h>

namespace brisat {

// What the translation needs to know about the graph.
struct TBusContext {
    GstElement* Pipeline = nullptr;
    bool PauseRequested = false; // a Pause call waits for its completion event
    int* Buffering = nullptr;    // last buffering state sent (0 or 1), -1 before the first
};

// Fills `event` and says whether (and how) to queue it. ERROR gives EC_ERRORABORT with the result
// code as Param1 and GStreamer's message as Detail.
TEventPosting TranslateBusMessage(GstMessage* message, const TBusContext& context,
                                  TMediaEvent& event);

} // namespace brisat
