// Files and addresses dropped on the main window from a file manager or a browser: those the
// player can open join the playlist in the order they came, and when they land on the video the
// first of them plays at once. Other addresses (a scheme no source element reads) are left out.
// GUI thread only.
#pragma once

#include "framework/windowing/drop_files.h"

#include <string>
#include <vector>

namespace brisat {

class TfrmMain;

// Of the dropped entries, those the player may open: local paths, and addresses of Schemes.
std::vector<std::string> OpenableDrops(const std::vector<std::string>& files,
                                       const std::vector<std::string>& schemes);

// The main window's WM_DROPFILES: takes the drop and lets it go.
void TakeDroppedFiles(TfrmMain& form, HDROP drop);

} // namespace brisat
