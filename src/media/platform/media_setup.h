// One-time start of GStreamer and in-process registration of our own elements. Safe to call from
// any thread, any number of times.
#pragma once

namespace brisat {

void EnsureMediaElements();

} // namespace brisat
