#include "platform/platform.h"

#include "platform/png_file.h"

#include <stdexcept>

namespace brisat {
namespace {

std::unique_ptr<IPlatform>& Installed() {
    static std::unique_ptr<IPlatform> platform;
    return platform;
}

} // namespace

IPlatform& Platform() {
    if (!Installed()) throw std::logic_error("no platform installed");
    return *Installed();
}

bool HasPlatform() {
    return bool(Installed());
}

std::unique_ptr<IPlatform> SetPlatform(std::unique_ptr<IPlatform> platform) {
    std::swap(platform, Installed());
    return platform;
}

void CaptureWindowToPng(IPlatformWindow& window, const std::string& fileName) {
    const TCapturedPixels shot = window.Capture();
    WritePngFile(fileName, shot.Pixels.data(), shot.Width, shot.Height, shot.Width,
                 TPngAlpha::Drop);
}

} // namespace brisat
