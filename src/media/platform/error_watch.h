// Sees every error message as an element posts it, before any bin handles it. Decoding bins hold
// back the errors of elements they are still trying out and sometimes drop them (a demuxer that
// fails at once while being tried), which would leave RenderFile waiting for nothing; the graph
// takes such an error as the reason when nothing else happens after it.
//
// Threads: the hook runs on whichever thread posts the error.
#pragma once

#include <gst/gst.h>

namespace brisat {

class TMediaPipeline;

// Installs the process-wide hook (once) and ties `pipeline` to `graph`; nullptr unties it.
void WatchPostedErrors(GstElement* pipeline, TMediaPipeline* graph);

} // namespace brisat
