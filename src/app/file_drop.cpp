#include "app/file_drop.h"

#include "app/main_form.h"
#include "media/platform/playable_sources.h"
#include "media/video_window.h"

#include <algorithm>
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

void TakeDroppedFiles(TfrmMain& form, HDROP drop) {
    const std::vector<std::string> files = OpenableDrops(DragQueryFiles(drop), PlayableUriSchemes());
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
