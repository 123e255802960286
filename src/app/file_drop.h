// Files and addresses dropped on the main window from a file manager or a browser: those the
// player can open join the playlist in the order they came, and when they land on the video the
// first of them plays at once; a folder brings the media files in it. Other addresses (a scheme
// no source element reads) are left out. GUI thread only.
#pragma once

#include "framework/windowing/drop_files.h"

#include <string>
#include <vector>

namespace brisat {

class TfrmMain;

// Of the dropped entries, those the player may open: local paths, and addresses of Schemes.
std::vector<std::string> OpenableDrops(const std::vector<std::string>& files,
                                       const std::vector<std::string>& schemes);

// A dropped folder stands for the files directly in it with one of Extensions (lower case, no
// dot), sorted by name, at most MaxFolderDrop of them; sub-folders are not searched. A folder with
// none of them stays as it is, so that playing it reports it by name. Other entries pass unchanged.
inline constexpr size_t MaxFolderDrop = 1000;
std::vector<std::string> ExpandDroppedFolders(const std::vector<std::string>& drops,
                                              const std::vector<std::string>& extensions);

// The main window's WM_DROPFILES: takes the drop and lets it go.
void TakeDroppedFiles(TfrmMain& form, HDROP drop);

} // namespace brisat
