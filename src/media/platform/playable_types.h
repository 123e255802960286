// The media file types this machine can play, asked of GStreamer's registry at run time, so a
// file dialog offers what the installed plugins take and no more.
#pragma once

#include <string>
#include <vector>

namespace brisat {

struct TPlayableType {
    std::string Description;             // "Matroska", "WAV"
    bool Video = false;                  // a video or container type, else audio
    std::vector<std::string> Extensions; // lower case, without the dot, no duplicates
};

// Every audio, video or container type that GStreamer recognises by content and gives file
// extensions for, when a demuxer, parser or decoder installed here takes it; types of the same
// description are merged. Sorted by description.
std::vector<TPlayableType> PlayableMediaTypes();

} // namespace brisat
