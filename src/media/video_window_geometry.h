// Rectangles of the video window: where the picture goes in the control (letter-box fit) and
// which part of the decoded picture is shown (digital zoom, cropping to fill).
#pragma once

#include "framework/core/types.h"
#include "media/platform/video_renderer.h"

namespace brisat {

// The largest rectangle of Aspect's proportions centred in Dest. An empty Aspect leaves Dest as
// it is. Example: Dest 452 × 261, aspect 4 : 3 → (52, 0, 400, 261).
TRect FitRectToAspect(const TRect& dest, const TRect& aspect);

// The source rectangle of a picture Width × Height with Zoom percent (0..99) of its width cut
// away, centred, keeping the picture's proportions. 640 × 480 at 10 → 576 × 432 at (32, 24).
TSourceRect ZoomSourceRect(long width, long height, int zoom);

// The centred part of Source that fills a DestWidth × DestHeight area without distortion, for a
// picture Width × Height whose display aspect is AspectX : AspectY (cropping mode).
TSourceRect CropSourceRect(const TSourceRect& source, long width, long height, long aspectX,
                           long aspectY, int32_t destWidth, int32_t destHeight);

} // namespace brisat
