#include "media_clips.h"

#include "media/platform/event_codes.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace brisat::test {

namespace {

namespace fs = std::filesystem;

const char* kVideo = "-f lavfi -i testsrc=size=160x120:rate=25:duration=1 ";
const char* kAudio = "-f lavfi -i sine=frequency=440:duration=1 ";

const std::map<std::string, std::string>& Recipes() {
    static const std::map<std::string, std::string> recipes{
        {"clip.avi", std::string(kVideo) + kAudio + "-c:v mpeg4 -c:a pcm_s16le"},
        {"clip.mpg", std::string(kVideo) + kAudio + "-c:v mpeg2video -c:a mp2 -f mpeg"},
        {"clip.asf", std::string(kVideo) + kAudio + "-c:v wmv2 -c:a wmav2"},
        {"clip.mp4", std::string(kVideo) + kAudio + "-c:v libx264 -pix_fmt yuv420p -c:a aac"},
        {"yuv444.mp4", std::string(kVideo) + kAudio + "-c:v libx264 -pix_fmt yuv444p -c:a aac"},
        {"fast.mp4", "-f lavfi -i testsrc=size=160x120:rate=60:duration=0.5 -c:v libx264 "
                     "-pix_fmt yuv420p"},
        {"audio.mp3", std::string(kAudio) + "-c:a libmp3lame"},
        {"mjpeg.avi", std::string(kVideo) + "-c:v mjpeg"},
        {"long.avi", "-f lavfi -i testsrc=size=32x24:rate=2:duration=95.5 -c:v mjpeg"},
    };
    return recipes;
}

// Removes the folder when the test program ends.
class ClipFolderEnvironment : public ::testing::Environment {
public:
    void TearDown() override {
        std::error_code ignored;
        if (!m_folder.empty()) fs::remove_all(m_folder, ignored);
    }
    const std::string& Folder() {
        if (m_folder.empty()) {
            std::string pattern = (fs::temp_directory_path() / "brisat-media-XXXXXX").string();
            if (mkdtemp(pattern.data())) m_folder = pattern;
        }
        return m_folder;
    }

private:
    std::string m_folder;
};

ClipFolderEnvironment* g_environment = static_cast<ClipFolderEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new ClipFolderEnvironment));

bool MakeClip(const std::string& name, const std::string& path) {
    if (name == "text.avi") {
        std::ofstream(path) << "This is a shopping list, not a film.\nMilk, bread, tea.\n";
        return true;
    }
    if (name == "fifo.avi") return mkfifo(path.c_str(), 0600) == 0;
    if (name == "truncated.mp4") {
        std::string whole = Clip("clip.mp4");
        if (whole.empty()) return false;
        fs::copy_file(whole, path, fs::copy_options::overwrite_existing);
        fs::resize_file(path, fs::file_size(path) / 2); // the index is at the end: cut off
        return true;
    }
    auto recipe = Recipes().find(name);
    if (recipe == Recipes().end()) return false;
    std::string command =
        "ffmpeg -nostdin -loglevel error -y " + recipe->second + " '" + path + "'";
    return std::system(command.c_str()) == 0;
}

} // namespace

std::string ClipFolder() {
    return g_environment->Folder();
}

std::string Clip(const std::string& name) {
    static std::recursive_mutex lock; // the truncated clip is cut from another clip
    static std::map<std::string, std::string> made;
    std::lock_guard guard(lock);
    if (auto found = made.find(name); found != made.end()) return found->second;
    std::string path = (fs::path(ClipFolder()) / name).string();
    bool ok = MakeClip(name, path);
    return made[name] = ok ? path : "";
}

void CountingConsumer::ReceiveFrame(const TDecodedFrame& frame) {
    Width = frame.Width;
    Height = frame.Height;
    for (int plane = 0; plane < frame.PlaneCount; ++plane)
        if (!frame.Planes[plane] || frame.Strides[plane] <= 0) PlanesValid = false;
    ++Frames;
}

GraphHarness::GraphHarness() : Renderer(CreateVideoRenderer()) {
    Graph.SetAudioRendererFactory("fakesink");
    Graph.SetRenderTimeout(8000);
    Graph.Events().SetNotifyCallback([this] {
        std::lock_guard lock(m_lock);
        ++m_notified;
        m_signal.notify_all();
    });
    TBasicVideo(Renderer).SetFrameConsumer(Consumer);
    // Late frames are shown rather than dropped, so a loaded test machine still counts them all.
    g_object_set(Renderer.Element(), "max-lateness", gint64(-1), "qos", FALSE, nullptr);
    Graph.AddFilter(Renderer, "Video Renderer");
}

std::vector<long> GraphHarness::Drain() {
    std::vector<long> codes;
    TMediaEvent event;
    while (Graph.Events().GetEvent(event) == S_OK) {
        codes.push_back(event.Code);
        Seen.push_back(event);
    }
    return codes;
}

std::vector<long> GraphHarness::WaitForEnd(int timeoutMs) {
    std::vector<long> codes;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        for (long code : Drain()) {
            codes.push_back(code);
            if (code == EC_COMPLETE || code == EC_ERRORABORT) return codes;
        }
        std::unique_lock lock(m_lock);
        int seen = m_notified;
        if (!m_signal.wait_until(lock, deadline, [&] { return m_notified != seen; })) {
            lock.unlock();
            for (long code : Drain())
                codes.push_back(code);
            return codes;
        }
    }
}

} // namespace brisat::test
