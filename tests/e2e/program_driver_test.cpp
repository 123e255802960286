// The end-to-end harness on the demo program: its window is found by title, read back from the
// screen and saved, and a key sent to it ends it.
#include "platform/png_file.h"
#include "program_driver.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr uint32_t ButtonFace = 0xD4D0C8;

TEST(ProgramDriver, FindsReadsAndClosesTheDemoWindow) {
    TProgramDriver driver(BRISAT_PROGRAM, {});
    const TDrivenWindow window = driver.WaitForWindow("Brisat");
    EXPECT_EQ(window.Bounds.Right - window.Bounds.Left, 720);
    EXPECT_EQ(window.Bounds.Bottom - window.Bounds.Top, 480);
    EXPECT_TRUE(driver.Running());

    // The demo's form lies at 120, 80 of its window; its face shows once the entrance is over.
    EXPECT_TRUE(TProgramDriver::WaitUntil(
        [&] { return driver.Screenshot(window).At(128, 280) == ButtonFace; }));
    const TPixelImage screen = driver.Screenshot();
    EXPECT_EQ(screen.Width, 1024);
    EXPECT_EQ(screen.At(window.Bounds.Left + 128, window.Bounds.Top + 280), ButtonFace);

    const std::string file = (std::filesystem::temp_directory_path() /
                              ("brisat-driver-" + std::to_string(getpid()) + ".png"))
                                 .string();
    TProgramDriver::SavePng(driver.Screenshot(window), file);
    const TPngImage saved = ReadPngFile(file);
    std::filesystem::remove(file);
    EXPECT_EQ(saved.Width, 720);
    EXPECT_EQ(saved.At(128, 280) & 0xFFFFFF, ButtonFace);

    driver.Click(window, 300, 200);
    driver.PressKey("Escape");
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] { return !driver.Running(); }));
    const int status = *driver.ExitStatus();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST(ProgramDriver, StopEndsAProgramThatKeepsRunning) {
    TProgramDriver driver(BRISAT_PROGRAM, {});
    driver.WaitForWindow("Brisat");
    driver.Stop(500ms);
    EXPECT_FALSE(driver.Running());
    EXPECT_THROW(driver.PressKey("NoSuchKeyName"), std::runtime_error);
}

} // namespace
