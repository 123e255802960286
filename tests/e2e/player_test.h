// The player as the end-to-end tests run it: each test starts its own hard link of the program in
// a fresh folder, so the settings file beside it belongs to that test alone and tests may run side
// by side; the test's clips are made in the same folder with GStreamer. Every test runs twice:
// on a bare X server and under a reparenting window manager.
#pragma once

#include "program_driver.h"
#include "temp_folder.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace brisat::test {

inline const std::string kMainCaption = "Brisat 1.0b";

// A point of the video area from the main window's top-left corner, clear of the time panel and
// of the colour dialog centred on the video.
inline constexpr int32_t kVideoX = 100, kVideoY = 300;

// The size of a window's place on the screen.
inline int32_t Width(const TScreenRect& r) {
    return r.Right - r.Left;
}
inline int32_t Height(const TScreenRect& r) {
    return r.Bottom - r.Top;
}

// Waits until the main window shows itself active (its caption dark blue, not grey): the
// program has taken the focus the window manager gave it, and keys and clicks reach it as the
// active window's.
inline bool WaitUntilActive(TProgramDriver& driver, const TDrivenWindow& main) {
    return TProgramDriver::WaitUntil([&] {
        const uint32_t caption =
            driver.Screenshot(main).At((main.Bounds.Right - main.Bounds.Left) / 2, 10);
        return (caption & 0xFF) > ((caption >> 16) & 0xFF) + 0x20;
    });
}

// Types Text (digits, lower-case letters, ":", "/", ".") where the keyboard focus is; ":" takes
// Shift.
inline void TypeAddress(TProgramDriver& driver, const std::string& text) {
    for (char c : text) {
        if (c == ':') driver.KeyDown("Shift_L");
        driver.PressKey(c == ':'   ? "colon"
                        : c == '/' ? "slash"
                        : c == '.' ? "period"
                                   : std::string(1, c));
        if (c == ':') driver.KeyUp("Shift_L");
    }
}

// A link to Target at a path TypeAddress can type (the test folder's name has capitals).
class TTypeableLink {
public:
    explicit TTypeableLink(const std::string& target)
        : m_path("/tmp/brisaturl" + std::to_string(getpid()) + ".avi") {
        std::filesystem::remove(m_path);
        std::filesystem::create_symlink(target, m_path);
    }
    ~TTypeableLink() { std::filesystem::remove(m_path); }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// Opens Address through the plain open-URL dialog of Main (File, Open URL), typing it in place
// of the dialog's "mms://" and pressing OK; true once the dialog has gone.
inline bool OpenThroughUrlDialog(TProgramDriver& driver, const TDrivenWindow& main,
                                 const std::string& address) {
    driver.Click(main, 19, 31); // File
    driver.Click(main, 54, 70); // Open URL
    const TDrivenWindow dialog = driver.WaitForWindow("Открыть URL");
    const int32_t border = (dialog.Bounds.Right - dialog.Bounds.Left - 282) / 2;
    const int32_t clientTop = dialog.Bounds.Bottom - dialog.Bounds.Top - border - 73;
    driver.Click(dialog, border + 200, clientTop + 18); // into the address, after "mms://"
    driver.PressKey(dialog, "End");
    for (int i = 0; i < 6; ++i) // "mms://"
        driver.PressKey("BackSpace");
    TypeAddress(driver, address);
    // OK, at (8, 40) of the 282 × 73 client area, 75 × 25.
    driver.Click(dialog, border + 45, clientTop + 52);
    return driver.WaitForWindowToGo("Открыть URL");
}

class PlayerTest : public TempFolderTest, public testing::WithParamInterface<TWindowManager> {
protected:
    // The program with Arguments on a Width × Height screen under the test's window manager.
    TProgramDriver Start(const std::vector<std::string>& arguments, int32_t width = 1024,
                         int32_t height = 768) {
        return TProgramDriver(Program(), arguments, {width, height, GetParam()});
    }
    // The program in the test's folder, linked there on first use (copied when the folder is on
    // another file system).
    std::string Program();
    // The settings file beside it.
    std::string IniPath() const { return PathOf("Brisat.ini"); }
    // Makes Name in the test's folder: Seconds of GStreamer's test picture with the given
    // videotestsrc properties ("pattern=smpte") at Width × Height (320 × 240 unless given) and 30
    // frames a second, as Motion JPEG in AVI with a tone beside it.
    std::string MakeClip(const std::string& name, const std::string& picture, int seconds,
                         int32_t width = 320, int32_t height = 240);
};

inline std::string WindowManagerName(TWindowManager manager) {
    return manager == TWindowManager::Absent ? "NoWindowManager" : "Openbox";
}

// How test listings show the parameter.
inline void PrintTo(TWindowManager manager, std::ostream* out) {
    *out << WindowManagerName(manager);
}

// Runs a suite of PlayerTest without a window manager and under openbox.
#define BRISAT_PLAYER_SUITE(suite)                                                                 \
    INSTANTIATE_TEST_SUITE_P(Under, suite,                                                         \
                             testing::Values(TWindowManager::Absent, TWindowManager::Openbox),     \
                             [](const testing::TestParamInfo<TWindowManager>& info) {              \
                                 return WindowManagerName(info.param);                             \
                             })

} // namespace brisat::test
