// An icon in the desktop's notification area. Made by the platform (IPlatform::CreateTrayIcon);
// what the user does with it comes back as platform events carrying the icon's id: TrayActivate,
// TrayContextMenu and TrayLost. GUI thread only.
#pragma once

#include "platform/pixel_image.h"

#include <string>
#include <vector>

namespace brisat {

// The longest tooltip the icon keeps, in characters.
inline constexpr size_t TrayTipLength = 63;

class ITrayIcon {
public:
    virtual ~ITrayIcon() = default;
    // Shows the icon, or changes what a shown icon looks like. Images are one picture in
    // several sizes (0xAARRGGBB, straight alpha); the desktop picks the size it needs. The tip
    // keeps its first TrayTipLength characters.
    virtual void Show(const std::vector<TPixelImage>& images, const std::string& tip) = 0;
    // Removes the icon from the notification area; Show brings it back.
    virtual void Hide() = 0;
};

// Text's first TrayTipLength characters (UTF-8, never cut inside a character).
std::string TrayTip(const std::string& text);

} // namespace brisat
