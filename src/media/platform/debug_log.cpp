#include "media/platform/debug_log.h"

#include <algorithm>
#include <gst/gst.h>
#include <mutex>
#include <unistd.h>
#include <vector>

namespace brisat {

namespace {

// One log function, registered once, writes each line to every open log file. The files are
// opened and closed under g_filesLock, so no thread writes to a closed file.
std::mutex g_filesLock;
std::vector<std::FILE*> g_files;

// Logs at INFO while any log file is open, then at the level GStreamer had before.
std::mutex g_levelLock;
int g_openLogs = 0;
GstDebugLevel g_savedLevel = GST_LEVEL_NONE;

void WriteLine(GstDebugCategory* category, GstDebugLevel level, const gchar* file,
               const gchar* function, gint line, GObject*, GstDebugMessage* message, gpointer) {
    if (level > gst_debug_category_get_threshold(category)) return;
    std::lock_guard lock(g_filesLock);
    if (g_files.empty()) return;
    const gchar* text = gst_debug_message_get(message);
    for (std::FILE* target : g_files)
        std::fprintf(target, "%s %s %s:%d:%s: %s\n", gst_debug_level_get_name(level),
                     gst_debug_category_get_name(category), file, line, function, text ? text : "");
}

void RegisterOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        // Without GST_DEBUG nobody asked for the log on the terminal: only the files get it.
        if (!g_getenv("GST_DEBUG")) gst_debug_remove_log_function(gst_debug_log_default);
        gst_debug_add_log_function(WriteLine, nullptr, nullptr);
    });
}

} // namespace

TDebugLogFile::TDebugLogFile(int fd) {
    int copy = fd >= 0 ? dup(fd) : -1;
    if (copy < 0) return;
    m_file = fdopen(copy, "w");
    if (!m_file) {
        close(copy);
        return;
    }
    RegisterOnce();
    {
        std::lock_guard lock(g_filesLock);
        g_files.push_back(m_file);
    }
    std::lock_guard lock(g_levelLock);
    if (g_openLogs++ == 0) {
        g_savedLevel = gst_debug_get_default_threshold();
        if (g_savedLevel < GST_LEVEL_INFO) gst_debug_set_default_threshold(GST_LEVEL_INFO);
        gst_debug_set_active(TRUE);
    }
}

TDebugLogFile::~TDebugLogFile() {
    if (!m_file) return;
    {
        std::lock_guard lock(g_levelLock);
        if (--g_openLogs == 0) gst_debug_set_default_threshold(g_savedLevel);
    }
    std::lock_guard lock(g_filesLock);
    g_files.erase(std::remove(g_files.begin(), g_files.end(), m_file), g_files.end());
    std::fclose(m_file);
}

} // namespace brisat
