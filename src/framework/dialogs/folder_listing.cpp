#include "framework/dialogs/folder_listing.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace brisat {
namespace {

namespace fs = std::filesystem;

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) < lower(y);
    });
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    return home && *home == '/' ? home : "/";
}

// Resolves "." and ".." by name in an absolute path.
std::string Normalise(const std::string& path) {
    std::vector<std::string_view> parts;
    std::string_view rest = path;
    while (!rest.empty()) {
        const size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? "" : rest.substr(slash + 1);
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else {
            parts.push_back(part);
        }
    }
    std::string result;
    for (std::string_view part : parts)
        (result += '/') += part;
    return result.empty() ? "/" : result;
}

bool HasExtension(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot != std::string::npos && dot > 0 && dot + 1 < name.size();
}

// The full path of one typed file name, or an error message.
bool ResolveFile(const std::string& folder, const std::string& name, const TTypedNameRules& rules,
                 TTypedName& result) {
    std::string path = JoinPath(folder, name);
    if (FolderExists(path)) {
        result.Error = path + " is a folder.";
        return false;
    }
    if (!rules.DefaultExt.empty() && !HasExtension(FileNameOf(path)) && !FileExists(path))
        path += "." + rules.DefaultExt;
    if (rules.PathMustExist && !FolderExists(ParentFolder(path))) {
        result.Error = "The folder " + ParentFolder(path) + " does not exist.";
        return false;
    }
    if (rules.FileMustExist && !FileExists(path)) {
        result.Error = "File not found: " + path;
        return false;
    }
    result.Files.push_back(std::move(path));
    return true;
}

} // namespace

TFolderListing ListFolder(const std::string& folder, const TFileFilter* filter) {
    TFolderListing listing;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) {
        listing.Error = "Cannot read " + folder + ": " + error.message();
        return listing;
    }
    std::vector<std::string> folders, files;
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        std::error_code statError;
        if (it->is_directory(statError))
            folders.push_back(std::move(name));
        else if (!statError && (!filter || MatchesFilter(*filter, name)))
            files.push_back(std::move(name));
    }
    std::sort(folders.begin(), folders.end(), LessIgnoringCase);
    std::sort(files.begin(), files.end(), LessIgnoringCase);
    for (std::string& name : folders)
        listing.Entries.push_back({std::move(name), true});
    for (std::string& name : files)
        listing.Entries.push_back({std::move(name), false});
    return listing;
}

std::vector<std::string> TypedNames(const std::string& text, const TTypedNameRules& rules) {
    if (!rules.Multiple || text.find('"') == std::string::npos) {
        const size_t first = text.find_first_not_of(' ');
        if (first == std::string::npos) return {};
        return {text.substr(first, text.find_last_not_of(' ') - first + 1)};
    }
    std::vector<std::string> names;
    size_t at = text.find('"');
    while (at != std::string::npos) {
        const size_t close = text.find('"', at + 1);
        std::string name = text.substr(at + 1, close == std::string::npos ? close : close - at - 1);
        if (!name.empty()) names.push_back(std::move(name));
        at = close == std::string::npos ? close : text.find('"', close + 1);
    }
    return names;
}

std::string QuoteNames(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "\"" : " \"") + name + "\"";
    return text;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (name.starts_with('/')) return Normalise(name);
    if (name == "~" || name.starts_with("~/")) return Normalise(HomeFolder() + name.substr(1));
    return Normalise(folder + "/" + name);
}

std::string ParentFolder(const std::string& path) {
    return Normalise(path + "/..");
}

std::string FileNameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

bool FolderExists(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool FileExists(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && fs::exists(status) && !fs::is_directory(status);
}

TTypedName ResolveTypedName(const std::string& folder, const std::string& text,
                            const TTypedNameRules& rules) {
    TTypedName result;
    const std::vector<std::string> names = TypedNames(text, rules);
    if (names.empty()) return result;
    if (names.size() == 1) {
        const std::string path = JoinPath(folder, names[0]);
        if (FolderExists(path)) {
            result.Kind = TTypedName::TKind::Folder;
            result.Folder = path;
            return result;
        }
        if (IsGlob(FileNameOf(path))) {
            result.Kind = FolderExists(ParentFolder(path)) ? TTypedName::TKind::Pattern
                                                           : TTypedName::TKind::Error;
            result.Folder = ParentFolder(path);
            result.Pattern = FileNameOf(path);
            if (result.Kind == TTypedName::TKind::Error)
                result.Error = "The folder " + result.Folder + " does not exist.";
            return result;
        }
    }
    for (const std::string& name : names)
        if (!ResolveFile(folder, name, rules, result)) {
            result.Kind = TTypedName::TKind::Error;
            result.Files.clear();
            return result;
        }
    result.Kind = TTypedName::TKind::Files;
    return result;
}

} // namespace brisat
