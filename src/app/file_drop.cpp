#include "app/file_drop.h"

#include "app/main_form.h"
#include "media/platform/playable_sources.h"
#include "media/platform/playable_types.h"
#include "media/video_window.h"

#include <algorithm>
#include <filesystem>
#include <glib.h>

namespace brisat {

std::vector<std::string> OpenableDrops(const std::vector<std::string>& files,
                                       const std::vector<std::string>& schemes) {
    std::vector<std::string> openable;
    for (const std::string& file : files) {
        if (g_path_is_absolute(file.c_str())) {
            openable.push_back(file);
            continue;
        }
        gchar* scheme = g_uri_parse_scheme(file.c_str());
        if (!scheme) continue;
        gchar* lower = g_ascii_strdown(scheme, -1);
        if (std::find(schemes.begin(), schemes.end(), lower) != schemes.end())
            openable.push_back(file);
        g_free(lower);
        g_free(scheme);
    }
    return openable;
}

namespace {

bool IsFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::vector<std::string> MediaFilesIn(const std::string& folder,
                                      const std::vector<std::string>& extensions) {
    std::vector<std::string> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code notRegular;
        if (!it->is_regular_file(notRegular)) continue;
        std::string extension = it->path().extension().string();
        if (extension.empty()) continue;
        gchar* lower = g_ascii_strdown(extension.c_str() + 1, -1);
        const bool media =
            std::find(extensions.begin(), extensions.end(), lower) != extensions.end();
        g_free(lower);
        if (media) files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    if (files.size() > MaxFolderDrop) files.resize(MaxFolderDrop);
    return files;
}

// The extensions of every type the installed plugins play.
std::vector<std::string> PlayableExtensions() {
    std::vector<std::string> extensions;
    for (const TPlayableType& type : PlayableMediaTypes())
        extensions.insert(extensions.end(), type.Extensions.begin(), type.Extensions.end());
    return extensions;
}

} // namespace

std::vector<std::string> ExpandDroppedFolders(const std::vector<std::string>& drops,
                                              const std::vector<std::string>& extensions) {
    std::vector<std::string> expanded;
    for (const std::string& drop : drops) {
        std::vector<std::string> files;
        if (g_path_is_absolute(drop.c_str()) && IsFolder(drop))
            files = MediaFilesIn(drop, extensions);
        if (files.empty())
            expanded.push_back(drop);
        else
            expanded.insert(expanded.end(), files.begin(), files.end());
    }
    return expanded;
}

void TakeDroppedFiles(TfrmMain& form, HDROP drop) {
    std::vector<std::string> files = OpenableDrops(DragQueryFiles(drop), PlayableUriSchemes());
    // Asking the plugins for their types takes a moment: only for a drop with a folder in it.
    if (std::any_of(files.begin(), files.end(), IsFolder))
        files = ExpandDroppedFolders(files, PlayableExtensions());
    TPoint point;
    const bool placed = DragQueryPoint(drop, point);
    DragFinish(drop);
    if (files.empty()) return;
    const TControl& video = *form.Parts().DSVideoWindowEx1;
    const TPoint onVideo = video.ScreenToClient(form.ClientToScreen(point));
    const bool playNow = placed && video.Visible() && PtInRect(video.ClientRect(), onVideo);
    TPlayList& playList = form.PlayList();
    const int first = playList.Count();
    playList.AppendFiles(files);
    if (playNow) playList.PlayEntry(first);
}

} // namespace brisat
