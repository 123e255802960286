// A private X server for tests that open windows: the first call starts Xvfb and points DISPLAY
// at it; the server and SDL's video subsystem are shut down when the test program ends.
#pragma once

#include <string>

namespace brisat::test {

// Empty when the display is ready, else why not (Xvfb missing or failing to start).
std::string EnsureTestDisplay();

} // namespace brisat::test
