// Which SDL render driver a native window draws with. Without a GPU, SDL's OpenGL drivers run
// in a software rasteriser (llvmpipe, softpipe) and cost several times SDL's own software
// renderer for the same pictures, so such machines get "software". BRISAT_RENDERER names a
// driver to use instead (one of SDL_GetRenderDriverInfo's names: software, opengl, opengles2).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brisat {

// True when an OpenGL renderer string names a rasteriser that runs on the CPU.
bool IsSoftwareRasterizer(std::string_view glRenderer);
// The driver for Override (when Available has it), else "software" when GlRenderer is a
// software rasteriser and Available has it, else "" (SDL's own first choice).
std::string PickRenderDriver(std::string_view override, const std::vector<std::string>& available,
                             std::string_view glRenderer);

// The render drivers this SDL offers. The video subsystem must be initialised.
std::vector<std::string> AvailableRenderDrivers();
// The GL_RENDERER string of a context on a hidden window, "" when OpenGL is unavailable.
std::string ProbeGlRenderer();
// True when the machine has a device OpenGL could draw on: a DRM node (/dev/dri) or NVIDIA's
// control device. Without one OpenGL can only be a software rasteriser, and probing it would load
// one (some 60 MB resident and 50 ms) just to learn that.
bool HasGpuDevice();
// What ChooseRenderDriver takes as the OpenGL renderer when there is no GPU device.
inline constexpr const char* kNoGpuRenderer = "software rasterizer (no GPU device)";
// Call before making a window drawn by Driver: SDL's software renderer then presents straight to
// X (shared memory) rather than through an OpenGL texture. SDL decides this once per process, at
// the first window, so every window of a process should use the same driver.
void PrepareRenderDriver(std::string_view driver);
// PickRenderDriver for this machine with BRISAT_RENDERER; the OpenGL probe runs once per
// process, and only when HasGpuDevice. An override SDL does not offer is reported on stderr and
// ignored. GUI thread only.
std::string ChooseRenderDriver();

} // namespace brisat
