// How many threads a software video decoder gets. Frame threading keeps one picture in flight per
// thread (at 1080p, 3 MB each, plus a reference set per thread) for speed that a stream up to
// HD at 30 frames a second does not need: one core decodes it several times over. Larger or
// faster streams keep the decoder's own choice.
#pragma once

#include <gst/gst.h>

namespace brisat {

// The decoder's "max-threads" for a Width × Height stream at Frames/Seconds per second (0/x when
// unknown): 1, or 0 for the decoder's own choice.
int DecoderThreadsFor(int width, int height, int frames, int seconds);

// Sets the thread count of every video decoder that Bin (a decode bin) adds, from the caps the
// decoder is opened with.
void LimitDecoderThreads(GstElement* bin);

} // namespace brisat
