// One playlist record: a media file's name and folder.
#pragma once

#include <string>
#include <string_view>

namespace brisat {

struct TPlayListItem {
    std::string FileName; // name and extension, no folder
    std::string Folder;   // the path up to and including its last "/"; empty for a bare name
};

// Splits a path at its last "/". Backslashes and colons are ordinary characters in file names
// here ("clip:1.avi"), so they never split.
TPlayListItem MakePlayListItem(std::string_view path);
// Folder, a "/" unless the folder is empty or already ends in one, and the file name.
std::string PlayListItemPath(const TPlayListItem& item);

} // namespace brisat
