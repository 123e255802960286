// Opening what cannot be played: a stream address whose server never answers leaves the window
// live (its clock keeps repainting) and the Stop button cancels the open; a folder is reported in
// a box that names it and says it is one.
#include "hostile_http_server.h"
#include "player_test.h"

#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <tuple>
#include <unistd.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class OpenAddress : public PlayerTest {};
BRISAT_PLAYER_SUITE(OpenAddress);

// The player's stderr (and the X server's) goes to a file while this lives: the program writes
// every error it shows there as well.
class StderrCapture {
public:
    explicit StderrCapture(const std::string& path) : m_saved(dup(STDERR_FILENO)), m_path(path) {
        int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        dup2(file, STDERR_FILENO);
        close(file);
    }
    ~StderrCapture() {
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
    }
    std::string Text() const {
        std::ostringstream text;
        text << std::ifstream(m_path).rdbuf();
        return text.str();
    }

private:
    int m_saved;
    std::string m_path;
};

// The pixels of the clock, in the window's bottom row left of the time panel.
std::vector<uint32_t> ClockPixels(const TPixelImage& window) {
    std::vector<uint32_t> pixels;
    for (int32_t y = window.Height - 32; y < window.Height - 10; ++y)
        for (int32_t x = 92; x < 190; ++x)
            pixels.push_back(window.At(x, y));
    return pixels;
}

// Once the player has reached the server: three different pictures of the clock while the open
// waits for an answer, then the stop button cancels it and hangs up, with no error shown; Escape
// then quits.
void ExpectALiveWindowThatStopCancels(TProgramDriver& driver, const TDrivenWindow& main,
                                      const THostileHttpServer& server) {
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] { return server.Accepted() > 0; }));
    std::vector<std::vector<uint32_t>> seen{ClockPixels(driver.Screenshot(main))};
    EXPECT_TRUE(TProgramDriver::WaitUntil(
        [&] {
            std::vector<uint32_t> now = ClockPixels(driver.Screenshot(main));
            if (now != seen.back()) seen.push_back(now);
            return seen.size() >= 3;
        },
        10s));
    EXPECT_EQ(server.HungUp(), 0) << "still opening";

    // The stop button, in the transport panel above the window's bottom row.
    driver.Click(main, 103, main.Bounds.Bottom - main.Bounds.Top - 51);
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] { return server.HungUp() == server.Accepted(); }));
    for (const TDrivenWindow& window : driver.Windows())
        EXPECT_FALSE(window.Viewable && window.Title == "Brisat") << "a cancelled open is no error";
    driver.PressKey(main, "Escape");
    EXPECT_EQ(driver.WaitForExitCode(), 0);
}

TEST_P(OpenAddress, TheClockTicksWhileAServerNeverAnswersAndStopCancelsTheOpen) {
    THostileHttpServer server(THostility::NeverAnswers);
    ASSERT_NE(server.Port(), 0);
    TProgramDriver driver = Start({server.Address()});
    const TDrivenWindow main = driver.WaitForWindow(kMainCaption, 30s);
    ExpectALiveWindowThatStopCancels(driver, main, server);
}

// The same through the open-URL dialog: the window goes on ticking, and Stop cancels.
TEST_P(OpenAddress, TheOpenUrlDialogsAddressOpensWithoutFreezingTheWindow) {
    THostileHttpServer server(THostility::NeverAnswers);
    ASSERT_NE(server.Port(), 0);
    TProgramDriver driver = Start({});
    const TDrivenWindow main = driver.WaitForWindow(kMainCaption, 30s);
    ASSERT_TRUE(OpenThroughUrlDialog(driver, main, server.Address()));
    ExpectALiveWindowThatStopCancels(driver, main, server);
}

// Escape quits the player as ever, also while an address opens: at once, hanging up.
TEST_P(OpenAddress, EscapeQuitsWhileAServerNeverAnswers) {
    THostileHttpServer server(THostility::NeverAnswers);
    ASSERT_NE(server.Port(), 0);
    TProgramDriver driver = Start({server.Address()});
    const TDrivenWindow main = driver.WaitForWindow(kMainCaption, 30s);
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] { return server.Accepted() > 0; }));
    driver.PressKey(main, "Escape");
    EXPECT_EQ(driver.WaitForExitCode(10s), 0) << "sooner than the open would time out";
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] { return server.HungUp() == server.Accepted(); }));
}

// Every hostile server ends in an error box naming the address and the cause, within the open's
// time-out and a margin; the clock goes on repainting while the slow ones keep the open waiting.
TEST_P(OpenAddress, HostileServersEndInAnErrorThatNamesTheAddress) {
    const std::tuple<THostility, const char*, std::string> servers[] = {
        {THostility::NeverAnswers, "never answers", "timed out"},
        {THostility::DripsAByteASecond, "drips a byte a second", "timed out"},
        {THostility::RedirectsForever, "redirects for ever", "the server redirects"},
        {THostility::EndlessHeader, "sends an endless header", "the address cannot be reached"},
    };
    for (const auto& [hostility, title, cause] : servers) {
        SCOPED_TRACE(title);
        THostileHttpServer server(hostility);
        ASSERT_NE(server.Port(), 0);
        StderrCapture captured(PathOf("stderr.txt"));
        TProgramDriver driver = Start({server.Address()});
        const TDrivenWindow main = driver.WaitForWindow(kMainCaption, 30s);
        std::vector<std::vector<uint32_t>> seen{ClockPixels(driver.Screenshot(main))};
        std::optional<TDrivenWindow> box;
        ASSERT_TRUE(TProgramDriver::WaitUntil(
            [&] {
                std::vector<uint32_t> now = ClockPixels(driver.Screenshot(main));
                if (now != seen.back()) seen.push_back(now);
                for (const TDrivenWindow& window : driver.Windows())
                    if (window.Viewable && window.Title == "Brisat") box = window;
                return box.has_value();
            },
            40s));
        const bool slow =
            hostility == THostility::NeverAnswers || hostility == THostility::DripsAByteASecond;
        if (slow) {
            EXPECT_GE(seen.size(), 5u) << "the clock repaints while the open waits";
        }
        EXPECT_NE(captured.Text().find("\n" + server.Address() + ": " + cause), std::string::npos)
            << captured.Text();
        driver.PressKey(*box, "Return");
        EXPECT_TRUE(driver.WaitForWindowToGo("Brisat"));
        driver.PressKey(main, "Escape");
        EXPECT_EQ(driver.WaitForExitCode(), 0);
    }
}

TEST_P(OpenAddress, AFolderIsReportedByName) {
    const std::string folder = PathOf("films");
    std::filesystem::create_directory(folder);
    StderrCapture captured(PathOf("stderr.txt"));
    TProgramDriver driver = Start({folder});
    const TDrivenWindow box = driver.WaitForWindow("Brisat", 30s);
    EXPECT_NE(captured.Text().find("brisat: The source filter for this file could not be loaded. "
                                   "($80040241).\n" +
                                   folder + ": is a folder, not a media file.\n"),
              std::string::npos)
        << captured.Text();
    driver.PressKey(box, "Return");
    EXPECT_TRUE(driver.WaitForWindowToGo("Brisat"));
    driver.PressKey(driver.WaitForWindow(kMainCaption), "Escape");
    EXPECT_EQ(driver.WaitForExitCode(), 0);
}

} // namespace
