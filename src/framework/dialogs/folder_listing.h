// What a file dialog shows of a folder and how it moves between folders: listings with folders
// first, paths joined and normalised, and the meaning of a name typed in the dialog. Paths are
// absolute, "/"-separated and without a trailing "/" except the root itself.
#pragma once

#include "framework/dialogs/file_filter.h"

#include <optional>
#include <string>
#include <vector>

namespace brisat {

struct TFolderEntry {
    std::string Name;
    bool Folder = false;
    friend bool operator==(const TFolderEntry&, const TFolderEntry&) = default;
};

struct TFolderListing {
    std::vector<TFolderEntry> Entries;
    std::string Error; // why the folder could not be read; Entries is empty then
};

// The subfolders, then the files that match Filter (every file when it is null), each part sorted
// by name ignoring ASCII case. Names starting with "." are hidden. Entries that cannot be
// examined are left out; an unreadable folder gives an Error.
TFolderListing ListFolder(const std::string& folder, const TFileFilter* filter);

// Folder + "/" + Name, Name taken as it is when absolute; "~" at the start means the home
// folder. "." and ".." are resolved by name and ".." never climbs above the root.
std::string JoinPath(const std::string& folder, const std::string& name);
std::string ParentFolder(const std::string& path);
std::string FileNameOf(const std::string& path);
bool FolderExists(const std::string& path);
bool FileExists(const std::string& path); // anything but a folder

// What a name typed into the file-name box asks for.
struct TTypedName {
    enum class TKind { None, Folder, Pattern, Files, Error } Kind = TKind::None;
    std::string Folder;             // Folder: the folder to show; Pattern: where to apply it
    std::string Pattern;            // Pattern: the glob typed
    std::vector<std::string> Files; // Files: full paths, in the order typed
    std::string Error;              // Error: the message for the user
};

struct TTypedNameRules {
    std::string DefaultExt; // added, after a ".", to a typed file name without extension
    bool Multiple = false;  // several quoted names may be typed
    bool FileMustExist = false;
    bool PathMustExist = false;
};

// The names in Text: with Rules.Multiple and any double quote there, the quoted names (an open
// quote runs to the end); else the whole text without surrounding blanks. QuoteNames is the
// reverse.
std::vector<std::string> TypedNames(const std::string& text, const TTypedNameRules& rules);
std::string QuoteNames(const std::vector<std::string>& names);

// Text may be one name, or with Multiple several names in double quotes ("a.avi" "b.avi"). A
// single name naming a folder opens it; one with "*" or "?" filters the folder it names.
TTypedName ResolveTypedName(const std::string& folder, const std::string& text,
                            const TTypedNameRules& rules);

} // namespace brisat
